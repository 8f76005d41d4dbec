#include "gui/channel_table_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <array>

#include "core/document.h"
#include "core/language.h"
#include "core/lists.h"
#include "core/state_fields.h"
#include "gui/channel_overview_table.h"
#include "gui/colour_contrast.h"

namespace qx210 {

namespace {

constexpr std::array<const char*, kColumnCount> kCaptions{
    QT_TRANSLATE_NOOP("qx210::ChannelTableModel", "CH"),
    QT_TRANSLATE_NOOP("qx210::ChannelTableModel", "RX frequency"),
    QT_TRANSLATE_NOOP("qx210::ChannelTableModel", "QT/DQT"),
    QT_TRANSLATE_NOOP("qx210::ChannelTableModel", "TX frequency"),
    QT_TRANSLATE_NOOP("qx210::ChannelTableModel", "QT/DQT"),
    QT_TRANSLATE_NOOP("qx210::ChannelTableModel", "Power"),
    QT_TRANSLATE_NOOP("qx210::ChannelTableModel", "BCLO"),
    QT_TRANSLATE_NOOP("qx210::ChannelTableModel", "W/N"),
    QT_TRANSLATE_NOOP("qx210::ChannelTableModel", "Scan Add"),
};

constexpr std::array<int, kColumnCount> kWidthTwips{500, 1330, 1000, 1330, 1000, 800, 850, 1000, 900};
constexpr int kTwipsPerPixel = 15;

// Even channels have a light blue background (0xFFC0C0 as blue-green-red).
const QColor kEvenRowColour(0xC0, 0xC0, 0xFF);

}  // namespace

ChannelTableModel::ChannelTableModel(Document& document, QObject* parent)
    : QAbstractTableModel(parent), m_document(document) {}

int ChannelTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kChannelCount; }

int ChannelTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int channel = index.row() + 1;
  switch (role) {
    case Qt::DisplayRole:
      return cellText(m_document.state().channel(channel), channel, index.column(), CurrentLanguage());
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
      if (m_evenRowColoured && channel % 2 == 0) return QBrush(kEvenRowColour);
      return {};
    default: break;
  }
  // A split channel's TX cell is marked, and tells its offset from RX.
  if (index.column() != kColTxFreq) return {};
  const QString offset = splitOffsetText(m_document.state().channel(channel));
  if (offset.isEmpty()) return {};
  switch (role) {
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: return offset;
    case Qt::ForegroundRole: {
      // The palette's link colour, unless it is unreadable on the row (the
      // default dark blue under a dark palette); the bold type still marks it.
      const QPalette palette = QGuiApplication::palette();
      const bool even = channel % 2 == 0;
      const QColor row = m_evenRowColoured && even ? kEvenRowColour
                                                   : palette.color(even ? QPalette::AlternateBase : QPalette::Base);
      const QColor link = palette.color(QPalette::Link);
      return QBrush(ContrastRatio(link, row) >= kReadableContrast ? link : palette.color(QPalette::Text));
    }
    case Qt::FontRole: {
      QFont font;
      font.setBold(true);
      return font;
    }
    default: return {};
  }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) return {};
  if (role == Qt::DisplayRole) return columnCaption(section);
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
  return {};
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  if (index.column() == kColChannel) return Qt::ItemIsEnabled;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QString ChannelTableModel::columnCaption(int column) {
  return tr(kCaptions.at(static_cast<std::size_t>(column)));
}

QString ChannelTableModel::cellText(const Channel& channel, int number, int column, UiLanguage language) {
  if (column == kColChannel) return ChannelNumberText(number);
  // A channel without a TX frequency shows no TX tone unless it has one.
  if (IsToneColumn(column) && FrequencyOf(channel, column).isEmpty() && ToneOf(channel, column).isOff()) return {};
  return ChannelFieldText(channel, column, language);
}

QString ChannelTableModel::splitOffsetText(const Channel& channel) {
  const std::optional<qint64> rx = channel.rx.tenHertz();
  const std::optional<qint64> tx = channel.tx.tenHertz();
  if (!rx || !tx || *rx == *tx) return {};
  const qint64 offset = *tx - *rx;
  const qint64 size = offset < 0 ? -offset : offset;
  return QStringLiteral("%1%2.%3 MHz")
      .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
      .arg(size / 100'000)
      .arg(size % 100'000, 5, 10, QLatin1Char('0'));
}

int ChannelTableModel::columnWidth(int column) {
  const int twips = kWidthTwips.at(static_cast<std::size_t>(column));
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

QColor ChannelTableModel::evenRowColour() { return kEvenRowColour; }

void ChannelTableModel::setEvenRowColoured(bool coloured) {
  if (coloured == m_evenRowColoured) return;
  m_evenRowColoured = coloured;
  Q_EMIT dataChanged(index(0, 0), index(kChannelCount - 1, kColumnCount - 1), {Qt::BackgroundRole});
}

void ChannelTableModel::refresh(quint16 channels) {
  for (int row = 0; row < kChannelCount; ++row)
    if ((channels >> row) & 1) Q_EMIT dataChanged(index(row, 1), index(row, kColumnCount - 1), {Qt::DisplayRole});
}

void ChannelTableModel::retranslate() { Q_EMIT headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1); }

}  // namespace qx210
