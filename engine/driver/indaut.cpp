// indaut: the report file and its first section, the heading and the echo of
// the input case.  Every line is written through a layout that reads like the
// documented line layout of the report.
#include "driver/indaut.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <string_view>
#include <vector>

#include "driver/file_names.h"
#include "report/cp1252.h"
#include "report/format.h"

namespace kvop {
namespace {

using fmt::Layout;
using fmt::Value;

// Market names by marknadskod 1..5.
constexpr std::array<std::string_view, 5> kMarket = {"SVERIGE ", "POLEN   ", "NORGE   ",
                                                     "FINLAND ", "DANMARK "};

// Method texts by market table and sakkl 0..3.
constexpr std::array<std::string_view, 4> kMethodSweden = {
    "DIM ENL METOD M TILL PÅKÄNNINGAR", "PARTKOEFFMET SÄKERHETSKLASS 1   ",
    "PARTKOEFFMET SÄKERHETSKLASS 2   ", "PARTKOEFFMET SÄKERHETSKLASS 3   "};
constexpr std::array<std::string_view, 4> kMethodFinlandPoland = {
    "DIM ENL METOD M TILL PÅKÄNNINGAR", "PARTKOEFFMET SÄKERHETSKLASS RC1 ",
    "PARTKOEFFMET SÄKERHETSKLASS RC2 ", "PARTKOEFFMET SÄKERHETSKLASS RC3 "};
constexpr std::array<std::string_view, 4> kMethodNorway = {
    "DIM ENL METOD M TILL PÅKÄNNINGAR        ", "PARTKOEFFMET PÅLITLIGHETSKL. 1 (kL=0.9) ",
    "PARTKOEFFMET PÅLITLIGHETSKL. 2 (kL=1.0) ", "PARTKOEFFMET PÅLITLIGHETSKL. 3 (kL=1.0) "};
constexpr std::array<std::string_view, 4> kMethodDenmark = {
    "DIM ENL METOD M TILL PÅKÄNNINGAR        ", "PARTKOEFFMET KONSTRUKTIONSKLASSE 1      ",
    "PARTKOEFFMET KONSTRUKTIONSKLASSE 2      ", "PARTKOEFFMET KONSTRUKTIONSKLASSE 3      "};

// Use texts by use index 1..4 (1 wall, roof: taktyp + 2).
constexpr std::array<std::string_view, 4> kUse = {"VÄGG            ", "EJ ISOLERAT TAK ",
                                                  "ISOLERAT TAK    ", "VEX-TAK         "};
// Deflection texts by deflection index 1..2.
constexpr std::array<std::string_view, 2> kDeflection = {"ENLIGT EC 3 ", "SPÄNNVIDD/  "};
// Top-flange texts by oflans 0..2.
constexpr std::array<std::string_view, 3> kTopFlange = {"EJ LÅST     ", "LÅST OM NÖDV",
                                                        "LÅST        "};

std::string method_text(const InputCase& in) {
  const auto* table = &kMethodSweden;
  if (in.marknadskod == 2 || in.marknadskod == 4) table = &kMethodFinlandPoland;
  if (in.marknadskod == 3) table = &kMethodNorway;
  if (in.marknadskod == 5) table = &kMethodDenmark;
  if (in.sakkl < 0 || in.sakkl > 3) return std::string(enc(table->front()).size(), ' ');
  return enc((*table)[static_cast<std::size_t>(in.sakkl)]);
}

std::string market_name(const InputCase& in) {
  if (in.marknadskod < 1 || in.marknadskod > 5) return std::string(8, ' ');
  return std::string(kMarket[static_cast<std::size_t>(in.marknadskod - 1)]);
}

std::string use_text(const InputCase& in) {
  const int u = in.vagg == 1 ? 1 : in.taktyp + 2;
  if (u < 1 || u > 4) return std::string(16, ' ');
  return enc(kUse[static_cast<std::size_t>(u - 1)]);
}

// The deflection text (12 characters) and its value text (8 characters).
std::pair<std::string, std::string> deflection_texts(const InputCase& in) {
  const int r = in.nedbkrav == 0 ? 2 : in.nedbkrav;
  if (r == 1) return {enc(kDeflection[0]), std::string(8, ' ')};
  std::string value;
  int width = 0;
  afor3r(in.nedbkvot, value, width, 8);
  return {r == 2 ? enc(kDeflection[1]) : std::string(12, ' '), value};
}

bool widths_equal(const InputCase& in) {
  for (int j = 2; j <= in.nfack + 1; ++j)
    if (std::fabs(in.upplbredd(j) - in.upplbredd(1)) > 0.001f) return false;
  return true;
}

LocalTime computer_clock() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t t = std::chrono::system_clock::to_time_t(now);
  std::tm tm{};
  localtime_r(&t, &tm);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()) % 1000;
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
          static_cast<int>(ms.count() / 10)};
}

LocalTime read_clock(const RunContext& ctx) { return ctx.clock ? ctx.clock() : computer_clock(); }

// Deletes an old report of the case and creates the new one on `unit`.
bool create_report(RunContext& ctx, int unit) {
  const std::string name(ctx.in.rednamn.trimmed());
  if (!is_bare_file_name(name)) return false;
  std::error_code ec;
  if (auto old = find_file(ctx.dir, name)) {
    std::filesystem::remove(*old, ec);
    if (ec) return false;
  }
  return ctx.units.open_write(unit, file_for_writing(ctx.dir, name));
}

void write_heading(RunContext& ctx, int unit) {
  static const Layout kCase("(56X,'INDATAFIL : ',A8)");
  static const Layout kDate("(56X,'DATUM : ',I4,'.',I2.2,'.',I2.2)");
  static const Layout kTime("(56X,'TID   : ',2X,I2.2,':',I2.2,':',I2.2)");
  static const Layout kBanner("(/,4X,'TAK- OCH VÄGGPLÅT',/,4X,'ENL. EUROKOD',/,/)");
  static const Layout kTitle("(4X,'INDATA',/,4X,'******',/,4X,A80)");
  Units& u = ctx.units;
  int year, month, day, hour, minute, second, hundredths;
  getdat(ctx, year, month, day);
  gettim(ctx, hour, minute, second, hundredths);
  fmt::write(u, unit, kCase, {ctx.in.indatafil.view()});
  fmt::write(u, unit, kDate, {year, month, day});
  fmt::write(u, unit, kTime, {hour, minute, second});
  fmt::write(u, unit, kBanner);
  fmt::write(u, unit, kTitle, {ctx.in.rubrik.view()});
}

void write_market_and_supports(RunContext& ctx, int unit) {
  static const Layout kMarketLine("(/,4X,'MARKNADSKOD:',I2,' (',A8,')    ',A)");
  static const Layout kUsePsi(
      "(4X,'ANV.OMRÅDE : ',A16,'PSI0/PSI1: SNÖ=',F4.2,'/',F4.2,' VIND=',F4.2,'/',F4.2)");
  static const Layout kUseDeflection("(4X,'ANV.OMRÅDE : ',A16,'DEFORMATIONSKRAV: ',A12,A8)");
  static const Layout kWidth("(4X,'UPPL.BREDD :',F6.3,11X,'DEFORMATIONSKRAV: ',A12,A8)");
  static const Layout kDeflectionOnly("(33X,'DEFORMATIONSKRAV: ',A12,A8)");
  static const Layout kWidthsFirst("(4X,'UPPL.BREDD :',8F6.3)");
  static const Layout kWidthsMore("(16X,8F6.3)");
  const InputCase& in = ctx.in;
  Units& u = ctx.units;
  fmt::write(u, unit, kMarketLine, {in.marknadskod, market_name(in), method_text(in)});
  const std::string use = use_text(in);
  const auto [deflection, value] = deflection_texts(in);
  if (in.marknadskod >= 1 && in.marknadskod <= 5)
    fmt::write(u, unit, kUsePsi, {use, in.psi0sno, in.psi1sno, in.psi0vind, in.psi1vind});
  else
    fmt::write(u, unit, kUseDeflection, {use, deflection, value});

  if (widths_equal(in)) {
    fmt::write(u, unit, kWidth, {in.upplbredd(1), deflection, value});
    return;
  }
  fmt::write(u, unit, kDeflectionOnly, {deflection, value});
  // All nfack+1 widths, eight to a line.
  const int n = std::min(in.nfack, 20) + 1;
  for (int first = 1; first <= n; first += 8) {
    std::vector<Value> widths;
    for (int j = first; j <= std::min(n, first + 7); ++j) widths.emplace_back(in.upplbredd(j));
    fmt::write(u, unit, first == 1 ? kWidthsFirst : kWidthsMore, widths);
  }
}

void write_roof(RunContext& ctx, int unit) {
  static const Layout kSlope("(4X,'TAKLUTNING :',F6.3,'  GR',15X)");
  static const Layout kRidgeLock("(4X,'LÅSNING AV TAKSKIVA MED NOCKBESLAG')");
  static const Layout kBeamLock("(4X,'LÅSNING MED LÅSBALK I SIDÖVERLAPP')");
  static const Layout kRatio("(4X,'KVOT AV TAKFALL SOM TAR KRAFT I TAKPLAN:',F8.3)");
  static const Layout kFlange("(4X,'ÖVERFLÄNS ÄNDSTÖD:  ',A12)");
  static const Layout kSelfWeight(
      "(4X,'LASTER: EGENTYNGD TAKKONSTRUKTION INKL TAKPLÅT:',F6.2,'  KN/M2')");
  static const Layout kSnow("(12X,'SNÖLAST GRUNDVÄRDE    :',F6.2,' KN/M2  ',8X)");
  static const Layout kSnowService("(12X,'SNÖLAST I BRUKSGRÄNS  :',F6.2,' KN/M2 ')");
  static const Layout kSnowShape("(12X,'SNÖLAST FORMFAKTOR    :',F6.2)");
  static const Layout kDriftLeft("(12X,'TRIANGULÄRLAST VÄ, FORMFAKTOR:',F6.2,'   LÄNGD:',F6.2,' M')");
  static const Layout kDriftRight("(12X,'TRIANGULÄRLAST HÖ, FORMFAKTOR:',F6.2,'   LÄNGD:',F6.2,' M')");
  static const Layout kPocket(
      "(12X,'EXTRA SNÖFICKA FACK FORMFAKTOR AVSTÅND  LÄNGD','  LÄNGD MAX SNÖ',/,"
      "12X,'                NR     MAX         M       M ','       M',/,"
      "26X,I4,F10.2,F10.2,F7.2,F9.2)");
  static const Layout kLineHead(
      "(12X,'LINJELAST (KN/M) FACK AVSTÅND  BROTT   BRUKS  BROTT',/,"
      "12X,'                  NR     M      NED     NED    UPP ')");
  static const Layout kLineLoad("(28X,I4,F8.2,F8.2,F8.2,F7.2)");
  static const Layout kWind("(12X,'VINDSUG GRUNDVÄRDE:',F5.2,' KN/M2 FORMFAKTOR SUG/TRYCK:',F5.2,'/',F4.2)");
  static const Layout kEdge("(12X,'VINDSUG RANDZON, FORMFAKTOR:',F6.2,'  LÄNGD:',F6.2,' M')");
  const InputCase& in = ctx.in;
  Units& u = ctx.units;

  fmt::write(u, unit, kSlope, {in.taklutn});
  if (in.vextak != 0 && in.taklutn > 7.5f)
    fmt::write(u, unit, in.kvottak > 9999.0f ? kRidgeLock : kBeamLock);
  if (in.vextak != 0 && in.kvottak <= 9999.0f) fmt::write(u, unit, kRatio, {in.kvottak});
  const std::string flange =
      in.oflans >= 0 && in.oflans <= 2 ? enc(kTopFlange[static_cast<std::size_t>(in.oflans)])
                                       : std::string(12, ' ');
  fmt::write(u, unit, kFlange, {flange});
  fmt::write(u, unit, kSelfWeight, {in.egentyngd});
  fmt::write(u, unit, kSnow, {in.snolast});
  const float service_snow = in.snolast * in.psi1sno;
  fmt::write(u, unit, kSnowService, {service_snow});
  fmt::write(u, unit, kSnowShape, {in.snoform});
  if (in.trivlgd > 0.01f) fmt::write(u, unit, kDriftLeft, {in.trivform, in.trivlgd});
  if (in.trihlgd > 0.01f) fmt::write(u, unit, kDriftRight, {in.trihform, in.trihlgd});
  if (in.fickfack > 0)
    fmt::write(u, unit, kPocket, {in.fickfack, in.fickform, in.fickavst, in.ficklgd, in.fickmaxlgd});
  if (in.nlinj > 0) {
    fmt::write(u, unit, kLineHead);
    for (int k = 1; k <= std::min(in.nlinj, 5); ++k) {
      const Linjlast& l = in.linjlast(k);
      fmt::write(u, unit, kLineLoad, {in.linjfack(k), l.linjavst, l.brottned, l.bruksned, l.brottupp});
    }
  }
  fmt::write(u, unit, kWind, {in.vind(1), in.vind(2), in.vind(3)});
  if (in.taktyp == 0) fmt::write(u, unit, kEdge, {in.vind(4), in.vind(5)});
}

void write_wall(RunContext& ctx, int unit) {
  static const Layout kWind(
      "(12X,'VINDLAST GRUNDVÄRDE:',F5.2,' KN/M2 FORMFAKTOR:',F5.2,' LAST FRÅN PLÅT',/,"
      "44X,'FORMFAKTOR:',F5.2,' LAST MOT PLÅT')");
  static const Layout kEdge(
      "(12X,'VINDLAST RANDZON   , FORMFAKTOR:',F6.2,'  LÄNGD:',F5.2,'M',' LAST FR. PLÅT',/,"
      "33X,'FORMFAKTOR:',F6.2,'  LÄNGD:',F5.2,'M LAST MOT PLÅT')");
  const InputCase& in = ctx.in;
  fmt::write(ctx.units, unit, kWind, {in.vind(1), in.vind(2), in.vind(3)});
  fmt::write(ctx.units, unit, kEdge, {in.vind(4), in.vind(5), in.vind(6), in.vind(7)});
}

}  // namespace

void indaut(RunContext& ctx, int& unit, int& istat) {
  istat = 0;
  if (!create_report(ctx, unit)) {
    // Without a report file the run cannot deliver anything: it stops here.
    ctx.console.error(fmt::list_directed(enc("*** FEL VID ÖPPNING AV FIL ***")));
    istat = 1;
    return;
  }
  write_heading(ctx, unit);
  write_market_and_supports(ctx, unit);
  if (ctx.in.vagg == 1)
    write_wall(ctx, unit);
  else
    write_roof(ctx, unit);
}

void afor3r(float value, std::string& text, int& width, int length) {
  text.assign(static_cast<std::size_t>(std::max(length, 0)), ' ');
  int n = 1;
  float tenth = 0.1f;  // 0.1 to the power n, in single precision
  const float magnitude = std::fabs(value);
  for (int round = 0; round < 100 && std::trunc(magnitude * tenth) != 0.0f; ++round) {
    ++n;
    tenth *= 0.1f;
  }
  if (value < 0) ++n;
  width = n + 4;
  std::string digits = fmt::edit_f(value, width, 3);
  if (width > length) {
    // The value does not fit the text: it is marked as an overflowing field.
    text.assign(static_cast<std::size_t>(std::max(length, 0)), '*');
    return;
  }
  if (digits.size() >= 2 && digits[0] == ' ') {
    if (digits[1] == '.') digits[0] = '0';
    else if (digits[1] == '-') { digits[0] = '-'; digits[1] = '0'; }
  }
  text.replace(0, digits.size(), digits);
}

void getdat(const RunContext& ctx, int& year, int& month, int& day) {
  const LocalTime t = read_clock(ctx);
  year = t.year;
  month = t.month;
  day = t.day;
}

void gettim(const RunContext& ctx, int& hour, int& minute, int& second, int& hundredths) {
  const LocalTime t = read_clock(ctx);
  hour = t.hour;
  minute = t.minute;
  second = t.second;
  hundredths = t.hundredths;
}

}  // namespace kvop
