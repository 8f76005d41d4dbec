#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <array>

namespace qx210 {

class Document;

// A list of the panel: a mouse wheel turns it only while it has the keyboard
// focus, so scrolling over the window cannot change a setting (or offer to
// clear every channel) by accident.
class PanelComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit PanelComboBox(QWidget* parent = nullptr);

 protected:
  void wheelEvent(QWheelEvent* event) override;
};

// A caption that reports clicks: the gesture captions of the band override.
class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickableLabel(QWidget* parent = nullptr) : QLabel(parent) {}

 Q_SIGNALS:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// The model frame: the band list and its caption. A user's pick of another
// band asks first, because the channels are cleared.
//
// Object names follow the original controls: Frame1, Combo1 the band list, Label3 its caption.
class ModelFrame : public QGroupBox {
  Q_OBJECT
 public:
  explicit ModelFrame(Document& document, QWidget* parent = nullptr);

  QComboBox* bandList() const { return m_bandList; }
  // At least the frame's size at the usual font.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 Q_SIGNALS:
  // Asked before the band question, so an open edit is not lost.
  void aboutToChangeBand();

 private:
  void retranslate();
  void bandSelected(int position);
  void showBand();

  Document& m_document;
  QLabel* m_bandCaption = nullptr;
  QComboBox* m_bandList = nullptr;
};

// The function settings frame: the seven lists of radio-wide settings; the
// TOT Pre-Alert caption and list are never shown but keep their value.
//
// Object names follow the original controls: Frame2; Combo2 Voice Notice, Combo3 Time-out Timer, Combo9 Squelch Level, Combo6 Battery Save, Combo7 Beep, Combo10 Radio Switch, Combo4 TOT Pre-Alert, with captions Label4, Label5, Label6, Label7, Label8, Label9, Label1.
class SettingsPanel : public QGroupBox {
  Q_OBJECT
 public:
  explicit SettingsPanel(Document& document, QWidget* parent = nullptr);

  // The band-override gesture captions, in gesture order: Voice Notice,
  // Battery Save, Radio Switch.
  static constexpr std::array<const char*, 3> kGestureCaptions{"Label4", "Label7", "Label9"};

  // At least the frame's size at the usual font.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 Q_SIGNALS:
  void gestureCaptionClicked(int k);

 private:
  struct Row {
    int list;  // PanelList
    QLabel* label;
    QComboBox* combo;
  };
  void retranslate();
  void refillLists();
  void showSettings();
  void store(int list, int position);

  Document& m_document;
  std::array<Row, 7> m_rows{};
  bool m_showing = false;
};

}  // namespace qx210
