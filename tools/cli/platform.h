// What the command line does differently on Linux and Windows; one file per
// platform implements it (platform_posix.cpp, platform_windows.cpp).
#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace qx210::cli {

// Makes standard input, output and error carry bytes as they are: on Windows
// binary mode (no "\r" added before "\n", no Ctrl+Z read as the end) and a
// console that shows UTF-8, the encoding the program writes everywhere.
void PrepareStandardStreams();

// Whether standard error is a terminal (progress is drawn only there).
bool StandardErrorIsTerminal();

// The device a port name on the command line stands for: on Linux "COMn" is
// the device the port window shows in that slot; on Windows it is the port.
QString SystemPortPath(const QString& port);

// While it lives, the first Ctrl+C or request to terminate calls `stop` on
// the event loop; a second one ends the program at once.
class StopRequests {
 public:
  explicit StopRequests(std::function<void()> stop);
  ~StopRequests();
  StopRequests(const StopRequests&) = delete;
  StopRequests& operator=(const StopRequests&) = delete;

 private:
  struct State;
  std::unique_ptr<State> m_state;
};

}  // namespace qx210::cli
