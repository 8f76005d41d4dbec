#pragma once

#include <QObject>
#include <functional>

namespace qx210 {

class ChannelPlanDialog;
class Document;
class FileChooser;
class ImportPreviewDialog;

// The channel-list commands of the File menu: new channels from a channel
// plan, import and export of channel lists (CSV), the channel sheet (HTML or
// PDF) and printing it. An import is shown as a preview first and taken over
// as one undo step.
class ChannelListCommands : public QObject {
  Q_OBJECT
 public:
  ChannelListCommands(Document& document, FileChooser& chooser, QWidget* parent);

  // Rows that the list does not place by Location fill channels from `startChannel`.
  void importChannels(int startChannel = 1);
  // Reads `path`; true when the import was taken over.
  bool importPath(const QString& path, int startChannel = 1);
  // File > New from channel plan: the chosen plan's channels replace all 16,
  // as one undo step. `maySetAside` asks about unsaved changes before that.
  bool newFromPlan(const std::function<bool()>& maySetAside = {});
  void exportChannels();
  void exportSheet();
  // Whether this build can print (Qt's print support was found).
  static bool canPrint();
  void print();

  // Test seam: decides the preview instead of the user (true = Import).
  using PreviewAnswer = std::function<bool(ImportPreviewDialog& preview)>;
  void setPreviewAnswer(PreviewAnswer answer) { m_previewAnswer = std::move(answer); }
  // Test seam: decides the plan dialog instead of the user (true = OK).
  using PlanAnswer = std::function<bool(ChannelPlanDialog& dialog)>;
  void setPlanAnswer(PlanAnswer answer) { m_planAnswer = std::move(answer); }
  // Where plans are looked for (tests use folders of their own).
  void setPlanFolders(const QString& stock, const QString& user);

 private:
  QString sheetTitle() const;

  Document& m_document;
  FileChooser& m_chooser;
  QWidget* m_parent;
  PreviewAnswer m_previewAnswer;
  PlanAnswer m_planAnswer;
  QString m_stockPlans;
  QString m_userPlans;
};

}  // namespace qx210
