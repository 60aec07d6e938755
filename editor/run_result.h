// What the editor knows about a computed report: the verdict read from the
// engine's run account, and the record of the run that wrote a report (the
// calculation input it computed, its account, when) kept in the user's own
// data folder, so that a result window can tell whether the report it shows
// belongs to the case on screen - also in a later session.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kvop::editor {

// One sheet as the checks cut the sheeting: spans first..last, thickness t.
struct SheetPiece {
  int first = 0, last = 0;
  double t = 0;
};

// The verdict of one run, from its account.
struct RunVerdict {
  bool readable = false;  // the account could be read
  int status = 0;         // the engine's exit status
  QString database;       // the profile database file the run opened
  QString profile;        // the designation dimensioned
  bool checked = false;   // the section checks ran
  bool passes = false;    // every ratio within 1.0 and no check failed at the thickest sheet
  double maxRatio = 0;    // the largest utilisation ratio
  QString maxWhere;       // "stöd 2", "fack 3", "fack 3 (nedböjning)"
  int maxLoadCase = 0;    // its load case 1..4
  char maxKind = 0;       // where it is: 'S' support, 'F' span moment, 'D' span deflection
  int maxIndex = 0;       // the support's or the span's number
  std::vector<SheetPiece> pieces;  // the sheets, in order
  QStringList sheets;              // "Plåt 1, fack 1–3: 0,70 mm"
  QStringList walkability;         // the walkability warnings of the report
};

// Reads the account `json` that kvopwb --json wrote.
RunVerdict read_verdict(const QByteArray& json);

// A real with a decimal comma, as the editor's Swedish texts write numbers.
QString decimal(double v, int decimals);

// The verdict as lines of text for the result window.
QStringList verdict_lines(const RunVerdict& v);

// The record of the run that wrote a report.
struct RunRecord {
  QString report;         // absolute path of the report in the case folder
  QByteArray reportHash;  // of the report's bytes as the run wrote them
  QByteArray input;       // the calculation input the run computed
  QByteArray account;     // the run account (JSON); empty when none was written
  QDateTime computed;     // when the run ended
  int exitCode = 0;
  QString console;  // the engine's console text
};

// A digest of the file's bytes; empty when it cannot be read.
QByteArray file_hash(const QString& path);

// Stores the record of `r.report`, replacing an older one.
bool save_run_record(const RunRecord& r);
// The record of the report at `report`, when one is stored.
std::optional<RunRecord> load_run_record(const QString& report);
// Forgets the record of the report at `report`.
void remove_run_record(const QString& report);

// How a shown report relates to the case on screen.
enum class ResultState {
  current,  // computed from exactly the input on screen, file unchanged since
  stale,    // computed from other input than the one on screen
  unknown,  // no record of the run that wrote the file (another program or installation)
};

struct ResultStatus {
  ResultState state = ResultState::unknown;
  QString headline;   // the first line, the state in words
  QStringList lines;  // when, with which database, and the verdict
};

// The status of the report at `report` for the calculation input
// `current_input` (the case on screen as the engine would get it; empty when
// it cannot be written).  `program_dir` is the running installation's.
ResultStatus result_status(const QString& report, const QByteArray& current_input,
                           const QString& program_dir);

}  // namespace kvop::editor
