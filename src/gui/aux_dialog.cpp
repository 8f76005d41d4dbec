#include "gui/aux_dialog.h"

#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QKeyEvent>
#include <QSignalBlocker>

#include "core/dialog_rules.h"
#include "core/language.h"

namespace qx210 {

AuxDialog::AuxDialog() : QDialog(nullptr) {
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setModal(false);
  // Every switch of UiLanguage is announced here, after the catalogues have
  // been exchanged, so tr() captions and table-built lists follow together.
  connect(&LanguageNotifier::instance(), &LanguageNotifier::languageChanged, this, [this] { retranslate(); });
}

void AuxDialog::present() {
  show();
  raise();
  activateWindow();
}

void AuxDialog::connectButtons(QPushButton* ok, QPushButton* cancel, std::function<void()> handOut) {
  connect(ok, &QPushButton::clicked, this, [this, handOut = std::move(handOut)] {
    handOut();
    accept();
  });
  if (cancel) connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QWidget* button : buttons) row->addWidget(button);
  return row;
}

void SetComboItems(QComboBox* combo, const QStringList& items) {
  const QSignalBlocker blocker(combo);
  const int position = combo->currentIndex();
  if (combo->count() == items.size()) {
    for (int i = 0; i < items.size(); ++i) combo->setItemText(i, items.at(i));
  } else {
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(position < items.size() ? position : -1);
  }
}

void FitComboToItems(QComboBox* combo) {
  constexpr int kMargin = 12;
  combo->setMinimumWidth(0);
  combo->setMinimumWidth(combo->sizeHint().width() + kMargin);
}

void SelectPosition(QComboBox* combo, int position) {
  combo->setCurrentIndex(position >= 0 && position < combo->count() ? position : -1);
}

CodeLineEdit::CodeLineEdit(int maxLength, QWidget* parent) : QLineEdit(parent), m_limit(maxLength) {
  setAcceptDrops(false);
}

void CodeLineEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    const int room = hasSelectedText() ? static_cast<int>(text().size() - selectedText().size())
                                       : static_cast<int>(text().size());
    insert(FilterCodeText(QGuiApplication::clipboard()->text(), room, m_limit));
    event->accept();
    return;
  }
  const QString typed = event->text();
  // Keys without a printable character (backspace, arrows, Enter, shortcuts)
  // keep their usual meaning.
  if (typed.size() == 1 && typed.at(0).isPrint()) {
    if (const auto c = FilterCodeKey(typed.at(0), static_cast<int>(text().size()), hasSelectedText(), m_limit))
      insert(QString(*c));
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace qx210
