#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace qx210::testing {

// Answers the file dialogs that open, one path each; an empty path cancels.
class FileDialogAnswers : public QObject {
 public:
  explicit FileDialogAnswers(QStringList paths) : m_paths(std::move(paths)) {
    connect(&m_timer, &QTimer::timeout, this, &FileDialogAnswers::poll);
    m_timer.start(10);
  }
  int seen() const { return m_seen; }
  QStringList filters() const { return m_filters; }

 private:
  void poll() {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible() || dialog == m_last) return;
    m_last = dialog;
    ++m_seen;
    m_filters = dialog->nameFilters();
    const QString path = m_paths.isEmpty() ? QString() : m_paths.takeFirst();
    if (path.isEmpty()) {
      dialog->reject();
      return;
    }
    // Typed into the name field, as a user would.
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!name) {
      ADD_FAILURE() << "file dialog without a name field";
      dialog->reject();
      return;
    }
    // Absolute in the platform's sense: on Windows "/work/x" still lacks a drive.
    name->setText(QFileInfo(path).absoluteFilePath());
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog's own accept() checks the name
  }

  QTimer m_timer;
  QStringList m_paths;
  QPointer<QFileDialog> m_last;
  int m_seen = 0;
  QStringList m_filters;
};

}  // namespace qx210::testing
