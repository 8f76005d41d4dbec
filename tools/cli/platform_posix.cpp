#include <QRegularExpression>
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include "link/port_catalogue.h"
#include "platform.h"

namespace qx210::cli {

void PrepareStandardStreams() {}

bool StandardErrorIsTerminal() { return ::isatty(STDERR_FILENO) != 0; }

QString SystemPortPath(const QString& port) {
  static const QRegularExpression comName(QStringLiteral("^COM(\\d+)$"), QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = comName.match(port);
  return match.hasMatch() ? PortCatalogue::fromSystem().slotPath(match.captured(1).toInt()) : port;
}

namespace {

// Ctrl+C and SIGTERM reach the event loop through a pipe. A second one ends
// the program at once.
int g_signalPipe[2] = {-1, -1};

void OnStopSignal(int signal) {
  const char byte = static_cast<char>(signal);
  [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &byte, 1);
  std::signal(signal, SIG_DFL);
}

}  // namespace

struct StopRequests::State {
  std::unique_ptr<QSocketNotifier> notifier;
};

StopRequests::StopRequests(std::function<void()> stop) : m_state(std::make_unique<State>()) {
  if (::pipe(g_signalPipe) != 0) return;
  ::fcntl(g_signalPipe[0], F_SETFL, O_NONBLOCK);
  m_state->notifier = std::make_unique<QSocketNotifier>(g_signalPipe[0], QSocketNotifier::Read);
  QObject::connect(m_state->notifier.get(), &QSocketNotifier::activated, m_state->notifier.get(),
                   [stop = std::move(stop)] {
                     char drain[8];
                     while (::read(g_signalPipe[0], drain, sizeof drain) > 0) {
                     }
                     stop();
                   });
  std::signal(SIGINT, OnStopSignal);
  std::signal(SIGTERM, OnStopSignal);
}

StopRequests::~StopRequests() {
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
  m_state->notifier.reset();
  for (int& fd : g_signalPipe)
    if (fd >= 0) ::close(fd), fd = -1;
}

}  // namespace qx210::cli
