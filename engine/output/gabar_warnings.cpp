#include "output/gabar_warnings.h"

#include <string>

#include "core/format.h"

namespace kvop {

void gabar_warnings(RunContext& ctx) {
  using notation::Layout;
  static const Layout kFirst("(/,4X,'OBS!! GÅBARHETEN ÖVERSKRIDEN I FACK NR: ',I2)");
  static const Layout kFurther("(4X,A40,I2)");
  static const Layout kSheetLength("(/,4X,'OBS!! MAX PLÅTLÄNGD ÖVERSKRIDEN')");
  static const Layout kPerforated(
      "(/,4X,'GÅBARHETEN FÖR HELPERFORERAD PROFIL ÄR EJ KONTROLLERAD,',"
      "/,4X,'KONTAKTA NÄRMASTE MELBROKKONTOR FÖR INFORMATION')");
  // Ditto marks under "GÅBARHETEN ÖVERSKRIDEN I FACK NR: ".
  static const std::string kDitto = std::string(10, ' ') + '"' + std::string(10, ' ') + '"' +
                                    std::string(10, ' ') + '"' + std::string(5, ' ') + ": ";
  const WalkResults& w = ctx.walk;
  Channel& report = ctx.channels.report;
  for (int k = 1; k <= w.count; ++k) {
    if (k == 1)
      notation::write(report, kFirst, {w.spans(k)});
    else
      notation::write(report, kFurther, {kDitto, w.spans(k)});
  }
  if (w.sheet_too_long) notation::write(report, kSheetLength);
  if (w.fully_perforated) notation::write(report, kPerforated);
}

}  // namespace kvop
