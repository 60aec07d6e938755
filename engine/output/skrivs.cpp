// skrivs: the closing sections of a roof profile's report - the diaphragm
// section with the permitted forces per support and span, and for a VEX roof
// the largest spacings of the fastening bands.
#include "output/skrivs.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/cp1252.h"
#include "core/format.h"

namespace kvop {
namespace {

using notation::Layout;
using notation::Value;

// Writes `values` in lines of `per_line`: the first through `first`, every
// further one through `more`.  A further line begins only when values remain.
void rows(Channel& report, const Layout& first, const Layout& more,
          const std::vector<Value>& values, std::size_t per_line) {
  for (std::size_t at = 0; at < values.size(); at += per_line) {
    const std::size_t n = std::min(per_line, values.size() - at);
    notation::write(report, at == 0 ? first : more, std::span<const Value>(values.data() + at, n));
  }
}

}  // namespace

void skrivs(RunContext& ctx) {
  static const Layout kAllowable(
      "(/,4X,'SKIVVERKAN',/,4X,'----------',"
      "/,4X,'SAMTIDIGT MED LASTER I LASTFALL 4 FÅR PROFILEN UTNYTTJAS FÖR',"
      "/,4X,'SKIVVERKANSKRAFTER ENLIGT TABELL, DÄR',"
      "/,4X,'VUS = TILLÅTEN SKJUVKRAFT (KN/M) MELLAN UPPLAG OCH PLÅT',"
      "/,4X,'VUF = TILLÅTEN SKIVKRAFT (KN/M) I TAKSKIVAN',"
      "/,4X,'ÄNDUPPLAGEN ÄR ',A8,' MHT FÖRSKJUTNING I SIDLED.')");
  static const Layout kDesign(
      "(/,4X,'SKIVVERKAN',/,4X,'----------',"
      "/,4X,'SAMTIDIGT MED LASTER I LASTFALL 4 FÅR PROFILEN UTNYTTJAS FÖR',"
      "/,4X,'SKIVVERKANSKRAFTER ENLIGT TABELL, DÄR',"
      "/,4X,'VUS = SKJUVKRAFT (KN/M) MELLAN UPPLAG OCH PLÅT AV VINDLAST',"
      "/,4X,'      MULT. MED PARTIALKOEFFICIENTEN.',"
      "/,4X,'VUF = SKIVKRAFT (KN/M) I TAKSKIVAN AV VINDLAST MULT. MED',"
      "/,4X,'      PARTIALKOEFFICIENTEN.',"
      "/,4X,'ÄNDUPPLAGEN ÄR ',A8,' MHT FÖRSKJUTNING I SIDLED.')");
  static const Layout kSpanNumbers("(/,4X,'FACK  NR',3X,8(I4,2X))");
  static const Layout kSpanNumbersMore("(4X,15X,8(I4,2X))");
  static const Layout kVus("(4X,'VUS    ',9(F5.1,1X))");
  static const Layout kVusMore("(4X,14X,9(F5.1,1X))");
  static const Layout kVuf("(4X,'VUF     ',2X,8F6.1)");
  static const Layout kVufMore("(4X,17X,8F6.1)");
  static const Layout kBands(
      "(/,4X,'VEX INFÄSTNINGSBAND',/,4X,'-------------------',"
      "/,4X,'MED HÄNSYN TILL DEN BÄRANDE PROFILEN FÅR VEX-BANDEN PLACERAS',"
      "/,4X,'PÅ AVSTÅND HÖGST =',F5.2,' M. MED AVVÄXLINGSBALK OCH',"
      "/,4X,'PÅ AVSTÅND HÖGST =',F5.2,' M. UTAN AVVÄXLINGSBALK',"
      "/,4X,'AVSTÅNDEN MÅSTE OCKSÅ KONTROLLERAS MED HÄNSYN TILL SKRUVAR',"
      "/,4X,'OCH WRS48-PROFIL, SE VEX - RAPPORT')");
  static const std::string kLocked = enc("LÅSTA   ");
  static const std::string kNotLocked = enc("EJ LÅSTA");

  const InputCase& in = ctx.in;
  const SummaryResults& sum = ctx.sum;
  Channel& report = ctx.channels.report;
  const int n = std::clamp(in.nfack, 1, 20);

  const std::string& locking = sum.lasfl == 1 ? kLocked : kNotLocked;
  notation::write(report, in.sakkl == 0 ? kAllowable : kDesign, {locking});

  std::vector<Value> v;
  for (int j = 1; j <= n; ++j) v.emplace_back(j);
  rows(report, kSpanNumbers, kSpanNumbersMore, v, 8);
  v.clear();
  for (int i = 1; i <= n + 1; ++i) v.emplace_back(sum.vus(i));
  rows(report, kVus, kVusMore, v, 9);
  v.clear();
  for (int j = 1; j <= n; ++j) v.emplace_back(sum.vuf(j));
  rows(report, kVuf, kVufMore, v, 8);

  if (in.vextak != 0) notation::write(report, kBands, {sum.bandavst1, sum.bandavst2});
}

}  // namespace kvop
