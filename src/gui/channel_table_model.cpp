#include "gui/channel_table_model.h"

#include <QBrush>
#include <QColor>
#include <array>

#include "core/editor.h"

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

ChannelTableModel::ChannelTableModel(Editor& editor, QObject* parent)
    : QAbstractTableModel(parent), m_editor(editor) {}

int ChannelTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kChannelCount; }

int ChannelTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int channel = index.row() + 1;
  switch (role) {
    case Qt::DisplayRole: return m_editor.state().table.cell(channel, index.column());
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
      if (channel % 2 == 0) return QBrush(kEvenRowColour);
      return {};
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

int ChannelTableModel::columnWidth(int column) {
  const int twips = kWidthTwips.at(static_cast<std::size_t>(column));
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

void ChannelTableModel::refresh() {
  Q_EMIT dataChanged(index(0, 0), index(kChannelCount - 1, kColumnCount - 1), {Qt::DisplayRole});
}

void ChannelTableModel::retranslate() { Q_EMIT headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1); }

}  // namespace qx210
