#include "core/editor.h"

#include "core/language.h"
#include "core/codec.h"

namespace qx210 {

Editor::Editor(QObject* parent) : QObject(parent) {}

bool Editor::decode(const QByteArray& image) {
  const bool wasUnlocked = m_state.debugParametersUnlocked;
  if (!DecodeImage(image, m_state, language())) return false;
  Q_EMIT tableChanged();
  Q_EMIT bandChanged();
  Q_EMIT settingsChanged();
  if (wasUnlocked != m_state.debugParametersUnlocked) Q_EMIT debugParametersUnlockedChanged(false);
  return true;
}

QByteArray Editor::encode() const { return EncodeImage(m_state, language()); }

UiLanguage Editor::language() const { return CurrentLanguage(); }

void Editor::setDebugParametersUnlocked(bool unlocked) {
  if (m_state.debugParametersUnlocked == unlocked) return;
  m_state.debugParametersUnlocked = unlocked;
  Q_EMIT debugParametersUnlockedChanged(unlocked);
}

}  // namespace qx210
