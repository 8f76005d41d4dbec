#include <QCoreApplication>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "platform.h"

namespace qx210::cli {

void PrepareStandardStreams() {
  for (FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
  // The console's code page outlives the program: the old one comes back at exit.
  static const UINT previous = GetConsoleOutputCP();
  if (previous != 0 && previous != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
    std::atexit([] { SetConsoleOutputCP(previous); });
}

bool StandardErrorIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

QString SystemPortPath(const QString& port) { return port; }

namespace {

// The console's handler runs on a thread of its own: it only queues the stop
// for the event loop. A second request falls through to the default handler,
// which ends the program.
std::function<void()>* g_stop = nullptr;
std::atomic<bool> g_requested{false};

BOOL WINAPI OnConsoleEvent(DWORD type) {
  if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT && type != CTRL_CLOSE_EVENT) return FALSE;
  if (g_requested.exchange(true) || !g_stop) return FALSE;
  QMetaObject::invokeMethod(QCoreApplication::instance(), *g_stop, Qt::QueuedConnection);
  return TRUE;
}

}  // namespace

struct StopRequests::State {
  std::function<void()> stop;
};

StopRequests::StopRequests(std::function<void()> stop) : m_state(std::make_unique<State>()) {
  m_state->stop = std::move(stop);
  g_requested = false;
  g_stop = &m_state->stop;
  SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

StopRequests::~StopRequests() {
  SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
  g_stop = nullptr;
}

}  // namespace qx210::cli
