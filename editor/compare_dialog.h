// "Jämför profiler": the case on screen dimensioned by the engine with every
// profile of the database, in a private working folder; the outcome of each
// profile in a table the engineer can sort, and the profile chosen put into
// the case.  Nothing is written into the case's folder.
#pragma once

#include <QDialog>
#include <QString>
#include <QVector>
#include <memory>

#include "engine_run.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTemporaryDir;

namespace kvop::editor {

// One profile of a comparison, as the run account lists it.
struct ComparedProfile {
  QString designation;
  QVector<double> plattj;  // thickness per span (mm)
  double weight = 0;       // kg/m2
  double maxRatio = 0;
  QString governs;  // where the largest ratio stands, in words
  QString walk;     // the walkability check's verdict, in words
  bool passes = false;
};

// The comparison of a run account, in its order (lightest passing first);
// empty when the account holds none.
QVector<ComparedProfile> read_comparison(const QByteArray& account);

class CompareDialog : public QDialog {
  Q_OBJECT
 public:
  // `input` is the calculation input of the case named `case_name`.
  CompareDialog(const QString& program_dir, const QString& data_dir, const QByteArray& input,
                const QString& case_name, QWidget* parent = nullptr);
  ~CompareDialog() override;
  // Starts the engine; false with the reason in `message`.
  bool start(QString& message);
  EngineRun& engine() { return engine_; }
  QTableWidget* table() const { return table_; }
  const QVector<ComparedProfile>& profiles() const { return profiles_; }
  // Chooses the profile of a table row (as the button "Välj profil").
  void chooseRow(int row);

 signals:
  void profileChosen(const QString& designation);

 private:
  void finished(int code, const QString& console);
  void fill();

  QString programDir_, dataDir_, caseName_;
  QByteArray input_;
  EngineRun engine_;
  std::unique_ptr<QTemporaryDir> runDir_;
  QVector<ComparedProfile> profiles_;
  QLabel* status_;
  QTableWidget* table_;
  QPushButton* choose_;
};

}  // namespace kvop::editor
