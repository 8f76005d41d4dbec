#pragma once

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace qx210::test {

// Runs `check` as a user who is not root and returns what it reports: empty
// when every check held. A non-root run calls it in place; as root it runs
// in a child process that has dropped to the user "nobody", since root reads
// and writes past every permission. `skipReason` is set instead when no
// such child can be made. Files the check uses must be reachable by nobody.
inline std::string RunAsNonRoot(const std::function<std::string()>& check, std::string& skipReason) {
  if (::geteuid() != 0) return check();
  const passwd* nobody = ::getpwnam("nobody");
  if (!nobody) {
    skipReason = "there is no user \"nobody\" to drop to";
    return {};
  }
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) {
    skipReason = "no pipe to the child process";
    return {};
  }
  const uid_t uid = nobody->pw_uid;
  const gid_t gid = nobody->pw_gid;
  const pid_t child = ::fork();
  if (child < 0) {
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    skipReason = "no child process";
    return {};
  }
  if (child == 0) {
    ::close(pipeEnds[0]);
    std::string report;
    if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
      report = "the child could not become nobody";
    else
      report = check();
    if (report.empty()) report = "ok";
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], report.data(), report.size());
    ::_exit(0);
  }
  ::close(pipeEnds[1]);
  std::string report;
  char buffer[512];
  for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) report.append(buffer, static_cast<std::size_t>(n));
  ::close(pipeEnds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status)) return "the child process ended abnormally: " + report;
  return report == "ok" ? std::string() : report;
}

}  // namespace qx210::test
