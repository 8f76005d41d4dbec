#pragma once

#include "gui/aux_dialog.h"
#include "core/radio_settings.h"

class QLineEdit;
class QPushButton;

namespace qx210 {

// The embedded message dialog: two lines of at most 32 characters, each with
// a one-byte code (U+0001..U+00FE). A typed character without such a code is
// refused; pasted text is cut to 32 characters, and refused as a whole when
// it holds such a character.
//
// Object names follow the original controls: Form7; Text1 line 1, Text2 line 2; Command1 OK, Command2 Cancel.
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

  QLineEdit* m_line1Edit = nullptr;
  QLineEdit* m_line2Edit = nullptr;
  QPushButton* m_okButton = nullptr;
  QPushButton* m_cancelButton = nullptr;
};

}  // namespace qx210
