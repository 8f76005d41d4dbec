#pragma once

#include <QDialog>
#include <QList>
#include <QTimer>
#include <functional>
#include <memory>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QSettings;

namespace qx210 {

class SerialLink;

// The port window (FormCOM): 20 option buttons OptionCOM0..OptionCOM19 ("COM1".."COM20"),
// each with the device it stands for beside it (path, description and USB
// identifiers where the system knows them, and whether it is in use), and an
// "Other device…" button for any path. Building the window runs the port
// scan unless the program's start-up has run it; while it is shown it looks
// for adapters that come and go. Closing it only hides it.
class PortWindow : public QDialog {
  Q_OBJECT
 public:
  // How often the shown window looks for new and removed adapters.
  static constexpr int kRescanIntervalMs = 1000;

  explicit PortWindow(SerialLink& link, QWidget* parent = nullptr);
  ~PortWindow() override;

  QRadioButton* option(int index) const { return m_options.value(index); }
  QLabel* deviceLabel(int index) const { return m_devices.value(index); }
  QPushButton* otherDeviceButton() const { return m_otherDevice; }

  // Where "Other device…" stores the user's devices; the per-user settings
  // unless set.
  void setSettingsFactory(std::function<std::unique_ptr<QSettings>()> factory) { m_settings = std::move(factory); }

  // "Other device…": puts `path` into a slot, stores it for later runs and
  // opens it at once as the chosen port. False (after saying why) when it
  // cannot be opened now; it stays in its slot for when it appears.
  bool chooseOtherDevice(const QString& path);

  // The hint shown for a port the user may not open.
  static QString permissionHint();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void choosePort(int index);
  void askForOtherDevice();
  void rescan();
  void showAvailability();
  void retranslate();

  SerialLink& m_link;
  QButtonGroup* m_group = nullptr;
  QList<QRadioButton*> m_options;
  QList<QLabel*> m_devices;
  QPushButton* m_otherDevice = nullptr;
  QTimer m_rescan;
  std::function<std::unique_ptr<QSettings>()> m_settings;
};

}  // namespace qx210
