#pragma once

#include <QString>

// A symbolic link at a fixed path to a pseudo-terminal whose own path changes
// on every start, so that a saved port setting keeps working.
namespace qx210::sim {

class PtyLink {
 public:
  PtyLink() = default;
  ~PtyLink() { remove(); }
  PtyLink(const PtyLink&) = delete;
  PtyLink& operator=(const PtyLink&) = delete;

  // Makes `linkPath` point to `target`. A symbolic link already there (left by
  // an emulator that was killed) is replaced; anything else at that path is
  // left alone and the call fails with `error` set.
  bool create(const QString& linkPath, const QString& target, QString* error = nullptr);
  // Removes the link, unless it has meanwhile been pointed elsewhere.
  void remove();

  QString path() const { return m_path; }

 private:
  QString m_path;
  QString m_target;
};

}  // namespace qx210::sim
