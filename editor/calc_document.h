// The calculation as a document: a summary page, the sheeting drawn to scale
// under the loads of every load case, a page of moment and deflection
// diagrams per load case, a chart of the utilisation ratios and the complete
// text report, one report page on one sheet.  Everything is drawn from the
// records of one run - its account (the engine's --json file) and its
// report - so the result window, the printout, "Spara som PDF" and the
// command-line program kvoprapport show the same drawing.  The document is
// Swedish whatever language the editor speaks: it is the signed calculation.
#pragma once

#include <QByteArray>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "run_result.h"

class QPainter;
class QPagedPaintDevice;

namespace kvop::editor {

// The loads of one load case as the analysis used them.
struct CaseLoads {
  double q = 0, pL = 0, pR = 0, pP = 0, qe = 0, E = 0;
  std::vector<double> P;  // line-load intensities, one per line load
};

// Where the largest utilisation ratio of a run governs.
struct Governing {
  double ratio = 0;
  int lc = 0;     // load case 1..4
  QString where;  // "STÖD 2", "FACK 3", "FACK 3 (NEDBÖJNING)"
};

// What the document draws, read from a run's account and report.  Arrays
// are indexed from 0: load case lc at [lc - 1], support i at [i - 1], span j
// at [j - 1], section k at [k - 1].
struct CalcRecord {
  bool readable = false;  // the account could be read and holds the analysis
  int status = 0;
  QString rubrik, caseFile, reportFile, database, profile, computed;
  int origin = 0;
  int n = 0;  // spans
  bool wall = false;
  int market = 1, sakkl = 2;
  double konsv = 0, konsh = 0;
  std::vector<double> spv, upplbredd;  // spans; supports
  std::vector<int> skarvtyp;           // supports
  double trivlgd = 0, trihlgd = 0;
  int fickfack = 0;
  double fickavst = 0, ficklgd = 0, fickmaxlgd = 0;
  std::vector<int> linjfack;  // the line loads located on the sheet
  std::vector<double> linjavst;
  std::array<CaseLoads, 4> loads;
  std::vector<std::vector<double>> snittpos;                            // [j][k]
  std::array<std::vector<std::vector<double>>, 4> snittmom, snittnedb;  // [lc][j][k]
  std::array<std::vector<double>, 4> mstod, reakt, mfalt, nedbtal;
  bool checked = false, failed = false;
  std::array<std::vector<double>, 4> KVOTS, KVOTF, KVOTD, nedbfalt, nedbkons;
  std::vector<double> plattj;
  std::vector<SheetPiece> sheets;
  Governing largest;  // the largest ratio of the run
  QStringList walkability;
  std::vector<QStringList> reportPages;

  // The load cases the case has: 1..4 for a roof, 1 and 3 for a wall.
  std::vector<int> loadCases() const;
  // Left end of span j (1..n) from the left free end of the sheet, m.
  double spanStart(int j) const;
  double length() const;  // of the whole sheet
  bool passes() const;
};

// Reads the run account `json` and the report text `report` (LF line ends,
// page marks "^" included).
CalcRecord read_calc_record(const QByteArray& json, const QString& report);

// The bending moment along the sheet in load case lc (kNm/m, sagging
// positive as in the report): the free ends at 0, every support at its
// support moment, the eleven sections of every span between them in the
// order of their positions.  x from the left free end, m.
std::vector<QPointF> moment_line(const CalcRecord& r, int lc);
// The deflection line in load case lc, mm: every span's sections scaled by
// the span's deflection over its governing deflection value (the stiffness
// the checks used), 0 at the supports; empty when the checks left no
// deflection for the load case.
std::vector<QPointF> deflection_line(const CalcRecord& r, int lc);
// The governing field moment of span j in load case lc within the section
// grid: the largest (the smallest in load case 3) over the sections other
// than the joint sections.
double field_extreme(const CalcRecord& r, int lc, int j);

// The bars of load case lc in the utilisation chart: "S<i>" support i,
// "F<j>" span j in bending, "D<j>" span j in deflection, as the report's
// table of the load case lists them.
struct ChartBar {
  QString label;
  double ratio;
};
std::vector<ChartBar> chart_bars(const CalcRecord& r, int lc);

// The pages of the document.
class CalcDocument {
 public:
  explicit CalcDocument(CalcRecord r);
  const CalcRecord& record() const { return r_; }
  int pageCount() const;
  // Page `index` (0-based) drawn into `page`, a rectangle in millimetres of
  // an A4 sheet on `p` (already scaled to millimetres).
  void drawPage(QPainter& p, int index) const;
  // Every page onto a paged device (a printer, a PDF writer) set to A4;
  // false when the device cannot be painted on.
  bool paint(QPagedPaintDevice& device) const;
  // The document as a PDF file at `path`, written whole or not at all;
  // false with the Swedish reason in `message`.
  bool writePdf(const QString& path, QString& message) const;
  // The titles of the pages, for a page list in the result window.
  QStringList pageTitles() const;
  // The drawn pages come first, the report's text pages after them.
  int drawnPages() const;

 private:
  enum class Kind { summary, sheeting, loadCase, chart, text };
  struct Page {
    Kind kind;
    int arg;  // the load case, or the report page
  };
  void header(QPainter& p, int index) const;
  void drawSummary(QPainter& p) const;
  void drawSheeting(QPainter& p) const;
  void drawLoadCase(QPainter& p, int lc) const;
  void drawChart(QPainter& p) const;
  void drawText(QPainter& p, int page) const;
  CalcRecord r_;
  std::vector<Page> pages_;
};

// Size of the page the document is drawn on, mm.
inline constexpr double kPageWidth = 210.0, kPageHeight = 297.0;

}  // namespace kvop::editor
