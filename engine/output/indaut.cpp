// indaut: the report file and its first section, the heading and the echo of
// the input case.  Every line is written through a layout that reads like the
// report line it writes.
#include "output/indaut.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <string_view>
#include <vector>

#include "core/cp1252.h"
#include "core/file_names.h"
#include "core/format.h"
#include "core/markets.h"

namespace kvop {
namespace {

using notation::Layout;
using notation::Value;

// Use texts by use index 1..4 (1 wall, roof: taktyp + 2).
constexpr std::array<std::string_view, 4> kUse = {"VÄGG            ", "EJ ISOLERAT TAK ",
                                                  "ISOLERAT TAK    ", "VEX-TAK         "};
// Deflection texts by deflection index 1..2.
constexpr std::array<std::string_view, 2> kDeflection = {"ENLIGT EC 3 ", "SPÄNNVIDD/  "};
// Top-flange texts by oflans 0..2.
constexpr std::array<std::string_view, 3> kTopFlange = {"EJ LÅST     ", "LÅST OM NÖDV",
                                                        "LÅST        "};

std::string method_text(const InputCase& in) {
  const auto* table = &market_rules(in.marknadskod).method;
  if (in.sakkl < 0 || in.sakkl > 3) return std::string(enc(table->front()).size(), ' ');
  return enc((*table)[static_cast<std::size_t>(in.sakkl)]);
}

std::string market_name(const InputCase& in) {
  return std::string(market_rules(in.marknadskod).name);
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
  return {r == 2 ? enc(kDeflection[1]) : std::string(12, ' '),
          notation::afor3r(in.nedbkvot, 8).text};
}

bool widths_equal(const InputCase& in) {
  for (int j = 2; j <= in.nfack + 1; ++j)
    if (std::fabs(in.upplbredd(j) - in.upplbredd(1)) > 0.001f) return false;
  return true;
}

// Creates the report of the case on the report channel; the channel removes
// an old report first, in whatever letter case it was written.
bool create_report(RunContext& ctx) {
  const std::string name(ctx.in.rednamn.trimmed());
  if (!is_bare_file_name(name)) return false;
  return ctx.channels.report.open_write(file_for_writing(ctx.dir, name));
}

void write_heading(RunContext& ctx) {
  static const Layout kCase("(56X,'INDATAFIL : ',A8)");
  static const Layout kDate("(56X,'DATUM : ',I4,'.',I2.2,'.',I2.2)");
  static const Layout kTime("(56X,'TID   : ',2X,I2.2,':',I2.2,':',I2.2)");
  static const Layout kBanner("(/,4X,'TAK- OCH VÄGGPLÅT',/,4X,'ENL. EUROKOD',/,/)");
  static const Layout kTitle("(4X,'INDATA',/,4X,'******',/,4X,A80)");
  Channel& u = ctx.channels.report;
  const LocalTime now = read_clock(ctx);
  notation::write(u, kCase, {ctx.in.indatafil.view()});
  notation::write(u, kDate, {now.year, now.month, now.day});
  notation::write(u, kTime, {now.hour, now.minute, now.second});
  notation::write(u, kBanner);
  notation::write(u, kTitle, {ctx.in.rubrik.view()});
}

void write_market_and_supports(RunContext& ctx) {
  static const Layout kMarketLine("(/,4X,'MARKNADSKOD:',I2,' (',A8,')    ',A)");
  static const Layout kUsePsi(
      "(4X,'ANV.OMRÅDE : ',A16,'PSI0/PSI1: SNÖ=',F4.2,'/',F4.2,' VIND=',F4.2,'/',F4.2)");
  static const Layout kUseDeflection("(4X,'ANV.OMRÅDE : ',A16,'DEFORMATIONSKRAV: ',A12,A8)");
  static const Layout kWidth("(4X,'UPPL.BREDD :',F6.3,11X,'DEFORMATIONSKRAV: ',A12,A8)");
  static const Layout kDeflectionOnly("(33X,'DEFORMATIONSKRAV: ',A12,A8)");
  static const Layout kWidthsFirst("(4X,'UPPL.BREDD :',8F6.3)");
  static const Layout kWidthsMore("(16X,8F6.3)");
  const InputCase& in = ctx.in;
  Channel& u = ctx.channels.report;
  notation::write(u, kMarketLine, {in.marknadskod, market_name(in), method_text(in)});
  const std::string use = use_text(in);
  const auto [deflection, value] = deflection_texts(in);
  if (market_rules(in.marknadskod).echo_psi)
    notation::write(u, kUsePsi, {use, in.psi0sno, in.psi1sno, in.psi0vind, in.psi1vind});
  else
    notation::write(u, kUseDeflection, {use, deflection, value});

  if (widths_equal(in)) {
    notation::write(u, kWidth, {in.upplbredd(1), deflection, value});
    return;
  }
  notation::write(u, kDeflectionOnly, {deflection, value});
  // All nfack+1 widths, eight to a line.
  const int n = std::min(in.nfack, 20) + 1;
  for (int first = 1; first <= n; first += 8) {
    std::vector<Value> widths;
    for (int j = first; j <= std::min(n, first + 7); ++j) widths.emplace_back(in.upplbredd(j));
    notation::write(u, first == 1 ? kWidthsFirst : kWidthsMore, widths);
  }
}

void write_roof(RunContext& ctx) {
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
  static const Layout kDriftLeft(
      "(12X,'TRIANGULÄRLAST VÄ, FORMFAKTOR:',F6.2,'   LÄNGD:',F6.2,' M')");
  static const Layout kDriftRight(
      "(12X,'TRIANGULÄRLAST HÖ, FORMFAKTOR:',F6.2,'   LÄNGD:',F6.2,' M')");
  static const Layout kPocket(
      "(12X,'EXTRA SNÖFICKA FACK FORMFAKTOR AVSTÅND  LÄNGD','  LÄNGD MAX SNÖ',/,"
      "12X,'                NR     MAX         M       M ','       M',/,"
      "26X,I4,F10.2,F10.2,F7.2,F9.2)");
  static const Layout kLineHead(
      "(12X,'LINJELAST (KN/M) FACK AVSTÅND  BROTT   BRUKS  BROTT',/,"
      "12X,'                  NR     M      NED     NED    UPP ')");
  static const Layout kLineLoad("(28X,I4,F8.2,F8.2,F8.2,F7.2)");
  static const Layout kWind(
      "(12X,'VINDSUG GRUNDVÄRDE:',F5.2,' KN/M2 FORMFAKTOR SUG/TRYCK:',F5.2,'/',F4.2)");
  static const Layout kEdge("(12X,'VINDSUG RANDZON, FORMFAKTOR:',F6.2,'  LÄNGD:',F6.2,' M')");
  const InputCase& in = ctx.in;
  Channel& u = ctx.channels.report;

  notation::write(u, kSlope, {in.taklutn});
  if (in.vextak != 0 && in.taklutn > 7.5f)
    notation::write(u, in.kvottak > 9999.0f ? kRidgeLock : kBeamLock);
  if (in.vextak != 0 && in.kvottak <= 9999.0f) notation::write(u, kRatio, {in.kvottak});
  const std::string flange = in.oflans >= 0 && in.oflans <= 2
                                 ? enc(kTopFlange[static_cast<std::size_t>(in.oflans)])
                                 : std::string(12, ' ');
  notation::write(u, kFlange, {flange});
  notation::write(u, kSelfWeight, {in.egentyngd});
  notation::write(u, kSnow, {in.snolast});
  const float service_snow = in.snolast * in.psi1sno;
  notation::write(u, kSnowService, {service_snow});
  notation::write(u, kSnowShape, {in.snoform});
  if (in.trivlgd > 0.01f) notation::write(u, kDriftLeft, {in.trivform, in.trivlgd});
  if (in.trihlgd > 0.01f) notation::write(u, kDriftRight, {in.trihform, in.trihlgd});
  if (in.fickfack > 0)
    notation::write(u, kPocket, {in.fickfack, in.fickform, in.fickavst, in.ficklgd, in.fickmaxlgd});
  if (in.nlinj > 0) {
    notation::write(u, kLineHead);
    for (int k = 1; k <= std::min(in.nlinj, 5); ++k) {
      const Linjlast& l = in.linjlast(k);
      notation::write(u, kLineLoad,
                      {in.linjfack(k), l.linjavst, l.brottned, l.bruksned, l.brottupp});
    }
  }
  notation::write(u, kWind, {in.vind(1), in.vind(2), in.vind(3)});
  if (in.taktyp == 0) notation::write(u, kEdge, {in.vind(4), in.vind(5)});
}

void write_wall(RunContext& ctx) {
  static const Layout kWind(
      "(12X,'VINDLAST GRUNDVÄRDE:',F5.2,' KN/M2 FORMFAKTOR:',F5.2,' LAST FRÅN PLÅT',/,"
      "44X,'FORMFAKTOR:',F5.2,' LAST MOT PLÅT')");
  static const Layout kEdge(
      "(12X,'VINDLAST RANDZON   , FORMFAKTOR:',F6.2,'  LÄNGD:',F5.2,'M',' LAST FR. PLÅT',/,"
      "33X,'FORMFAKTOR:',F6.2,'  LÄNGD:',F5.2,'M LAST MOT PLÅT')");
  const InputCase& in = ctx.in;
  notation::write(ctx.channels.report, kWind, {in.vind(1), in.vind(2), in.vind(3)});
  notation::write(ctx.channels.report, kEdge, {in.vind(4), in.vind(5), in.vind(6), in.vind(7)});
}

}  // namespace

int indaut(RunContext& ctx) {
  if (!create_report(ctx)) {
    // Without a report file the run cannot deliver anything: it stops here.
    // The second line names the file and the system's reason.
    ctx.console.error(notation::list_directed(enc("*** FEL VID ÖPPNING AV FIL ***")));
    if (ctx.channels.report.failed()) ctx.console.error(ctx.channels.report.failure_message());
    return 1;
  }
  write_heading(ctx);
  write_market_and_supports(ctx);
  if (ctx.in.vagg == 1)
    write_wall(ctx);
  else
    write_roof(ctx);
  return 0;
}

}  // namespace kvop
