#pragma once

#include "gui/aux_dialog.h"
#include "core/radio_settings.h"

class QLineEdit;
class QPushButton;

namespace qx210 {

// Form7, embedded message: two lines (Text1, Text2) of at most 32 characters,
// each with a one-byte code (U+0001..U+00FE). A typed character without such
// a code is refused; pasted text is cut to 32 characters, and refused as a
// whole when it holds such a character.
class EmbeddedMessageDialog : public AuxDialog {
  Q_OBJECT
 public:
  EmbeddedMessageDialog();

  void setValues(const EmbeddedMessage& values);
  // A line the boxes could not show in full (longer than 32 characters) is
  // kept unless it was edited.
  EmbeddedMessage values() const;

 Q_SIGNALS:
  void valuesAccepted(const qx210::EmbeddedMessage& values);

 protected:
  void retranslate() override;

 private:
  EmbeddedMessage m_loaded;
  EmbeddedMessage m_shown;  // the texts the boxes showed after loading

  QLineEdit* m_text1 = nullptr;
  QLineEdit* m_text2 = nullptr;
  QPushButton* m_command1 = nullptr;
  QPushButton* m_command2 = nullptr;
};

}  // namespace qx210
