#include "gui/channel_sheet.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include "core/bands.h"
#include "core/dialog_rules.h"
#include "core/language.h"
#include "core/lists.h"
#include "core/safe_file.h"
#include "gui/channel_table_model.h"

namespace qx210 {

namespace {

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

QString Row(const QStringList& cells, const char* tag) {
  QString row = QStringLiteral("<tr>");
  for (const QString& cell : cells)
    row += QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), Escaped(cell));
  return row + QStringLiteral("</tr>");
}

QString Entry(const QStringList& entries, int position) {
  return position >= 0 && position < entries.size() ? entries.at(position) : QStringLiteral("—");
}

}  // namespace

ChannelSheet::ChannelSheet(const RadioState& state, QString title, QDate date)
    : m_state(state), m_title(std::move(title)), m_date(date) {}

QString ChannelSheet::html() const {
  const UiLanguage language = CurrentLanguage();
  QString html = QStringLiteral(
      "<html><head><meta charset=\"utf-8\"><title>%1</title>"
      "<style>body{font-family:sans-serif;font-size:9pt} h1{font-size:13pt;margin:0 0 4pt 0}"
      " table{border-collapse:collapse} td,th{border:1px solid #888;padding:2pt 5pt;text-align:center}"
      " th{background:#e4e4f4} td.caption{text-align:left}</style></head><body>")
                     .arg(Escaped(m_title));
  html += QStringLiteral("<h1>%1</h1>").arg(Escaped(m_title));
  html += QStringLiteral("<p>%1 &nbsp; &nbsp; %2</p>")
              .arg(Escaped(tr("Band: %1").arg(QString::fromLatin1(BandAt(m_state.band).text))),
                   Escaped(tr("Date: %1").arg(m_date.toString(Qt::ISODate))));

  QStringList header;
  for (int column = 0; column < kColumnCount; ++column) header << ChannelTableModel::columnCaption(column);
  html += QStringLiteral("<table width=\"100%\" cellspacing=\"0\">") + Row(header, "th");
  for (int n = 1; n <= kChannelCount; ++n) {
    QStringList cells;
    for (int column = 0; column < kColumnCount; ++column)
      cells << ChannelTableModel::cellText(m_state.channel(n), n, column, language);
    html += Row(cells, "td");
  }
  html += QStringLiteral("</table>");

  // The settings of the panel as it shows them, the side keys and the message.
  const PanelSettings& panel = m_state.settings.panel;
  const std::pair<QString, QString> settings[] = {
      {tr("Voice Notice:"), Entry(PanelListEntries(kVoiceNotice, language), panel.voiceNotice)},
      {tr("Time-out Timer:"), Entry(PanelListEntries(kTimeoutTimer, language), panel.timeoutTimer)},
      {tr("Squelch Level:"), Entry(PanelListEntries(kSquelchLevel, language), panel.squelchLevel)},
      {tr("Battery Save:"), Entry(PanelListEntries(kBatterySave, language), panel.batterySave)},
      {tr("Beep:"), Entry(PanelListEntries(kBeep, language), panel.beep)},
      {tr("Radio Switch:"), Entry(PanelListEntries(kRadioSwitch, language), panel.radioSwitch)},
      {QStringLiteral("PF1"), Entry(KeyFunctionItems(language), m_state.settings.keys.pf1)},
      {QStringLiteral("PF2"), Entry(KeyFunctionItems(language), m_state.settings.keys.pf2)},
      {tr("Embedded message:"), m_state.settings.message.line1 + QLatin1Char(' ') + m_state.settings.message.line2},
  };
  html += QStringLiteral("<p></p><table cellspacing=\"0\">");
  for (const auto& [caption, value] : settings)
    html += QStringLiteral("<tr><td class=\"caption\">%1</td><td class=\"caption\">%2</td></tr>")
                .arg(Escaped(caption), Escaped(value.trimmed()));
  html += QStringLiteral("</table></body></html>");
  return html;
}

void ChannelSheet::fill(QTextDocument& document) const {
  document.setDocumentMargin(0);
  document.setHtml(html());
}

bool ChannelSheet::write(const QString& path, QString* error) const {
  const bool pdfWanted = QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
  QString reason;
  if (SaveFileAtomically(path, pdfWanted ? pdf() : html().toUtf8(), reason)) return true;
  if (error) *error = reason;
  return false;
}

QByteArray ChannelSheet::pdf() const {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setTitle(m_title);
    writer.setCreator(QStringLiteral("qx210"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter));
    QTextDocument document;
    fill(document);
    document.print(&writer);
  }  // the PDF is complete once the writer is gone
  return bytes;
}

}  // namespace qx210
