#pragma once

#include <QGroupBox>
#include <QLabel>
#include <array>

class QComboBox;

namespace qx210 {

class Editor;

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

// Frame1 ("Model"): the band list Combo1 and its caption Label3. A user's
// pick of another band asks first, because the channels are cleared.
class ModelFrame : public QGroupBox {
  Q_OBJECT
 public:
  explicit ModelFrame(Editor& editor, QWidget* parent = nullptr);

  QComboBox* bandList() const { return m_combo1; }

 protected:

 private:
  void retranslate();
  void bandSelected(int position);
  void showBand();

  Editor& m_editor;
  QLabel* m_label3 = nullptr;
  QComboBox* m_combo1 = nullptr;
};

// Frame2 ("Functions Setting"): the seven lists of radio-wide settings; the
// TOT Pre-Alert caption and list are never shown but keep their value.
class SettingsPanel : public QGroupBox {
  Q_OBJECT
 public:
  explicit SettingsPanel(Editor& editor, QWidget* parent = nullptr);

  // The band-override gesture captions, in gesture order: Voice Notice,
  // Battery Save, Radio Switch.
  static constexpr std::array<const char*, 3> kGestureCaptions{"Label4", "Label7", "Label9"};

 Q_SIGNALS:
  void gestureCaptionClicked(int k);

 protected:

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

  Editor& m_editor;
  std::array<Row, 7> m_rows{};
  bool m_showing = false;
};

}  // namespace qx210
