// The news form, shown once per version at start, and the notice "Viktigt".
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace kvop::editor {

// The version marker "kvop.ver" of the program directory: the version on
// its first line and the changes of that version on the following lines.
struct VersionNote {
  QString version;
  QStringList changes;
};
VersionNote read_version_note(const QString& program_dir);

// Shows the news form; returns true when "Visa inte detta nästa gång" was ticked.
bool show_news(QWidget* parent, const VersionNote& note);

extern const char* const kNoticeText;
void show_notice(QWidget* parent);

}  // namespace kvop::editor
