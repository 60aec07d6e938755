// Helpers of the editor tests: the program directory of the build (engine,
// profile database, default case), scratch directories inside the build
// tree (so that BRASKO.INI can name the program directory in few
// characters), a main window whose questions are answered by the test, and
// file reading.
#pragma once

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "main_window.h"

namespace kvop::editor::test {

inline QString program_dir() { return QStringLiteral(KVOP_BINARY_DIR "/bin"); }
inline QString example(const QString& name) {
  return QStringLiteral(KVOP_SOURCE_DIR "/examples/") + name;
}

// A scratch directory below the build directory.
inline std::unique_ptr<QTemporaryDir> scratch() {
  QDir().mkpath(QStringLiteral(KVOP_BINARY_DIR "/editor-tests"));
  auto d =
      std::make_unique<QTemporaryDir>(QStringLiteral(KVOP_BINARY_DIR "/editor-tests/t-XXXXXX"));
  return d;
}

inline QByteArray read_file(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

inline bool write_file(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Settings of the tests stay out of the user's own.
inline void isolate_settings() { QStandardPaths::setTestModeEnabled(true); }

// A main window that records its messages and questions; `answer` is the
// reply to every question (0 yes, 1 no, 2 cancel), `files` the names the
// file dialogs return in turn.
struct Window {
  explicit Window(const QString& dir = program_dir()) : w(dir) {
    w.inform = [this](const QString& t) { messages << t; };
    w.ask = [this](const QString& t, bool) {
      questions << t;
      return answer;
    };
    w.chooseFile = [this](bool) { return files.isEmpty() ? QString() : files.takeFirst(); };
  }
  MainWindow w;
  QStringList messages;
  QStringList questions;
  QStringList files;
  int answer = 1;

  // Triggers the menu item `text` (found anywhere in the menus).
  bool trigger(const QString& text) {
    for (QAction* a : w.menuBar()->findChildren<QAction*>())
      if (QString(a->text()).remove(QLatin1Char('&')) == text) {
        a->trigger();
        return true;
      }
    return false;
  }
};

}  // namespace kvop::editor::test
