#pragma once

#include <QByteArray>
#include <QObject>

#include "core/editor_state.h"

namespace qx210 {

// The editor's data as the windows share it: the state the memory image is
// decoded into and encoded from, with change signals so that every view
// (channel table, panel, open dialogs) shows what it holds.
class Editor : public QObject {
  Q_OBJECT
 public:
  explicit Editor(QObject* parent = nullptr);

  EditorState& state() { return m_state; }
  const EditorState& state() const { return m_state; }
  ChannelTable& table() { return m_state.table; }
  RadioSettings& settings() { return m_state.settings; }

  // The language that new cell texts are written in: the program's UiLanguage.
  UiLanguage language() const;

  // Decodes an image into the state; false (state untouched) for a short image.
  bool decode(const QByteArray& image);
  QByteArray encode() const;

  void setDebugParametersUnlocked(bool unlocked);
  bool debugParametersUnlocked() const { return m_state.debugParametersUnlocked; }

  // Announce changes made through state().
  void notifyTableChanged() { Q_EMIT tableChanged(); }
  void notifyBandChanged() { Q_EMIT bandChanged(); }
  void notifySettingsChanged() { Q_EMIT settingsChanged(); }

 Q_SIGNALS:
  void tableChanged();
  void bandChanged();
  void settingsChanged();  // RadioSettings, including the panel
  void debugParametersUnlockedChanged(bool unlocked);

 private:
  EditorState m_state;
};

}  // namespace qx210
