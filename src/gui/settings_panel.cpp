#include "gui/settings_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QWheelEvent>

#include "core/band_selection.h"
#include "core/document.h"
#include "core/language.h"
#include "core/lists.h"
#include "gui/message_box.h"

namespace qx210 {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int Px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

// The frames' sizes at the usual font; larger fonts make them larger.
constexpr QSize kModelFrameSize(Px(3060), Px(1080));
constexpr QSize kSettingsFrameSize(Px(3060), Px(3360));
// Inside the frames: captions from the left edge, lists beside them, and the
// lists of the settings frame one below the other every 480 twips.
constexpr int kCaptionLeft = Px(45);
constexpr int kRowPitch = Px(480);

template <typename Panel>
auto& PanelValue(Panel& panel, int list) {
  switch (list) {
    case kVoiceNotice: return panel.voiceNotice;
    case kTimeoutTimer: return panel.timeoutTimer;
    case kSquelchLevel: return panel.squelchLevel;
    case kBatterySave: return panel.batterySave;
    case kBeep: return panel.beep;
    case kRadioSwitch: return panel.radioSwitch;
    default: return panel.totPreAlert;
  }
}

struct PanelRowSpec {
  PanelList list;
  const char* label;
  const char* combo;
  const char* caption;
};

// Top to bottom as the frame shows them; TOT Pre-Alert last and hidden.
constexpr std::array<PanelRowSpec, 7> kPanelRows{{
    {kVoiceNotice, "Label4", "Combo2", QT_TRANSLATE_NOOP("qx210::SettingsPanel", "Voice Notice:")},
    {kTimeoutTimer, "Label5", "Combo3", QT_TRANSLATE_NOOP("qx210::SettingsPanel", "Time-out Timer:")},
    {kSquelchLevel, "Label6", "Combo9", QT_TRANSLATE_NOOP("qx210::SettingsPanel", "Squelch Level:")},
    {kBatterySave, "Label7", "Combo6", QT_TRANSLATE_NOOP("qx210::SettingsPanel", "Battery Save:")},
    {kBeep, "Label8", "Combo7", QT_TRANSLATE_NOOP("qx210::SettingsPanel", "Beep:")},
    {kRadioSwitch, "Label9", "Combo10", QT_TRANSLATE_NOOP("qx210::SettingsPanel", "Radio Switch:")},
    {kTotPreAlert, "Label1", "Combo4", QT_TRANSLATE_NOOP("qx210::SettingsPanel", "TOT Pre-Alert:")},
}};

}  // namespace

PanelComboBox::PanelComboBox(QWidget* parent) : QComboBox(parent) { setFocusPolicy(Qt::StrongFocus); }

void PanelComboBox::wheelEvent(QWheelEvent* event) {
  if (hasFocus())
    QComboBox::wheelEvent(event);
  else
    event->ignore();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Q_EMIT clicked();
}

ModelFrame::ModelFrame(Document& document, QWidget* parent) : QGroupBox(parent), m_document(document) {
  setObjectName(QStringLiteral("Frame1"));
  m_bandCaption = new QLabel(this);
  m_bandCaption->setObjectName(QStringLiteral("Label3"));
  m_bandList = new PanelComboBox(this);
  m_bandList->setObjectName(QStringLiteral("Combo1"));
  m_bandList->addItems(BandTexts());
  m_bandList->setMinimumWidth(Px(1755));
  m_bandCaption->setBuddy(m_bandList);
  auto* layout = new QHBoxLayout(this);
  // The frame's own size hints set its least size, not the layout.
  layout->setSizeConstraint(QLayout::SetNoConstraint);
  // The frame's own border is about as wide as the captions' distance from it.
  layout->setContentsMargins(Px(75), 0, Px(3060 - 1200 - 1755) - kCaptionLeft, 0);
  layout->setSpacing(Px(1200 - 75 - 1100));
  layout->addWidget(m_bandCaption, 1);
  layout->addWidget(m_bandList);
  showBand();
  connect(m_bandList, &QComboBox::currentIndexChanged, this, &ModelFrame::bandSelected);
  connect(&m_document, &Document::changed, this, [this](const Changes& changes) {
    if (changes.band) showBand();
  });
  connect(&LanguageNotifier::instance(), &LanguageNotifier::languageChanged, this, &ModelFrame::retranslate);
  retranslate();
}

QSize ModelFrame::sizeHint() const { return QGroupBox::sizeHint().expandedTo(kModelFrameSize); }
QSize ModelFrame::minimumSizeHint() const { return QGroupBox::minimumSizeHint().expandedTo(kModelFrameSize); }

void ModelFrame::retranslate() {
  setTitle(tr("Model"));
  m_bandCaption->setText(tr("Range"));
}


void ModelFrame::showBand() {
  const QSignalBlocker blocker(m_bandList);
  m_bandList->setCurrentIndex(m_document.state().band);
}

void ModelFrame::bandSelected(int position) {
  if (position == m_document.state().band || !IsBandPosition(position)) return;
  Q_EMIT aboutToChangeBand();
  const UiLanguage language = CurrentLanguage();
  const int answer = ShowLocalizedMessage(kBandChangeQuestion.text(language),
                                          MessageStyle::kOkCancel | MessageStyle::kIconQuestion |
                                              MessageStyle::kDefaultButton2 | MessageStyle::kSystemModal,
                                          kBandChangeTitle.text(language));
  if (answer == MessageResult::kOk) {
    m_document.apply(WithConfirmedBand(m_document.state(), position), EditKind::Band);
    return;
  }
  showBand();
}

SettingsPanel::SettingsPanel(Document& document, QWidget* parent) : QGroupBox(parent), m_document(document) {
  setObjectName(QStringLiteral("Frame2"));
  auto* layout = new QGridLayout(this);
  layout->setSizeConstraint(QLayout::SetNoConstraint);
  layout->setContentsMargins(0, 0, Px(3060 - 1680 - 1335) - kCaptionLeft, 0);
  layout->setHorizontalSpacing(Px(1680 - 1560) - kCaptionLeft);
  layout->setVerticalSpacing(0);
  layout->setColumnMinimumWidth(0, Px(1560));
  for (std::size_t i = 0; i < kPanelRows.size(); ++i) {
    const PanelRowSpec& row = kPanelRows[i];
    auto* label = new ClickableLabel(this);
    label->setObjectName(QString::fromLatin1(row.label));
    auto* combo = new PanelComboBox(this);
    combo->setObjectName(QString::fromLatin1(row.combo));
    combo->setMinimumWidth(Px(1335));
    label->setBuddy(combo);
    const int line = static_cast<int>(i);
    layout->addWidget(label, line, 0);
    layout->addWidget(combo, line, 1);
    m_rows[i] = {row.list, label, combo};
    if (row.list == kTotPreAlert) {
      label->hide();
      combo->hide();
    } else {
      layout->setRowMinimumHeight(line, kRowPitch);
    }
    connect(combo, &QComboBox::currentIndexChanged, this, [this, list = row.list](int position) {
      store(list, position);
    });
    for (std::size_t k = 0; k < kGestureCaptions.size(); ++k)
      if (qstrcmp(row.label, kGestureCaptions[k]) == 0)
        connect(label, &ClickableLabel::clicked, this, [this, k] { Q_EMIT gestureCaptionClicked(static_cast<int>(k)); });
  }
  // What the frame has beyond its rows stays below them.
  layout->setRowStretch(static_cast<int>(kPanelRows.size()), 1);
  refillLists();
  showSettings();
  retranslate();
  connect(&m_document, &Document::changed, this, [this](const Changes& changes) {
    if (changes.panel) showSettings();
  });
  connect(&LanguageNotifier::instance(), &LanguageNotifier::languageChanged, this, [this] {
    retranslate();
    refillLists();
  });
}

QSize SettingsPanel::sizeHint() const { return QGroupBox::sizeHint().expandedTo(kSettingsFrameSize); }
QSize SettingsPanel::minimumSizeHint() const { return QGroupBox::minimumSizeHint().expandedTo(kSettingsFrameSize); }

void SettingsPanel::retranslate() {
  setTitle(tr("Functions Setting"));
  for (std::size_t i = 0; i < kPanelRows.size(); ++i) m_rows[i].label->setText(tr(kPanelRows[i].caption));
}


// Entries are rewritten in place, so each list keeps its position.
void SettingsPanel::refillLists() {
  const UiLanguage language = CurrentLanguage();
  m_showing = true;
  for (const Row& row : m_rows) {
    const QStringList entries = PanelListEntries(static_cast<PanelList>(row.list), language);
    for (int i = 0; i < entries.size(); ++i) {
      if (i < row.combo->count())
        row.combo->setItemText(i, entries.at(i));
      else
        row.combo->addItem(entries.at(i));
    }
  }
  m_showing = false;
}

void SettingsPanel::showSettings() {
  m_showing = true;
  const PanelSettings& panel = m_document.state().settings.panel;
  for (const Row& row : m_rows) row.combo->setCurrentIndex(PanelValue(panel, row.list));
  m_showing = false;
}

void SettingsPanel::store(int list, int position) {
  if (m_showing) return;
  RadioState next = m_document.state();
  PanelValue(next.settings.panel, list) = position;
  m_document.apply(next, EditKind::Panel);
}

}  // namespace qx210
