#include "core/document.h"

#include "core/band_selection.h"
#include "core/codec.h"

namespace qx210 {

Document::Document(QObject* parent) : QObject(parent) {
  qRegisterMetaType<Changes>();
}

void Document::replace(const RadioState& next, const Changes& changes) {
  m_state = next;
  Q_EMIT changed(changes);
}

bool Document::apply(const RadioState& next, EditKind kind) {
  if (!takesEdit(kind)) return false;
  const Changes changes = Changes::between(m_state, next);
  if (!changes.any()) return false;
  Edit edit{kind, m_state, next, changes};
  replace(next, changes);
  setModified(true);
  Q_EMIT edited(edit);
  return true;
}

bool Document::loadImage(const QByteArray& image, EditKind kind, int radioBand) {
  if (!takesEdit(kind)) return false;
  RadioState next = m_state;
  if (!DecodeImage(image, next)) return false;
  if (kind == EditKind::ReadRadio) TakeReportedBand(next, radioBand);
  // After an image has been taken in, the calibration block is not written
  // back until the unlock gesture is made again.
  setDebugParametersUnlocked(false);
  apply(next, kind);
  Q_EMIT imageLoaded(kind);
  return true;
}

bool Document::restore(const RadioState& state) {
  if (m_exchangeRunning) return false;
  const Changes changes = Changes::between(m_state, state);
  if (changes.any()) replace(state, changes);
  return true;
}

QByteArray Document::image() const { return EncodeImage(m_state); }

void Document::setFilePath(const QString& path) {
  if (m_filePath == path) return;
  m_filePath = path;
  Q_EMIT filePathChanged(path);
}

void Document::setModified(bool modified) {
  if (m_modified == modified) return;
  m_modified = modified;
  Q_EMIT modifiedChanged(modified);
}

void Document::setDebugParametersUnlocked(bool unlocked) {
  if (m_debugParametersUnlocked == unlocked) return;
  m_debugParametersUnlocked = unlocked;
  Q_EMIT debugParametersUnlockedChanged(unlocked);
}

void Document::setExchangeRunning(bool running) {
  if (m_exchangeRunning == running) return;
  m_exchangeRunning = running;
  Q_EMIT exchangeRunningChanged(running);
}

}  // namespace qx210
