// The report text of a result window.  The report's page marks (lines that
// hold only "^") are not shown as text: each page break is an empty line
// with a rule across the window and the number of the page that follows.
#pragma once

#include <QPlainTextEdit>
#include <vector>

namespace kvop::editor {

class ReportText : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit ReportText(QWidget* parent = nullptr);
  // Shows the report `text` (LF line ends) split at its page marks.
  void setReport(const QString& text);
  // The report as it was given, page marks included.
  QString report() const { return report_; }
  // The block numbers of the shown page breaks.
  const std::vector<int>& breaks() const { return breaks_; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  QString report_;
  std::vector<int> breaks_;
};

}  // namespace kvop::editor
