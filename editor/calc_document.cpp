#include "calc_document.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

#include "pictures.h"
#include "report_print.h"
#include "run_result.h"

#ifndef KVOP_VERSION
#define KVOP_VERSION "?"
#endif

namespace kvop::editor {
namespace {

// ---- reading the account --------------------------------------------------

std::vector<double> reals(const QJsonValue& v) {
  std::vector<double> out;
  for (const QJsonValue& x : v.toArray()) out.push_back(x.toDouble());
  return out;
}

std::vector<int> ints(const QJsonValue& v) {
  std::vector<int> out;
  for (const QJsonValue& x : v.toArray()) out.push_back(x.toInt());
  return out;
}

// Rows lc = 1..4 of a per-load-case table.
std::array<std::vector<double>, 4> per_lc(const QJsonValue& v) {
  std::array<std::vector<double>, 4> out;
  const QJsonArray rows = v.toArray();
  for (int lc = 0; lc < 4 && lc < rows.size(); ++lc) out[lc] = reals(rows[lc]);
  return out;
}

std::vector<std::vector<double>> table(const QJsonValue& v) {
  std::vector<std::vector<double>> out;
  for (const QJsonValue& row : v.toArray()) out.push_back(reals(row));
  return out;
}

double at(const std::vector<double>& v, int i) {
  return i >= 0 && i < static_cast<int>(v.size()) ? v[i] : 0.0;
}

// ---- numbers as the report writes them -------------------------------------

QString num(double v, int decimals) { return QString::number(v, 'f', decimals).replace('.', ','); }

QString percent(double ratio) { return QString::number(std::trunc(100.0 * ratio + 0.5), 'f', 0); }

QString lc_title(int lc, bool wall) {
  static const char* roof[] = {"BROTTGRÄNS, SNÖ HUVUDLAST", "BRUKSGRÄNS", "BROTTGRÄNS, VINDSUG",
                               "BROTTGRÄNS, VIND HUVUDLAST"};
  static const char* walls[] = {"VIND MOT PLÅT", "", "VIND FRÅN PLÅT", ""};
  return QString("LASTFALL %1  ").arg(lc) + QString::fromUtf8(wall ? walls[lc - 1] : roof[lc - 1]);
}

// ---- drawing helpers (millimetres) -----------------------------------------

constexpr double kMargin = 15.0;
constexpr double kBodyTop = 30.0;
constexpr double kBodyBottom = kPageHeight - 16.0;

// The resolution of the device being drawn on.  The painter works in
// millimetres, so a font of `pt` points is given the size that is `pt`
// points high in millimetres on that device.
thread_local double g_dpi = 72;

QFont at_size(QFont f, double pt) {
  f.setPointSizeF(pt * 25.4 / g_dpi);
  return f;
}

QFont sans(double pt, bool bold = false) {
  QFont f("DejaVu Sans");
  f.setBold(bold);
  return at_size(f, pt);
}

void text(QPainter& p, const QRectF& box, int flags, const QString& s, const QFont& f) {
  p.setFont(f);
  p.drawText(box, flags, s);
}

// One line of text standing on `at`: starting there, centred on it or
// ending there.
void text_at(QPainter& p, QPointF at, const QString& s, const QFont& f, int align = Qt::AlignLeft) {
  constexpr double w = 190;
  const double left = align & Qt::AlignHCenter ? at.x() - w / 2
                      : align & Qt::AlignRight ? at.x() - w
                                               : at.x();
  text(p, QRectF(left, at.y() - 6, w, 6), static_cast<int>(align) | Qt::AlignBottom, s, f);
}

QPen pen(double width_mm, const QColor& c = Qt::black, Qt::PenStyle style = Qt::SolidLine) {
  QPen pn(c, width_mm, style);
  pn.setCapStyle(Qt::FlatCap);
  return pn;
}

// Horizontal mapping of the sheet onto the page.
struct Scale {
  double x0, mm_per_m;
  double x(double metres) const { return x0 + metres * mm_per_m; }
};

Scale sheet_scale(const CalcRecord& r) {
  const double width = kPageWidth - 2 * kMargin - 10;
  const double len = std::max(r.length(), 0.1);
  return {kMargin + 5, width / len};
}

void draw_supports(QPainter& p, const CalcRecord& r, const Scale& s, double y, bool names) {
  for (int i = 1; i <= r.n + 1; ++i) {
    const double xi = s.x(r.konsv + (i <= r.n ? r.spanStart(i) - r.konsv : r.length() - r.konsh));
    const double w = std::max(at(r.upplbredd, i - 1) * s.mm_per_m, 1.0);
    QPolygonF tri;
    tri << QPointF(xi, y) << QPointF(xi - 1.8, y + 3) << QPointF(xi + 1.8, y + 3);
    p.setPen(pen(0.25));
    p.setBrush(Qt::white);
    p.drawPolygon(tri);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(xi - w / 2, y + 3.4), QPointF(xi + w / 2, y + 3.4));
    if (names) {
      const int typ = i - 1 < static_cast<int>(r.skarvtyp.size()) ? r.skarvtyp[i - 1] : 0;
      const bool end = i == 1 || i == r.n + 1;
      // Inner supports name their joint; the end supports say whether the
      // sheet goes on as a cantilever.
      const QString name = end ? (typ == 1 ? QString("ÄNDE") : QString("KONSOL")) : joint_name(typ);
      // On a long sheet every other support's name goes one line lower.
      const double low = r.n > 8 && i % 2 == 0 ? 3.0 : 0.0;
      text_at(p, {xi, y + 8.5 + low}, name, sans(5.5), Qt::AlignHCenter);
      text_at(p, {xi, y + 11.5 + 3.0 * (r.n > 8)}, QString::number(i), sans(5.5, true),
              Qt::AlignHCenter);
      if (!end && typ >= 2 && typ <= 5) {
        // The joint symbol: a short doubled sheet over the support.
        p.setPen(pen(0.5));
        p.drawLine(QPointF(xi - 3, y - 1.0), QPointF(xi + 3, y - 1.0));
      }
    }
  }
}

// The axis of a diagram band: x along the sheet, y in the band for values
// in [lo, hi] (hi at the top), the band from `top` with height `h`.
struct Band {
  double top, h, lo, hi;
  bool down_positive;  // positive values drawn below the axis
  double y(double v) const {
    const double span = std::max(hi - lo, 1e-9);
    const double f = down_positive ? (v - lo) / span : (hi - v) / span;
    return top + f * h;
  }
};

Band band_for(const std::vector<QPointF>& pts, double top, double h, bool down_positive) {
  double lo = 0, hi = 0;
  for (const QPointF& q : pts) {
    lo = std::min(lo, q.y());
    hi = std::max(hi, q.y());
  }
  if (hi - lo < 1e-9) hi = lo + 1;
  const double pad = 0.08 * (hi - lo);
  return {top, h, lo - pad, hi + pad, down_positive};
}

}  // namespace

// ---- the record --------------------------------------------------------------

std::vector<int> CalcRecord::loadCases() const {
  return wall ? std::vector<int>{1, 3} : std::vector<int>{1, 2, 3, 4};
}

double CalcRecord::spanStart(int j) const {
  double x = konsv;
  for (int i = 1; i < j; ++i) x += at(spv, i - 1);
  return x;
}

double CalcRecord::length() const { return spanStart(n + 1) + konsh; }

bool CalcRecord::passes() const {
  return status == 0 && checked && !failed && largest.ratio <= 1.0;
}

CalcRecord read_calc_record(const QByteArray& json, const QString& report) {
  CalcRecord r;
  r.reportPages = report_pages(report);
  const ReportHeading h = report_heading(report);
  r.computed = h.computed;
  QJsonParseError err{};
  const QJsonDocument doc = QJsonDocument::fromJson(json, &err);
  if (err.error != QJsonParseError::NoError || !doc.isObject()) return r;
  const QJsonObject a = doc.object();
  const QJsonObject c = a["case"].toObject(), an = a["analysis"].toObject();
  const QJsonObject chk = a["checks"].toObject(), prep = a["prepared"].toObject();
  r.status = a["status"].toInt();
  r.database = a["database"].toString();
  r.profile = a["profile"].toObject()["designation"].toString().trimmed();
  r.origin = a["profile"].toObject()["origin_code"].toInt();
  r.rubrik = c["rubrik"].toString().trimmed();
  if (r.rubrik.isEmpty()) r.rubrik = h.rubrik;
  r.caseFile = c["indnamn"].toString().trimmed();
  r.reportFile = c["rednamn"].toString().trimmed();
  r.n = std::clamp(c["nfack"].toInt(), 0, 20);
  r.wall = c["vagg"].toInt() == 1;
  r.market = c["marknadskod"].toInt();
  r.sakkl = c["sakkl"].toInt();
  r.konsv = c["konsv"].toDouble();
  r.konsh = c["konsh"].toDouble();
  r.spv = reals(c["spv"]);
  r.upplbredd = reals(c["upplbredd"]);
  r.skarvtyp = ints(c["skarvtyp"]);
  r.trivlgd = c["trivlgd"].toDouble();
  r.trihlgd = c["trihlgd"].toDouble();
  r.fickfack = c["fickfack"].toInt();
  r.fickavst = c["fickavst"].toDouble();
  r.ficklgd = c["ficklgd"].toDouble();
  r.fickmaxlgd = c["fickmaxlgd"].toDouble();
  r.linjfack = ints(prep["linjfack"]);
  r.linjavst = reals(prep["linjavst"]);
  const QJsonArray loads = an["belastning"].toArray();
  for (int lc = 0; lc < 4 && lc < loads.size(); ++lc) {
    const QJsonObject o = loads[lc].toObject();
    r.loads[lc] = {o["q"].toDouble(),  o["pL"].toDouble(), o["pR"].toDouble(), o["pP"].toDouble(),
                   o["qe"].toDouble(), o["E"].toDouble(),  reals(o["P"])};
  }
  r.snittpos = table(an["snittpos"]);
  const QJsonArray sm = an["snittmom"].toArray(), sn = an["snittnedb"].toArray();
  for (int lc = 0; lc < 4; ++lc) {
    r.snittmom[lc] = table(sm.at(lc));
    r.snittnedb[lc] = table(sn.at(lc));
  }
  r.mstod = per_lc(an["mstod"]);
  r.reakt = per_lc(an["reakt"]);
  r.mfalt = per_lc(an["mfalt"]);
  r.nedbtal = per_lc(an["nedbtal"]);
  r.checked = !chk.isEmpty();
  r.failed = chk["failed"].toBool() || chk["over"].toBool();
  r.KVOTS = per_lc(chk["KVOTS"]);
  r.KVOTF = per_lc(chk["KVOTF"]);
  r.KVOTD = per_lc(chk["KVOTD"]);
  r.nedbfalt = per_lc(chk["nedbfalt"]);
  r.nedbkons = per_lc(chk["nedbkons"]);
  r.plattj = reals(chk["plattj"]);
  // The verdict's reading of the checks: the sheets and the largest ratio,
  // its place named in the report's words.
  const RunVerdict v = read_verdict(json);
  r.sheets = v.pieces;
  const char* where = v.maxKind == 'S'   ? "STÖD %1"
                      : v.maxKind == 'D' ? "FACK %1 (NEDBÖJNING)"
                                         : "FACK %1";
  r.largest = {v.maxRatio, v.maxLoadCase, QString::fromUtf8(where).arg(v.maxIndex)};
  r.walkability = v.walkability;
  r.readable = r.n >= 1 && !an.isEmpty() && static_cast<int>(r.snittpos.size()) >= r.n;
  // Every table at the size the case gives it, so that the drawing can
  // index any span, support and section; what the account lacks is 0.
  const auto size = [](std::vector<double>& v, int count) {
    v.resize(static_cast<std::size_t>(count));
  };
  const auto sections = [&](std::vector<std::vector<double>>& t) {
    t.resize(static_cast<std::size_t>(r.n));
    for (std::vector<double>& row : t) size(row, 11);
  };
  const int n = r.n;
  size(r.spv, n);
  size(r.upplbredd, n + 1);
  r.skarvtyp.resize(static_cast<std::size_t>(n + 1));
  size(r.plattj, n);
  sections(r.snittpos);
  for (int lc = 0; lc < 4; ++lc) {
    sections(r.snittmom[lc]);
    sections(r.snittnedb[lc]);
    for (auto* t : {&r.mstod[lc], &r.reakt[lc], &r.KVOTS[lc]}) size(*t, n + 1);
    for (auto* t : {&r.mfalt[lc], &r.nedbtal[lc], &r.KVOTF[lc], &r.KVOTD[lc], &r.nedbfalt[lc]})
      size(*t, n);
    size(r.nedbkons[lc], 2);
  }
  return r;
}

std::vector<QPointF> moment_line(const CalcRecord& r, int lc) {
  std::vector<QPointF> pts;
  const std::vector<double>& M = r.mstod[lc - 1];
  pts.push_back({0.0, 0.0});
  for (int j = 1; j <= r.n; ++j) {
    const double x0 = r.spanStart(j), L = at(r.spv, j - 1);
    pts.push_back({x0, at(M, j - 1)});
    std::vector<std::pair<double, double>> sec;
    const std::vector<std::vector<double>>& sm = r.snittmom[lc - 1];
    for (int k = 0; k < 11; ++k) {
      const double xi = j - 1 < static_cast<int>(r.snittpos.size()) ? at(r.snittpos[j - 1], k) : 0;
      const double m = j - 1 < static_cast<int>(sm.size()) ? at(sm[j - 1], k) : 0;
      // A joint section at a support is the support moment itself.
      if (xi > 0.0 && xi < 1.0) sec.push_back({xi, m});
    }
    std::stable_sort(sec.begin(), sec.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [xi, m] : sec) pts.push_back({x0 + xi * L, m});
    pts.push_back({x0 + L, at(M, j)});
  }
  pts.push_back({r.length(), 0.0});
  return pts;
}

std::vector<QPointF> deflection_line(const CalcRecord& r, int lc) {
  std::vector<QPointF> pts;
  const std::vector<double>& nf = r.nedbfalt[lc - 1];
  const std::vector<double>& nt = r.nedbtal[lc - 1];
  const std::vector<std::vector<double>>& sn = r.snittnedb[lc - 1];
  bool any = false;
  pts.push_back({0.0, 1000.0 * at(r.nedbkons[lc - 1], 0)});
  for (int j = 1; j <= r.n; ++j) {
    const double x0 = r.spanStart(j), L = at(r.spv, j - 1);
    const double gov = at(nt, j - 1);
    const double f = std::abs(gov) > 1e-12 ? 1000.0 * at(nf, j - 1) / gov : 0.0;
    any = any || f != 0.0;
    pts.push_back({x0, 0.0});
    std::vector<std::pair<double, double>> sec;
    for (int k = 0; k < 11; ++k) {
      const double xi = at(r.snittpos[j - 1], k);
      if (xi > 0.0 && xi < 1.0 && j - 1 < static_cast<int>(sn.size()))
        sec.push_back({xi, f * at(sn[j - 1], k)});
    }
    std::stable_sort(sec.begin(), sec.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [xi, w] : sec) pts.push_back({x0 + xi * L, w});
    pts.push_back({x0 + L, 0.0});
  }
  pts.push_back({r.length(), 1000.0 * at(r.nedbkons[lc - 1], 1)});
  if (!any) return {};
  return pts;
}

double field_extreme(const CalcRecord& r, int lc, int j) {
  const std::vector<std::vector<double>>& sm = r.snittmom[lc - 1];
  if (j - 1 >= static_cast<int>(sm.size())) return 0;
  double v = at(sm[j - 1], 0);
  for (int k : {1, 2, 5, 6, 7, 8, 9, 10})
    v = lc == 3 ? std::min(v, at(sm[j - 1], k)) : std::max(v, at(sm[j - 1], k));
  return v;
}

std::vector<ChartBar> chart_bars(const CalcRecord& r, int lc) {
  std::vector<ChartBar> bars;
  // As the report's tables: the serviceability load case of a roof in the
  // partial-coefficient method is checked for deflection only.
  const bool deflection_only = !r.wall && lc == 2 && r.sakkl >= 1;
  for (int i = 1; i <= r.n + 1; ++i) {
    if (!deflection_only) bars.push_back({QString("S%1").arg(i), at(r.KVOTS[lc - 1], i - 1)});
    if (i > r.n) break;
    if (!deflection_only) bars.push_back({QString("F%1").arg(i), at(r.KVOTF[lc - 1], i - 1)});
    if (lc == 2 || r.wall) bars.push_back({QString("D%1").arg(i), at(r.KVOTD[lc - 1], i - 1)});
  }
  return bars;
}

// ---- the document ------------------------------------------------------------

CalcDocument::CalcDocument(CalcRecord r) : r_(std::move(r)) {
  pages_.push_back({Kind::summary, 0});
  if (r_.readable) {
    pages_.push_back({Kind::sheeting, 0});
    for (int lc : r_.loadCases()) pages_.push_back({Kind::loadCase, lc});
    if (r_.checked) pages_.push_back({Kind::chart, 0});
  }
  for (int i = 0; i < static_cast<int>(r_.reportPages.size()); ++i)
    pages_.push_back({Kind::text, i});
}

int CalcDocument::pageCount() const { return static_cast<int>(pages_.size()); }

int CalcDocument::drawnPages() const {
  return static_cast<int>(std::count_if(pages_.begin(), pages_.end(),
                                        [](const Page& pg) { return pg.kind != Kind::text; }));
}

QStringList CalcDocument::pageTitles() const {
  QStringList out;
  for (const Page& pg : pages_) switch (pg.kind) {
      case Kind::summary: out << "Sammanfattning"; break;
      case Kind::sheeting: out << "Plåten och lasterna"; break;
      case Kind::loadCase: out << lc_title(pg.arg, r_.wall); break;
      case Kind::chart: out << "Utnyttjandegrader"; break;
      case Kind::text: out << QString("Rapport sida %1").arg(pg.arg + 1); break;
    }
  return out;
}

void CalcDocument::header(QPainter& p, int index) const {
  const double w = kPageWidth - 2 * kMargin;
  const QString title = r_.rubrik.isEmpty() ? QString("(utan rubrik)") : r_.rubrik;
  double pt = 9;
  while (pt > 6 && QFontMetricsF(sans(pt, true), p.device()).horizontalAdvance(title) > w)
    pt -= 0.5;
  text(p, {kMargin, 8, w, 6}, Qt::AlignLeft | Qt::AlignBottom, title, sans(pt, true));
  QStringList facts;
  if (!r_.caseFile.isEmpty()) facts << "Fil " + r_.caseFile;
  if (!r_.profile.isEmpty()) facts << "Profil " + r_.profile;
  if (!r_.computed.isEmpty()) facts << "Beräknad " + r_.computed;
  facts << QString("KVOP ") + KVOP_VERSION;
  text(p, {kMargin, 14, w, 5}, Qt::AlignLeft | Qt::AlignBottom, facts.join("   "), sans(7));
  p.setPen(pen(0.3));
  p.drawLine(QPointF(kMargin, 20.5), QPointF(kPageWidth - kMargin, 20.5));
  p.drawLine(QPointF(kMargin, kPageHeight - 12), QPointF(kPageWidth - kMargin, kPageHeight - 12));
  text(p, {kMargin, kPageHeight - 11, w, 5}, Qt::AlignRight | Qt::AlignTop,
       QString("Sida %1 av %2").arg(index + 1).arg(pageCount()), sans(7));
  text(p, {kMargin, 22, w, 6}, Qt::AlignLeft | Qt::AlignTop, pageTitles()[index].toUpper(),
       sans(10, true));
}

void CalcDocument::drawPage(QPainter& p, int index) const {
  if (index < 0 || index >= pageCount()) return;
  p.save();
  g_dpi = p.device() ? p.device()->logicalDpiY() : 72;
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(QRectF(0, 0, kPageWidth, kPageHeight), Qt::white);
  p.setPen(Qt::black);
  header(p, index);
  const Page& pg = pages_[static_cast<std::size_t>(index)];
  switch (pg.kind) {
    case Kind::summary: drawSummary(p); break;
    case Kind::sheeting: drawSheeting(p); break;
    case Kind::loadCase: drawLoadCase(p, pg.arg); break;
    case Kind::chart: drawChart(p); break;
    case Kind::text: drawText(p, pg.arg); break;
  }
  p.restore();
}

void CalcDocument::drawSummary(QPainter& p) const {
  const double w = kPageWidth - 2 * kMargin;
  double y = kBodyTop + 4;
  auto line = [&](const QString& s, const QFont& f, double step) {
    text(p, {kMargin, y, w, step}, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, s, f);
    y += step;
  };
  if (!r_.readable) {
    line("Ingen redovisning av körningen finns: bara rapporten kan visas.", sans(10), 8);
  } else if (!r_.checked) {
    line(QString("BERÄKNINGEN MISSLYCKADES (SLUTSTATUS %1).").arg(r_.status), sans(12, true), 9);
  } else {
    const Governing& g = r_.largest;
    const bool ok = r_.passes();
    p.setPen(ok ? QColor(0, 100, 0) : QColor(170, 0, 0));
    line(ok ? QString("PROFILEN %1 KLARAR SIG").arg(r_.profile)
            : QString("PROFILEN KLARAR SIG EJ (%1)").arg(r_.profile),
         sans(13, true), 9);
    p.setPen(Qt::black);
    line(QString("Största utnyttjandegrad %1 % i %2, lastfall %3.")
             .arg(percent(g.ratio), g.where.toLower())
             .arg(g.lc),
         sans(10), 7);
    if (r_.status != 0)
      line(QString("Beräkningen avslutades med slutstatus %1; rapporten kan vara ofullständig.")
               .arg(r_.status),
           sans(10), 7);
    y += 3;
    line("Vald plåttjocklek", sans(10, true), 6);
    for (const SheetPiece& s : r_.sheets)
      line(s.first == s.last
               ? QString("Plåt över fack %1: %2 mm").arg(s.first).arg(num(s.t, 2))
               : QString("Plåt över fack %1–%2: %3 mm").arg(s.first).arg(s.last).arg(num(s.t, 2)),
           sans(9.5), r_.sheets.size() > 6 ? 4.5 : 5.5);
    y += 3;
    // Deflections against their limits: the serviceability load case of a
    // roof, the wind towards the sheet of a wall.
    const int dl = r_.wall ? 1 : 2;
    line(QString("Nedböjning, lastfall %1").arg(dl), sans(10, true), 6);
    for (int j = 1; j <= r_.n; ++j) {
      const double d = 1000.0 * at(r_.nedbfalt[dl - 1], j - 1);
      const double k = at(r_.KVOTD[dl - 1], j - 1);
      QString s = QString("Fack %1: %2 mm, %3 % av gränsvärdet").arg(j).arg(num(d, 1), percent(k));
      if (k > 0) s += QString(" (gräns %1 mm)").arg(num(std::abs(d) / k, 1));
      if (k > 1.0) s += "  ÖVERSKRIDEN";
      line(s, sans(r_.n > 10 ? 8 : 9), r_.n > 10 ? 4.0 : 4.8);
    }
    y += 3;
    if (!r_.walkability.isEmpty()) {
      line("Gåbarhet", sans(10, true), 6);
      for (const QString& s : r_.walkability) line(s, sans(9), 5);
      y += 3;
    }
  }
  line("Profildatabas", sans(10, true), 6);
  line(QString("Fil: %1").arg(r_.database.isEmpty() ? "-" : r_.database), sans(9), 5);
  line(QString("Profil: %1   Ursprung: %2")
           .arg(r_.profile.isEmpty() ? "-" : r_.profile)
           .arg(r_.origin == 1 ? QString("eget sortiment (kod 1)")
                               : QString("annan leverantör (kod %1)").arg(r_.origin)),
       sans(9), 5);

  // The signature field.
  const double top = kBodyBottom - 34;
  p.setPen(pen(0.3));
  p.drawRect(QRectF(kMargin, top, w, 30));
  const char* fields[] = {"Beräknad av", "Granskad av", "Datum"};
  for (int i = 0; i < 3; ++i) {
    const double x = kMargin + i * w / 3;
    if (i > 0) p.drawLine(QPointF(x, top), QPointF(x, top + 30));
    text(p, {x + 2, top + 1.5, w / 3 - 4, 5}, Qt::AlignLeft | Qt::AlignTop,
         QString::fromUtf8(fields[i]), sans(8));
  }
}

void CalcDocument::drawSheeting(QPainter& p) const {
  const Scale s = sheet_scale(r_);
  const double sheet_y = kBodyTop + 16;
  // Dimensions: spans and cantilevers.
  auto dim = [&](double a, double b, const QString& label) {
    if (b - a <= 0) return;
    p.setPen(pen(0.15));
    p.drawLine(QPointF(s.x(a), sheet_y - 6), QPointF(s.x(b), sheet_y - 6));
    p.drawLine(QPointF(s.x(a), sheet_y - 7.5), QPointF(s.x(a), sheet_y - 4.5));
    p.drawLine(QPointF(s.x(b), sheet_y - 7.5), QPointF(s.x(b), sheet_y - 4.5));
    if ((b - a) * s.mm_per_m > 7)
      text_at(p, {(s.x(a) + s.x(b)) / 2, sheet_y - 6.5}, label, sans(5.5), Qt::AlignHCenter);
  };
  dim(0, r_.konsv, num(r_.konsv, 2));
  for (int j = 1; j <= r_.n; ++j)
    dim(r_.spanStart(j), r_.spanStart(j + 1), num(at(r_.spv, j - 1), 2));
  dim(r_.length() - r_.konsh, r_.length(), num(r_.konsh, 2));
  // The sheets as the checks cut them, each with its thickness.
  const QColor shades[] = {QColor(60, 60, 60), QColor(30, 90, 160)};
  if (r_.sheets.empty()) {
    p.setPen(pen(1.0));
    p.drawLine(QPointF(s.x(0), sheet_y), QPointF(s.x(r_.length()), sheet_y));
  }
  for (std::size_t k = 0; k < r_.sheets.size(); ++k) {
    const SheetPiece& sp = r_.sheets[k];
    const double a = sp.first == 1 ? 0.0 : r_.spanStart(sp.first);
    const double b = sp.last == r_.n ? r_.length() : r_.spanStart(sp.last + 1);
    p.setPen(pen(1.0, shades[k % 2]));
    p.drawLine(QPointF(s.x(a) + (k ? 0.6 : 0), sheet_y), QPointF(s.x(b), sheet_y));
    text_at(p, {(s.x(a) + s.x(b)) / 2, sheet_y - 1.2}, QString("t = %1 mm").arg(num(sp.t, 2)),
            sans(5.5, true), Qt::AlignHCenter);
  }
  draw_supports(p, r_, s, sheet_y + 0.6, true);
  text_at(p, {kMargin, sheet_y + 21}, "Plåten i skala; stöd med upplagsbredd, skarvtyp och nummer.",
          sans(7));

  // The loads of each load case on the sheet.
  const std::vector<int> lcs = r_.loadCases();
  const double band_h = (kBodyBottom - (sheet_y + 26)) / static_cast<double>(lcs.size());
  for (std::size_t b = 0; b < lcs.size(); ++b) {
    const int lc = lcs[b];
    const CaseLoads& L = r_.loads[lc - 1];
    const double top = sheet_y + 26 + b * band_h;
    text_at(p, {kMargin, top + 5}, lc_title(lc, r_.wall), sans(7.5, true));
    // The distributed load as ordinates along the sheet (kN/m2): uniform,
    // edge zone from the left end, drifts from both ends, the pocket.
    const double len = r_.length();
    auto load_at = [&](double x) {
      double v = L.q;
      if (x < L.E) v += L.qe;
      if (r_.trivlgd > 0 && x < r_.trivlgd) v += L.pL * (1 - x / r_.trivlgd);
      if (r_.trihlgd > 0 && len - x < r_.trihlgd) v += L.pR * (1 - (len - x) / r_.trihlgd);
      if (L.pP != 0 && r_.fickfack >= 1 && r_.fickfack <= r_.n) {
        const double d = r_.spanStart(r_.fickfack) + r_.fickavst;
        const double e = d + r_.fickmaxlgd, lr = r_.ficklgd;
        if (x >= d && x <= e)
          v += L.pP;
        else if (lr > 0 && x < d && x > d - lr)
          v += L.pP * (1 - (d - x) / lr);
        else if (lr > 0 && x > e && x < e + lr)
          v += L.pP * (1 - (x - e) / lr);
      }
      return v;
    };
    constexpr int kSteps = 400;
    std::vector<QPointF> pts;
    double vmax = 0, vmin = 0;
    for (int i = 0; i <= kSteps; ++i) {
      const double x = len * i / kSteps;
      pts.push_back({x, load_at(x)});
      vmax = std::max(vmax, pts.back().y());
      vmin = std::min(vmin, pts.back().y());
    }
    // Loads towards the sheet stand above it, uplift hangs below.
    const double h = std::min(band_h - 22, 24.0);
    const double k = vmax - vmin > 0 ? h / (vmax - vmin) : 0;
    const double base = top + 12 + vmax * k;
    QPolygonF poly;
    poly << QPointF(s.x(0), base);
    for (const QPointF& q : pts) poly << QPointF(s.x(q.x()), base - q.y() * k);
    poly << QPointF(s.x(len), base);
    p.setPen(pen(0.25, QColor(30, 90, 160)));
    p.setBrush(QColor(200, 220, 240));
    p.drawPolygon(poly);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(0.6));
    p.drawLine(QPointF(s.x(0), base), QPointF(s.x(len), base));
    // Values: the uniform load, and the peak of each load that has one.
    QStringList labels;
    labels << QString("q = %1 kN/m²").arg(num(L.q, 2));
    if (L.pL != 0 && r_.trivlgd > 0)
      labels
          << QString("snödriva vänster %1 kN/m² över %2 m").arg(num(L.pL, 2), num(r_.trivlgd, 2));
    if (L.pR != 0 && r_.trihlgd > 0)
      labels << QString("snödriva höger %1 kN/m² över %2 m").arg(num(L.pR, 2), num(r_.trihlgd, 2));
    if (L.pP != 0 && r_.fickfack >= 1)
      labels << QString("snöficka %1 kN/m² i fack %2").arg(num(L.pP, 2)).arg(r_.fickfack);
    if (L.qe != 0 && L.E > 0)
      labels << QString("randzon %1 kN/m² över %2 m").arg(num(L.qe, 2), num(L.E, 2));
    text_at(p, {kMargin, top + 9}, labels.join(";  "), sans(6.5));
    // Line loads as arrows at their places.
    for (std::size_t i = 0; i < L.P.size() && i < r_.linjfack.size(); ++i) {
      if (L.P[i] == 0) continue;
      const int t = r_.linjfack[i];
      const double a = at(r_.linjavst, static_cast<int>(i));
      double x = t >= 1 && t <= r_.n ? r_.spanStart(t) + a : -1;
      if (t == 1 && a < 0) x = r_.konsv + a;
      if (t == r_.n && a > at(r_.spv, r_.n - 1))
        x = r_.spanStart(r_.n + 1) + a - at(r_.spv, r_.n - 1);
      if (x < 0 || x > len) continue;
      const double up = L.P[i] > 0 ? -1 : 1;
      p.setPen(pen(0.4, QColor(170, 0, 0)));
      const QPointF tip(
          s.x(x), base - pts[static_cast<std::size_t>(std::lround(x / len * kSteps))].y() * k);
      p.drawLine(tip + QPointF(0, up * 9), tip);
      p.drawLine(tip, tip + QPointF(-1, up * 1.8));
      p.drawLine(tip, tip + QPointF(1, up * 1.8));
      // The value beside the arrow, on the side towards the middle of the sheet.
      const bool right_half = x > len / 2;
      text_at(p, tip + QPointF(right_half ? -1.5 : 1.5, up * 7),
              QString("P = %1 kN/m").arg(num(L.P[i], 2)), sans(6),
              right_half ? Qt::AlignRight : Qt::AlignLeft);
    }
    draw_supports(p, r_, s, base + 0.4, false);
  }
}

void CalcDocument::drawLoadCase(QPainter& p, int lc) const {
  const Scale s = sheet_scale(r_);
  double y = kBodyTop + 4;

  // Moment diagram: sagging positive, drawn on the tension side (below the
  // axis), the values signed as in the report.
  const std::vector<QPointF> m = moment_line(r_, lc);
  text_at(p, {kMargin, y + 3}, "Böjmoment kNm/m (fältmoment positivt, ritat på dragen sida)",
          sans(7.5, true));
  const Band mb = band_for(m, y + 8, 95, true);
  const double axis = mb.y(0);
  QPolygonF poly;
  poly << QPointF(s.x(0), axis);
  for (const QPointF& q : m) poly << QPointF(s.x(q.x()), mb.y(q.y()));
  poly << QPointF(s.x(r_.length()), axis);
  p.setPen(pen(0.3, QColor(30, 90, 160)));
  p.setBrush(QColor(210, 225, 245));
  p.drawPolygon(poly);
  p.setBrush(Qt::NoBrush);
  p.setPen(pen(0.4));
  p.drawLine(QPointF(s.x(0), axis), QPointF(s.x(r_.length()), axis));
  // Support moments above or below their points, span extremes at theirs.
  const bool crowded = r_.n > 8;
  for (int i = 1; i <= r_.n + 1; ++i) {
    const double x = r_.spanStart(i);
    const double v = at(r_.mstod[lc - 1], i - 1);
    const double yy = mb.y(v) + (v > 0 ? 4 : -1);
    text_at(p, {s.x(x), yy}, num(v, 2), sans(crowded ? 4.8 : 6), Qt::AlignHCenter);
  }
  for (int j = 1; j <= r_.n; ++j) {
    const double v = field_extreme(r_, lc, j);
    // Where the extreme lies among the sections.
    double xe = r_.spanStart(j) + 0.5 * at(r_.spv, j - 1);
    for (int k = 0; k < 11; ++k)
      if (k != 3 && k != 4 && at(r_.snittmom[lc - 1][j - 1], k) == v)
        xe = r_.spanStart(j) + at(r_.snittpos[j - 1], k) * at(r_.spv, j - 1);
    const double yy = mb.y(v) + (v > 0 ? 4 : -1);
    p.setPen(Qt::black);
    text_at(p, {s.x(xe), yy}, num(v, 2), sans(crowded ? 4.8 : 6, true), Qt::AlignHCenter);
  }
  draw_supports(p, r_, s, axis, false);
  y += 112;

  // Deflection line.
  const std::vector<QPointF> d = deflection_line(r_, lc);
  text_at(p, {kMargin, y + 3}, "Nedböjning mm (i lastens riktning positivt, ritat nedåt)",
          sans(7.5, true));
  if (d.empty()) {
    text_at(p, {kMargin, y + 10}, "Lastfallet ger ingen nedböjningskontroll.", sans(7));
    y += 16;
  } else {
    const Band db = band_for(d, y + 8, 60, true);
    const double ax = db.y(0);
    p.setPen(pen(0.4));
    p.drawLine(QPointF(s.x(0), ax), QPointF(s.x(r_.length()), ax));
    QPolygonF line;
    for (const QPointF& q : d) line << QPointF(s.x(q.x()), db.y(q.y()));
    p.setPen(pen(0.5, QColor(170, 0, 0)));
    p.drawPolyline(line);
    for (int j = 1; j <= r_.n; ++j) {
      const double w = 1000.0 * at(r_.nedbfalt[lc - 1], j - 1);
      const double xm = r_.spanStart(j) + 0.5 * at(r_.spv, j - 1);
      text_at(p, {s.x(xm), db.y(w) + (w > 0 ? 4 : -1)}, num(w, 1), sans(crowded ? 4.8 : 6),
              Qt::AlignHCenter);
    }
    draw_supports(p, r_, s, ax, false);
    y += 78;
  }

  // Support reactions as values.
  text_at(p, {kMargin, y + 3}, "Stödreaktioner kN/m och stödmoment kNm/m", sans(7.5, true));
  y += 6;
  const int per_row = 7;
  for (int i = 1; i <= r_.n + 1; ++i) {
    const int row = (i - 1) / per_row, col = (i - 1) % per_row;
    const double x = kMargin + col * (kPageWidth - 2 * kMargin) / per_row;
    const double yy = y + 4 + row * 9;
    text_at(p, {x, yy}, QString("Stöd %1: R = %2").arg(i).arg(num(at(r_.reakt[lc - 1], i - 1), 2)),
            sans(6.5));
    text_at(p, {x, yy + 3.8}, QString("M = %1").arg(num(at(r_.mstod[lc - 1], i - 1), 2)),
            sans(6.5));
  }
}

void CalcDocument::drawChart(QPainter& p) const {
  const std::vector<int> lcs = r_.loadCases();
  const double w = kPageWidth - 2 * kMargin;
  const double band_h = (kBodyBottom - kBodyTop - 8) / static_cast<double>(lcs.size());
  text_at(p, {kMargin, kBodyTop + 5},
          "Stapel per stöd (S) och fack (F: moment, D: nedböjning); linjen är 100 %, staplar över "
          "100 % röda.",
          sans(7));
  for (std::size_t b = 0; b < lcs.size(); ++b) {
    const int lc = lcs[b];
    const std::vector<ChartBar> bars = chart_bars(r_, lc);
    const double top = kBodyTop + 9 + b * band_h;
    p.setPen(Qt::black);
    text_at(p, {kMargin, top + 4}, lc_title(lc, r_.wall), sans(7.5, true));
    const double chart_top = top + 7, chart_h = band_h - 17;
    double top_ratio = 1.2;
    for (const ChartBar& bar : bars) top_ratio = std::max(top_ratio, bar.ratio * 1.05);
    const double base = chart_top + chart_h;
    auto yr = [&](double r) { return base - r / top_ratio * chart_h; };
    const double x0 = kMargin + 9, cw = w - 9;
    const double slot = cw / static_cast<double>(bars.size());
    p.setPen(pen(0.2, QColor(150, 150, 150)));
    for (double g : {0.25, 0.5, 0.75}) p.drawLine(QPointF(x0, yr(g)), QPointF(x0 + cw, yr(g)));
    p.setPen(Qt::black);
    for (double g : {0.0, 0.5, 1.0})
      text_at(p, {x0 - 1, yr(g) + 1.5}, QString("%1 %").arg(g * 100, 0, 'f', 0), sans(5),
              Qt::AlignRight);
    for (std::size_t i = 0; i < bars.size(); ++i) {
      const ChartBar& bar = bars[i];
      const double x = x0 + i * slot;
      const bool over = bar.ratio > 1.0;
      const QColor fill = over                  ? QColor(200, 30, 30)
                          : bar.label[0] == 'S' ? QColor(70, 110, 170)
                          : bar.label[0] == 'F' ? QColor(90, 160, 90)
                                                : QColor(200, 150, 50);
      p.fillRect(QRectF(x + slot * 0.12, yr(bar.ratio), slot * 0.76, base - yr(bar.ratio)), fill);
      const double fs = std::clamp(slot * 1.4, 3.5, 6.0);
      text_at(p, {x + slot / 2, base + 3.6}, bar.label, sans(fs), Qt::AlignHCenter);
      text_at(p, {x + slot / 2, yr(bar.ratio) - 0.4}, percent(bar.ratio), sans(fs, over),
              Qt::AlignHCenter);
    }
    p.setPen(pen(0.3));
    p.drawLine(QPointF(x0, base), QPointF(x0 + cw, base));
    p.setPen(pen(0.4, QColor(170, 0, 0), Qt::DashLine));
    p.drawLine(QPointF(x0, yr(1.0)), QPointF(x0 + cw, yr(1.0)));
  }
}

void CalcDocument::drawText(QPainter& p, int page) const {
  const QStringList& lines = r_.reportPages[static_cast<std::size_t>(page)];
  // The page whole on the sheet: the font scaled down to the longest line
  // and the number of lines, at most 10 points.
  const QFont base = at_size(report_font(), 10);
  const QFontMetricsF fm(base, p.device());
  double widest = 1;
  for (const QString& l : lines) widest = std::max(widest, fm.horizontalAdvance(l));
  const double body_w = kPageWidth - 2 * kMargin, body_h = kBodyBottom - kBodyTop;
  const double rows = static_cast<double>(std::max<qsizetype>(lines.size(), 1));
  const double scale = std::min({1.0, body_w / widest, body_h / (fm.lineSpacing() * rows)});
  const QFont f = at_size(report_font(), 10 * scale);
  p.setFont(f);
  p.setPen(Qt::black);
  const double step = QFontMetricsF(f, p.device()).lineSpacing();
  double y = kBodyTop;
  for (const QString& l : lines) {
    p.drawText(QPointF(kMargin, y + QFontMetricsF(f, p.device()).ascent()), l);
    y += step;
  }
}

bool CalcDocument::paint(QPagedPaintDevice& device) const {
  QPainter p;
  if (!p.begin(&device)) return false;
  for (int i = 0; i < pageCount(); ++i) {
    if (i > 0) device.newPage();
    p.save();
    // The A4 drawing on the sheet, the same scale both ways.
    const QRect vp = p.viewport();
    const double k = std::min(vp.width() / kPageWidth, vp.height() / kPageHeight);
    p.scale(k, k);
    drawPage(p, i);
    p.restore();
  }
  return p.end();
}

bool CalcDocument::writePdf(const QString& path, QString& message) const {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    message = QString("PDF-filen %1 kan inte skapas: %2").arg(path, file.errorString());
    return false;
  }
  {
    QPdfWriter pdf(&file);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(600);
    pdf.setTitle(r_.rubrik);
    pdf.setCreator(QString("KVOP ") + KVOP_VERSION);
    if (!paint(pdf)) {
      file.cancelWriting();
      message = QString("PDF-filen %1 kan inte ritas.").arg(path);
      return false;
    }
  }
  if (!file.commit()) {
    message = QString("PDF-filen %1 kan inte skrivas: %2").arg(path, file.errorString());
    return false;
  }
  return true;
}

}  // namespace kvop::editor
