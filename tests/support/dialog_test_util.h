#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QLineEdit>
#include <QSlider>
#include <QStringList>
#include <QTableWidget>
#include <QTest>
#include <QWidget>
#include <memory>

#include "core/document.h"
#include "core/language.h"
#include "gui/dialog_set.h"
#include "gui/message_box.h"

namespace qx210::testing {

// A child by objectName; a miss fails the test and lists what was there.
template <typename T>
T* Child(QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  if (!child) {
    QStringList names;
    for (QObject* o : parent.findChildren<QObject*>())
      if (!o->objectName().isEmpty()) names << o->objectName();
    ADD_FAILURE() << parent.objectName().toStdString() << " has no " << name << " of that type; children: "
                  << names.join(QStringLiteral(", ")).toStdString();
  }
  return child;
}

// Edits a cell of a dialog's grid as the user does: opens its editor, types
// `text` over what it shows and presses Enter. False when the cell opens no
// editor.
inline bool EditCell(QTableWidget* grid, int row, int column, const QString& text) {
  const QModelIndex index = grid->model()->index(row, column);
  grid->setCurrentIndex(index);
  grid->edit(index);
  auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(index));
  if (!editor) return false;
  editor->selectAll();
  if (text.isEmpty())
    QTest::keyClick(editor, Qt::Key_Backspace);
  else
    QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  // The grid commits the edit and closes the editor through a queued call.
  return QTest::qWaitFor([&] { return !grid->indexWidget(index); }, 2000);
}

// Moves a slider to `value` with the arrow keys, as the user does.
inline void MoveSlider(QSlider* slider, int value) {
  for (int guard = 0; slider->value() != value && guard < 1000; ++guard)
    QTest::keyClick(slider, slider->value() < value ? Qt::Key_Right : Qt::Key_Left);
}

// Installs the language and delivers the LanguageChange events Qt posts.
inline void SwitchLanguage(UiLanguage language) {
  SetLanguage(language);
  for (int i = 0; i < 3; ++i) QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

struct ShownMessage {
  QString text;
  QString title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// A document with its dialogs; message boxes are recorded and answered OK.
class DialogFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    SwitchLanguage(kEnglish);
    SetMessageBoxHook([this](QMessageBox& box) {
      m_messages.push_back({box.text(), box.windowTitle(), box.icon()});
      return MessageResult::kOk;
    });
    m_document = std::make_unique<Document>();
    m_dialogs = std::make_unique<DialogSet>(*m_document);
  }
  void TearDown() override {
    m_dialogs.reset();
    m_document.reset();
    SetMessageBoxHook({});
    SwitchLanguage(kEnglish);
  }

  const RadioSettings& settings() const { return m_document->state().settings; }
  // The document holds `held` from now on, as after an edit elsewhere.
  void hold(const RadioSettings& held) {
    RadioState next = m_document->state();
    next.settings = held;
    m_document->apply(next, EditKind::Channels);
  }
  template <typename Change>
  void holdChanged(Change&& change) {
    RadioSettings held = settings();
    change(held);
    hold(held);
  }

  std::unique_ptr<Document> m_document;
  std::unique_ptr<DialogSet> m_dialogs;
  std::vector<ShownMessage> m_messages;
};

}  // namespace qx210::testing
