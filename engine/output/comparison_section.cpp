#include "output/comparison_section.h"

#include <vector>

#include "core/cp1252.h"
#include "output/report_lines.h"
#include "output/skriva.h"

namespace kvop {

std::string ratio_kind_text(RatioKind kind) {
  switch (kind) {
    case RatioKind::support: return enc("STÖD");
    case RatioKind::span: return enc("FÄLT");
    case RatioKind::deflection: return "DEF.";
  }
  return {};
}

namespace {

const notation::Layout kTitle("(/4X,'JÄMFÖRELSE AV PROFILER'/4X,'**********************')");
const notation::Layout kHead(
    "(/4X,'PROFIL       VIKT   STÖRSTA UTNYTTJANDE  GÅNGBARHET  KLARAR'"
    "/4X,'            KG/M2     %   VAR                        SIG')");
const notation::Layout kRow("(/4X,A8,F9.2,I6,3X,A4,I3,' LF',I2,3X,A10,2X,A)");
const notation::Layout kThicknesses("(8X,'TJOCKLEK MM:',10F6.2,(/,20X,10F6.2))");
const notation::Layout kWalkSpans("(8X,'GÅNGBARHETEN ÖVERSKRIDEN I FACK NR:',10I3)");
const notation::Layout kSheetLength("(8X,'MAX PLÅTLÄNGD ÖVERSKRIDEN')");
const notation::Layout kNotes(
    "(/4X,'VIKT: PLÅTENS EGENTYNGD PER M2, MEDELVÄRDE ÖVER FACK OCH KONSOLER'"
    "/4X,'UTNYTTJANDE: STÖRSTA KVOT I LASTFALL (LF) 1-4, I % AV BÄRFÖRMÅGAN'"
    "/4X,'ORDNING: PROFILER SOM KLARAR SIG FÖRST, DÄREFTER LÄTTASTE FÖRST')");

// Left-aligned in the column of 10 characters.
std::string walk_text(const ProfileOutcome& o) {
  std::string t = !o.walk_checked ? "EJ KONTR." : o.walk.count > 0 ? enc("ÖVERSKR.") : "OK";
  t.resize(10, ' ');
  return t;
}

}  // namespace

void comparison_section(RunContext& ctx) {
  report(ctx, kTitle);
  report(ctx, kHead);
  for (const ProfileOutcome& o : ctx.comparison) {
    report(ctx, kRow,
           {o.designation.view(), o.weight_kg_m2, percent(o.max_ratio),
            ratio_kind_text(o.governs.kind), o.governs.number, o.governs.load_case, walk_text(o),
            o.passes ? std::string("JA") : std::string("NEJ")});
    std::vector<notation::Value> t;
    for (int j = 1; j <= o.spans; ++j) t.emplace_back(o.plattj(j));
    notation::write(ctx.channels.report, kThicknesses, t);
    if (o.walk_checked && o.walk.count > 0) {
      std::vector<notation::Value> s;
      for (int k = 1; k <= o.walk.count; ++k) s.emplace_back(o.walk.spans(k));
      notation::write(ctx.channels.report, kWalkSpans, s);
    }
    if (o.walk.sheet_too_long) report(ctx, kSheetLength);
  }
  report(ctx, kNotes);
}

}  // namespace kvop
