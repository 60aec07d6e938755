// Case files on disk: opening and saving "*.IND" cases through the engine's
// case file layout, the Swedish file-error texts, the file name rule, and the
// profile list of the program directory's profile database.
#pragma once

#include <QFileDevice>
#include <QString>
#include <QStringList>
#include <vector>

#include "driver/case_file.h"

namespace kvop::editor {

// The rule shown when a file name is refused.
extern const char* const kFileNameRule;

// True when `base` (the name without ".IND") may name a case: one to eight
// characters, no blanks, commas, points or the letters å, ä, ö, and nothing
// that leads out of the directory.  The engine names its report after the
// first eight characters of the case name.
bool file_name_allowed(const QString& base);

// The case name of a file: its name without the extension ".IND".
QString case_base_name(const QString& path);

// The Swedish text for a failed file operation, followed by the system's own
// reason on a second line when there is one.
QString file_error_text(QFileDevice::FileError error, const QString& path, const QString& reason);

// Reads a case file.  On failure `message` holds the Swedish file-error text
// and, for a case that cannot be read, where and why.
bool load_case(const QString& path, CaseFile& cf, QString& message);

// Writes `cf` to `path` atomically: the old file stays untouched until the
// new one is complete.  Record 1 gets the case name of `path`.  On failure
// `message` says why and the old file is intact.
bool save_case(const QString& path, CaseFile cf, QString& message);

// The case bytes as the editor writes them (CR LF), with record 1 set to
// `case_name`; empty with `message` set when a value cannot be written.
QByteArray case_bytes(CaseFile cf, const QString& case_name, QString& message);

// One profile of the database: its designation and nominal thicknesses (mm).
struct ProfileChoice {
  QString designation;
  std::vector<float> thicknesses;
};

// The profiles of "PROFILKV.BIN" in `program_dir` (any letter case), in file
// order; empty when the database is missing or unreadable.
std::vector<ProfileChoice> read_profiles(const QString& program_dir);

}  // namespace kvop::editor
