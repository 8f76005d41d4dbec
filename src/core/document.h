#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include "core/radio_state.h"

namespace qx210 {

// What kind of change an edit of the document is, for the texts of undo steps.
enum class EditKind {
  Channel,            // one cell of the channel table
  Channels,           // several channels at once (deleted, moved, pasted)
  NewChannels,        // File > New
  Band,               // another band, its cleared channels with it
  Panel,              // a list of the function settings panel
  OptionalFunctions,  // a dialog's OK
  KeyAssignment,
  EmbeddedMessage,
  DebugParameters,
  TestFrequencies,
  OpenFile,           // an image taken from a data file
  ReadRadio,          // an image read from a radio
  Import,             // channels imported from a channel list
};

// One change of the document: the state before and after, and what differs.
struct Edit {
  EditKind kind = EditKind::Channel;
  RadioState before;
  RadioState after;
  Changes changes;
};

// The document: the radio state being edited, the file it belongs to, and
// whether it has changed since it was last saved or loaded. Every change goes
// through apply(), which announces what changed (changed) and the edit as a
// whole (edited), so that every view follows and an undo history can record
// it. restore() puts a recorded state back without recording a new edit.
// While an exchange with a radio runs, the document takes no change but the
// exchange's own read: the radio would otherwise get one image while the
// window shows another.
class Document : public QObject {
  Q_OBJECT
 public:
  explicit Document(QObject* parent = nullptr);

  const RadioState& state() const { return m_state; }

  // Replaces the state with `next` as one edit of `kind`. Returns false, and
  // announces nothing, when `next` equals the current state or an exchange
  // runs (unless the edit is the exchange's read).
  bool apply(const RadioState& next, EditKind kind);
  // Decodes a memory image over the current state as one edit (a file opened
  // or a radio read). After a read, `radioBand` is the band the radio
  // reported. The debug parameters are locked again. False, and nothing
  // changes, when the image is too short or an exchange runs (but for its
  // own read).
  bool loadImage(const QByteArray& image, EditKind kind, int radioBand = -1);
  // Puts `state` back (undo and redo); announced by changed() only. False,
  // and nothing changes, while an exchange runs.
  bool restore(const RadioState& state);
  // The memory image of the current state.
  QByteArray image() const;

  QString filePath() const { return m_filePath; }
  void setFilePath(const QString& path);
  bool isModified() const { return m_modified; }
  void setModified(bool modified);

  // Set by the debug-parameter unlock gesture: a write then also sends the
  // transmitter power calibration block. Not part of the radio state.
  bool debugParametersUnlocked() const { return m_debugParametersUnlocked; }
  void setDebugParametersUnlocked(bool unlocked);

  // An exchange with a radio runs: every change but its read waits.
  bool exchangeRunning() const { return m_exchangeRunning; }
  void setExchangeRunning(bool running);
  // Whether an edit of `kind` is taken now.
  bool takesEdit(EditKind kind) const { return !m_exchangeRunning || kind == EditKind::ReadRadio; }

 Q_SIGNALS:
  void changed(const qx210::Changes& changes);
  void edited(const qx210::Edit& edit);
  // A whole image was loaded (views drop what they were editing).
  void imageLoaded(qx210::EditKind kind);
  void filePathChanged(const QString& path);
  void modifiedChanged(bool modified);
  void debugParametersUnlockedChanged(bool unlocked);
  void exchangeRunningChanged(bool running);

 private:
  void replace(const RadioState& next, const Changes& changes);

  RadioState m_state;
  QString m_filePath;
  bool m_modified = false;
  bool m_debugParametersUnlocked = false;
  bool m_exchangeRunning = false;
};

}  // namespace qx210
