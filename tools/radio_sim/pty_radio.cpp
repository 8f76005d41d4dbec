#include "pty_radio.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstdlib>

namespace qx210::sim {

PtyRadio::PtyRadio(RadioProtocol protocol, LineOptions line) : m_protocol(std::move(protocol)), m_line(line) {}

PtyRadio::~PtyRadio() {
  stop();
  closeFds();
  for (int& fd : m_wake)
    if (fd >= 0) ::close(fd), fd = -1;
}

bool PtyRadio::open(QString* error) {
  auto fail = [error](const char* what) {
    if (error) *error = QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(strerror(errno)));
    return false;
  };
  if (::pipe(m_wake) != 0) return fail("pipe");
  ::fcntl(m_wake[0], F_SETFL, O_NONBLOCK);
  ::fcntl(m_wake[1], F_SETFL, O_NONBLOCK);
  m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (m_master < 0) return fail("posix_openpt");
  if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) return fail("unlockpt");
  const char* name = ::ptsname(m_master);
  if (!name) return fail("ptsname");
  m_slavePath = QString::fromLocal8Bit(name);
  ::fcntl(m_master, F_SETFL, O_NONBLOCK);
  // Holding the slave open keeps the line up between programs and lets the
  // radio set raw mode before anyone else opens it.
  m_slave = ::open(name, O_RDWR | O_NOCTTY);
  if (m_slave < 0) return fail("open slave");
  termios tio{};
  ::tcgetattr(m_slave, &tio);
  ::cfmakeraw(&tio);
  ::cfsetispeed(&tio, B9600);
  ::cfsetospeed(&tio, B9600);
  ::tcsetattr(m_slave, TCSANOW, &tio);
  return true;
}

void PtyRadio::start() {
  if (m_thread.joinable()) return;
  m_stop = false;
  m_thread = std::thread([this] { loop(); });
}

void PtyRadio::run() {
  m_stop = false;
  loop();
}

void PtyRadio::requestStop() {
  m_stop = true;
  if (m_wake[1] >= 0) {
    const char c = 's';
    [[maybe_unused]] const ssize_t n = ::write(m_wake[1], &c, 1);
  }
}

void PtyRadio::stop() {
  requestStop();
  if (m_thread.joinable()) m_thread.join();
}

void PtyRadio::pullCable() {
  if (m_thread.joinable()) {
    m_pull = true;
    const char c = 'p';
    [[maybe_unused]] const ssize_t n = ::write(m_wake[1], &c, 1);
    // Wait until the loop has closed the line.
    while (m_pull) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  } else {
    std::lock_guard lock(m_mutex);
    closeFds();
  }
}

void PtyRadio::closeFds() {
  if (m_master >= 0) ::close(m_master), m_master = -1;
  if (m_slave >= 0) ::close(m_slave), m_slave = -1;
}

void PtyRadio::setRadioConnected(bool connected) {
  std::lock_guard lock(m_mutex);
  m_radioConnected = connected;
}

bool PtyRadio::radioConnected() const {
  std::lock_guard lock(m_mutex);
  return m_radioConnected;
}

void PtyRadio::replaceRadio(RadioProtocol protocol) {
  std::lock_guard lock(m_mutex);
  m_protocol = std::move(protocol);
  m_radioConnected = true;
}

QByteArray PtyRadio::memory() const {
  std::lock_guard lock(m_mutex);
  return m_protocol.memory();
}
int PtyRadio::endsReceived() const {
  std::lock_guard lock(m_mutex);
  return m_protocol.endsReceived();
}
int PtyRadio::programRequests() const {
  std::lock_guard lock(m_mutex);
  return m_protocol.programRequests();
}
int PtyRadio::readRequests() const {
  std::lock_guard lock(m_mutex);
  return m_protocol.readRequests();
}
QList<int> PtyRadio::writtenAddresses() const {
  std::lock_guard lock(m_mutex);
  return m_protocol.writtenAddresses();
}

void PtyRadio::save() {
  if (m_savePath.isEmpty()) return;
  QFile file(m_savePath);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(m_protocol.memory());
}

void PtyRadio::readAvailable() {
  char buffer[512];
  for (;;) {
    const ssize_t n = ::read(m_master, buffer, sizeof buffer);
    if (n <= 0) return;
    const Clock::time_point now = Clock::now();
    for (ssize_t i = 0; i < n; ++i) {
      Clock::time_point at = now;
      // On a paced line a byte is complete one character time after the
      // line became free for it.
      if (m_line.paced) {
        at = std::max(now, m_incomingLineFree) + kByteTime;
        m_incomingLineFree = at;
      }
      m_incoming.push_back({at, buffer[i]});
    }
  }
}

void PtyRadio::schedule(const QByteArray& reply, Clock::time_point ready) {
  const Clock::time_point start = ready + std::chrono::milliseconds(m_line.latencyMs);
  const int pieces = std::max(1, std::min<int>(m_line.pieces, static_cast<int>(reply.size())));
  const qsizetype pieceSize = (reply.size() + pieces - 1) / pieces;
  Clock::time_point lineFree = std::max(start, m_outgoingLineFree);
  for (qsizetype i = 0; i < reply.size(); ++i) {
    const int piece = static_cast<int>(i / pieceSize);
    Clock::time_point at = start + piece * std::chrono::milliseconds(m_line.pieceGapMs);
    if (m_line.paced) {
      // A byte reaches the program when its last bit has gone out.
      at = std::max(at, lineFree) + kByteTime;
      lineFree = at;
    }
    m_outgoing.push_back({at, reply.at(i)});
  }
  if (m_line.paced) m_outgoingLineFree = lineFree;
}

void PtyRadio::deliverDueBytes() {
  const Clock::time_point now = Clock::now();
  QByteArray due;
  Clock::time_point last{};
  while (!m_incoming.empty() && m_incoming.front().at <= now) {
    due.append(m_incoming.front().byte);
    last = m_incoming.front().at;
    m_incoming.pop_front();
  }
  if (due.isEmpty()) return;
  if (m_line.echo) {
    schedule(due, m_line.paced ? last : now);
    return;
  }
  QList<QByteArray> replies;
  int ends = 0;
  {
    std::lock_guard lock(m_mutex);
    if (!m_radioConnected) return;  // an open cable end: the bytes go nowhere
    ends = m_protocol.endsReceived();
    replies = m_protocol.receive(due);
    if (m_protocol.endsReceived() != ends) save();
  }
  // Replies start from the moment the request was complete, not from when
  // this loop noticed it.
  for (const QByteArray& reply : replies) schedule(reply, m_line.paced ? last : now);
}

void PtyRadio::writeDueBytes() {
  const Clock::time_point now = Clock::now();
  QByteArray due;
  while (!m_outgoing.empty() && m_outgoing.front().at <= now) {
    due.append(m_outgoing.front().byte);
    m_outgoing.pop_front();
  }
  if (due.isEmpty() || m_master < 0) return;
  qsizetype written = 0;
  while (written < due.size()) {
    const ssize_t n = ::write(m_master, due.constData() + written, static_cast<size_t>(due.size() - written));
    if (n > 0) {
      written += n;
    } else if (n < 0 && errno == EAGAIN) {
      pollfd out{m_master, POLLOUT, 0};
      ::poll(&out, 1, 10);
    } else {
      return;
    }
  }
}

void PtyRadio::loop() {
  while (!m_stop) {
    if (m_pull) {
      std::lock_guard lock(m_mutex);
      closeFds();
      m_incoming.clear();
      m_outgoing.clear();
      m_pull = false;
    }
    Clock::time_point next = Clock::time_point::max();
    if (!m_incoming.empty()) next = std::min(next, m_incoming.front().at);
    if (!m_outgoing.empty()) next = std::min(next, m_outgoing.front().at);
    timespec timeout{1, 0};
    if (next != Clock::time_point::max()) {
      const auto wait = std::max(std::chrono::nanoseconds(0), next - Clock::now());
      timeout.tv_sec = static_cast<time_t>(wait.count() / 1'000'000'000);
      timeout.tv_nsec = static_cast<long>(wait.count() % 1'000'000'000);
    }
    pollfd fds[2] = {{m_wake[0], POLLIN, 0}, {m_master, POLLIN, 0}};
    const nfds_t count = m_master >= 0 ? 2 : 1;
    const int ready = ::ppoll(fds, count, &timeout, nullptr);
    if (ready < 0 && errno != EINTR) break;
    if (fds[0].revents & POLLIN) {
      char drain[16];
      while (::read(m_wake[0], drain, sizeof drain) > 0) {
      }
    }
    if (m_master >= 0 && (fds[1].revents & POLLIN)) readAvailable();
    if (m_master >= 0 && (fds[1].revents & (POLLHUP | POLLERR)) && !(fds[1].revents & POLLIN)) {
      // Nobody has the line open; don't spin on the hang-up.
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    deliverDueBytes();
    writeDueBytes();
  }
  std::lock_guard lock(m_mutex);
  save();
}

}  // namespace qx210::sim
