#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "gui/dialog_set.h"
#include "core/editor.h"
#include "core/language.h"
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

// An editor with its dialogs; message boxes are recorded and answered OK.
class DialogFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    SwitchLanguage(kEnglish);
    SetMessageBoxHook([this](QMessageBox& box) {
      m_messages.push_back({box.text(), box.windowTitle(), box.icon()});
      return MessageResult::kOk;
    });
    m_editor = std::make_unique<Editor>();
    m_dialogs = std::make_unique<DialogSet>(*m_editor);
  }
  void TearDown() override {
    m_dialogs.reset();
    m_editor.reset();
    SetMessageBoxHook({});
    SwitchLanguage(kEnglish);
  }

  RadioSettings& settings() { return m_editor->settings(); }

  std::unique_ptr<Editor> m_editor;
  std::unique_ptr<DialogSet> m_dialogs;
  std::vector<ShownMessage> m_messages;
};

}  // namespace qx210::testing
