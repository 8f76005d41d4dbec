// The serial port on Windows, through the Win32 communications functions:
// overlapped reads and writes, their completion signalled to the event loop
// through QWinEventNotifier.
#include <QSignalBlocker>
#include <QWinEventNotifier>
#include <windows.h>

#include "link/serial_port.h"

namespace qx210 {

namespace {

QString SystemMessage(DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                     code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  QString text = length ? QString::fromWCharArray(buffer, static_cast<qsizetype>(length)).trimmed()
                        : QStringLiteral("Windows error %1").arg(code);
  LocalFree(buffer);
  return text;
}

// "COM5" and "\\.\COM5" both name the port; the device namespace reaches
// COM10 and above too.
QString DevicePath(const QString& path) {
  return path.startsWith(QLatin1String("\\\\.\\")) ? path : QStringLiteral("\\\\.\\") + path;
}

class WindowsSerialPort final : public SerialPort {
 public:
  WindowsSerialPort() {
    m_readDone.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_writeDone.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_readNotifier.setHandle(m_readDone.hEvent);
    m_writeNotifier.setHandle(m_writeDone.hEvent);
    connect(&m_readNotifier, &QWinEventNotifier::activated, this, &WindowsSerialPort::onReadDone);
    connect(&m_writeNotifier, &QWinEventNotifier::activated, this, &WindowsSerialPort::onWriteDone);
  }
  ~WindowsSerialPort() override {
    close();
    CloseHandle(m_readDone.hEvent);
    CloseHandle(m_writeDone.hEvent);
  }

  PortOpenResult open(const QString& path) override {
    close();
    const std::wstring device = DevicePath(path).toStdWString();
    HANDLE handle = CreateFileW(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      const DWORD code = GetLastError();
      PortOpenResult result;
      result.reason = SystemMessage(code);
      switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
          result.problem = PortProblem::Missing;
          break;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
          // Windows denies access to a port another program has open.
          result.problem = PortProblem::Busy;
          break;
        default:
          result.problem = PortProblem::NotSerial;
          break;
      }
      return result;
    }
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(handle, &dcb)) {
      PortOpenResult result{PortProblem::NotSerial, SystemMessage(GetLastError())};
      CloseHandle(handle);
      return result;
    }
    // No timeouts: a read waits until its bytes are there. Reads ask for one
    // byte and then take whatever else has arrived (see onReadDone), which
    // behaves the same on every driver.
    COMMTIMEOUTS timeouts{};
    SetCommTimeouts(handle, &timeouts);
    m_handle = handle;
    // A first read that fails is an open that failed: report it here, not
    // through failed(), which no caller expects before open() returns.
    {
      const QSignalBlocker quiet(this);
      startRead();
    }
    if (!m_reading) {
      const PortOpenResult result{PortProblem::NotSerial, m_failure};
      close();
      return result;
    }
    return {};
  }

  void configure() override {
    if (!isOpen()) return;
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    GetCommState(m_handle, &dcb);
    dcb.BaudRate = CBR_9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    SetCommState(m_handle, &dcb);
  }

  bool isOpen() const override { return m_handle != INVALID_HANDLE_VALUE; }

  void close() override {
    if (!isOpen()) return;
    m_readNotifier.setEnabled(false);
    m_writeNotifier.setEnabled(false);
    CancelIo(m_handle);
    DWORD ignored = 0;
    if (m_reading) GetOverlappedResult(m_handle, &m_readDone, &ignored, TRUE);
    if (m_writing) GetOverlappedResult(m_handle, &m_writeDone, &ignored, TRUE);
    m_reading = m_writing = false;
    CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
    m_in.clear();
    m_out.clear();
    m_sending.clear();
  }

  void write(const QByteArray& bytes) override {
    if (!isOpen()) return;
    m_out += bytes;
    startWrite();
  }

  QByteArray readAll() override { return std::exchange(m_in, {}); }

  void clear() override {
    if (!isOpen()) return;
    PurgeComm(m_handle, PURGE_RXCLEAR | PURGE_TXCLEAR);
    m_in.clear();
    m_out.clear();
  }

  void flush() override { startWrite(); }

  bool waitForBytesWritten(int msecs) override {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(msecs);
    while (isOpen() && m_writing) {
      const ULONGLONG now = GetTickCount64();
      if (now >= deadline) return false;
      if (WaitForSingleObject(m_writeDone.hEvent, static_cast<DWORD>(deadline - now)) != WAIT_OBJECT_0) return false;
      onWriteDone();
    }
    return true;
  }

 private:
  void startRead() {
    while (isOpen()) {
      ResetEvent(m_readDone.hEvent);
      DWORD count = 0;
      if (ReadFile(m_handle, &m_first, 1, &count, &m_readDone)) {
        // Done at once; the event is set as well, so take it from there.
        m_reading = true;
        m_readNotifier.setEnabled(true);
        return;
      }
      if (GetLastError() == ERROR_IO_PENDING) {
        m_reading = true;
        m_readNotifier.setEnabled(true);
        return;
      }
      fail();
      return;
    }
  }

  void onReadDone() {
    if (!isOpen() || !m_reading) return;
    DWORD count = 0;
    if (!finish(m_readDone, m_readNotifier, m_reading, count)) return;
    if (count > 0) {
      m_in.append(m_first);
      if (!drain()) return;
    }
    startRead();
    if (count > 0) Q_EMIT readyRead();
  }

  // Takes what else the driver holds: those bytes are there, so the read
  // completes at once.
  bool drain() {
    DWORD errors = 0;
    COMSTAT status{};
    if (!ClearCommError(m_handle, &errors, &status) || status.cbInQue == 0) return true;
    QByteArray more(static_cast<qsizetype>(status.cbInQue), Qt::Uninitialized);
    OVERLAPPED done{};
    done.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    DWORD count = 0;
    bool ok = ReadFile(m_handle, more.data(), status.cbInQue, &count, &done) ||
              (GetLastError() == ERROR_IO_PENDING && GetOverlappedResult(m_handle, &done, &count, TRUE));
    CloseHandle(done.hEvent);
    if (!ok) {
      fail();
      return false;
    }
    m_in.append(more.constData(), static_cast<qsizetype>(count));
    return true;
  }

  void startWrite() {
    if (!isOpen() || m_writing || m_out.isEmpty()) return;
    m_sending = std::exchange(m_out, {});
    ResetEvent(m_writeDone.hEvent);
    if (!WriteFile(m_handle, m_sending.constData(), static_cast<DWORD>(m_sending.size()), nullptr, &m_writeDone) &&
        GetLastError() != ERROR_IO_PENDING) {
      fail();
      return;
    }
    m_writing = true;
    m_writeNotifier.setEnabled(true);
  }

  void onWriteDone() {
    if (!isOpen() || !m_writing) return;
    DWORD count = 0;
    if (!finish(m_writeDone, m_writeNotifier, m_writing, count)) return;
    if (count < static_cast<DWORD>(m_sending.size())) m_out.prepend(m_sending.mid(count));
    m_sending.clear();
    startWrite();
  }

  // Takes the result of a read or write whose event fired; false when there
  // is none to take. A late notice of an earlier completion finds the
  // operation still running: it stays under way and its notifier waits again.
  bool finish(OVERLAPPED& operation, QWinEventNotifier& notifier, bool& underWay, DWORD& count) {
    notifier.setEnabled(false);
    underWay = false;
    if (GetOverlappedResult(m_handle, &operation, &count, FALSE)) return true;
    if (GetLastError() == ERROR_IO_INCOMPLETE) {
      underWay = true;
      notifier.setEnabled(true);
    } else if (GetLastError() != ERROR_OPERATION_ABORTED) {
      fail();
    }
    return false;
  }

  void fail() {
    m_failure = SystemMessage(GetLastError());
    Q_EMIT failed(m_failure);
  }

  HANDLE m_handle = INVALID_HANDLE_VALUE;
  OVERLAPPED m_readDone{};
  OVERLAPPED m_writeDone{};
  QWinEventNotifier m_readNotifier;
  QWinEventNotifier m_writeNotifier;
  bool m_reading = false;
  bool m_writing = false;
  char m_first = 0;
  QByteArray m_in;
  QByteArray m_out;
  QByteArray m_sending;
  QString m_failure;
};

// The registry's map of serial ports: value names are driver devices, the
// data the port names ("COM5").
QStringList RegistryPorts() {
  QStringList names;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) != ERROR_SUCCESS)
    return names;
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    DWORD nameLength = 256;
    wchar_t data[256];
    DWORD dataSize = sizeof data;
    DWORD type = 0;
    const LONG status =
        RegEnumValueW(key, index, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data), &dataSize);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status != ERROR_SUCCESS || type != REG_SZ) continue;
    names << QString::fromWCharArray(data, static_cast<qsizetype>(dataSize / sizeof(wchar_t))).section(QChar(0), 0, 0);
  }
  RegCloseKey(key);
  return names;
}

}  // namespace

std::unique_ptr<SerialPort> SerialPort::create() { return std::make_unique<WindowsSerialPort>(); }

QList<SerialDevice> SerialPort::systemDevices() {
  QList<SerialDevice> devices;
  const QStringList names = RegistryPorts();
  for (const QString& name : names) devices << SerialDevice{name, {}, DevicePath(name)};
  return devices;
}

bool PortsNamedCom() { return true; }

bool SerialPort::deviceExists(const QString& path) {
  // Ports come and go with the registry map; a user's own device path is
  // checked by asking for its attributes.
  const QString bare = path.startsWith(QLatin1String("\\\\.\\")) ? path.mid(4) : path;
  if (RegistryPorts().contains(bare, Qt::CaseInsensitive)) return true;
  const std::wstring device = DevicePath(path).toStdWString();
  HANDLE handle = CreateFileW(device.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_ACCESS_DENIED;
  CloseHandle(handle);
  return true;
}

}  // namespace qx210
