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
class QToolButton;

namespace qx210 {

class SerialLink;

// The port window (FormCOM): 20 option buttons OptionCOM0..OptionCOM19 ("COM1".."COM20"),
// each with the device it stands for beside it (path, description and USB
// identifiers where the system knows them, and whether it is the selected
// one), a Remove button beside each of the user's own devices, and an
// "Other device…" button for any paths. Building the window runs the port
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
  QToolButton* removeButton(int index) const { return m_removes.value(index); }
  QPushButton* otherDeviceButton() const { return m_otherDevice; }

  // Where "Other device…" stores the user's devices; the per-user settings
  // unless set.
  void setSettingsFactory(std::function<std::unique_ptr<QSettings>()> factory) { m_settings = std::move(factory); }

  // "Other device…": `entry` names one or more devices, separated by
  // spaces; "~" stands for the home folder and a pattern such as
  // /dev/ttyUSB* for every device it matches. Each device goes into a slot
  // of its own and is stored for later runs; the first is opened at once as
  // the chosen port. False (after saying why) when a named path does not
  // exist (nothing is added then) or the first device cannot be opened now
  // (it stays in its slot).
  bool chooseOtherDevice(const QString& entry);
  // The device paths `entry` names; those that do not exist go to `missing`.
  static QStringList devicePaths(const QString& entry, QStringList& missing);
  // Takes the user's own device out of slot index + 1, here and in the
  // stored settings.
  void removeDevice(int index);

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
  QList<QToolButton*> m_removes;
  QPushButton* m_otherDevice = nullptr;
  QTimer m_rescan;
  std::function<std::unique_ptr<QSettings>()> m_settings;
};

}  // namespace qx210
