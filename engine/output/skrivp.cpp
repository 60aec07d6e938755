#include "output/skrivp.h"

#include "output/report_lines.h"
#include "core/cp1252.h"

namespace kvop {
namespace {

const notation::Layout kBanner("(/4X,'UTDATA'/4X,'******')");
const notation::Layout kProfile("(//4X,'PROFIL: ',A8,2X,A,'EXTRA SIDÖVERLAPP:',F5.2)");
const notation::Layout kPlain("(22X,A12,11X,A12)");
const notation::Layout kMicroband("(4X,'MED MIKROBAND',5X,A12,11X,A12)");

std::string perforation_text(int perfo) {
  switch (perfo) {
    case 0: return "EJ PERF.    ";
    case 1: return "DEL PERF.   ";
    case 2: return "HEL PERF.   ";
    default: return std::string(12, ' ');
  }
}

}  // namespace

std::string orientation_text(int vandr) {
  switch (vandr) {
    case 1: return "SF MOT REGEL";
    case 2: return "BF MOT REGEL";
    default: return std::string(12, ' ');
  }
}

void skrivp(RunContext& ctx, int ip) {
  const InputCase& in = ctx.in;
  if (ip == 1) report(ctx, kBanner);
  const std::string lock =
      in.tjlk(1) > 0.1f ? enc("LÅSTA TJOCKLEKAR       ") : enc("EJ LÅSTA TJOCKLEKAR    ");
  const int f = profile_fields(ctx, ip);
  report(ctx, kProfile, {shown_designation(ctx, ip).view(), lock, in.sidoverl(f)});
  const std::string o = orientation_text(in.vandr(f));
  const std::string p = perforation_text(ctx.prep.perfo(f));
  report(ctx, in.mikroband == 0 ? kPlain : kMicroband, {o, p});
}

}  // namespace kvop
