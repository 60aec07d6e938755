// skiv: the exchange file "SKIVA.INS" for the separate diaphragm program -
// the case, the chosen thicknesses, the shear and fastener forces of the
// diaphragm load cases, the reserves of supports and spans, and the lengths
// of the individual sheets.
#include "output/skiv.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/cp1252.h"
#include "core/file_names.h"
#include "core/format.h"

namespace kvop {
namespace {

using notation::Layout;
using notation::Value;

// An integer diaphragm value held in a real (the reader stores them exactly).
int whole(float v) { return static_cast<int>(std::clamp(v, -1.0e9f, 1.0e9f)); }

void file_message(RunContext& ctx, const std::string& what, const std::string& reason) {
  ctx.console.error(enc(" *** FEL VID ÖPPNING AV FIL ***"));
  ctx.console.error(" " + what + ": " + reason);
}

// Deletes an old exchange file and creates the new one.  Says on
// the console why when it cannot: the run goes on without the file.
bool create_file(RunContext& ctx) {
  const std::string name(ctx.in.skivnamn.trimmed());
  if (!is_bare_file_name(name)) {
    file_message(ctx, enc("SKIVVERKANSFILEN ") + name, enc("OGILTIGT FILNAMN"));
    return false;
  }
  // The channel removes the old file in any letter case first and creates
  // the new one under the exact name, never through a link.
  if (!ctx.channels.exchange.open_write(ctx.dir / name)) {
    file_message(ctx, enc("SKIVVERKANSFILEN ") + name + enc(" KAN EJ SKAPAS I ") + shown(ctx.dir),
                 ctx.channels.exchange.failure());
    return false;
  }
  return true;
}

}  // namespace

int skiv(RunContext& ctx) {
  static const Layout kText("(A)");
  static const Layout kI2("(I2)");
  static const Layout kI6("(I6)");
  static const Layout kI3List("(21I3)");
  static const Layout kF42("(F4.2)");
  static const Layout kF62("(F6.2)");
  static const Layout kPair("(2F7.3)");
  static const Layout kList("(20F7.3)");
  static const Layout kList21("(21F7.3)");
  static const Layout kA8("(A8)");
  const InputCase& in = ctx.in;
  const AnalysisResults& an = ctx.an;
  const CheckResults& chk = ctx.chk;
  const int n = std::clamp(in.nfack, 1, 20);

  const DiaphragmResults& dia = ctx.dia;
  // Without the file the run goes on: the report is complete as it is.
  if (!create_file(ctx)) return 0;

  Channel& file = ctx.channels.exchange;
  auto list = [&](const Layout& layout, int count, auto value) {
    std::vector<Value> v;
    for (int k = 1; k <= count; ++k) v.emplace_back(value(k));
    notation::write(file, layout, v);
  };
  // The fastener force of an overlap at support i; the last support has none.
  auto fastener = [&](int lc) {
    return [&, lc](int i) { return i == n + 1 ? 0.0f : an.dskruv(lc, i); };
  };

  notation::write(file, kText, {in.indnamn.view()});
  notation::write(file, kI2, {in.taktyp});
  notation::write(file, kI2, {in.marknadskod});
  notation::write(file, kF62, {in.kvottak});
  notation::write(file, kI2, {n});
  list(kList, n, [&](int j) { return in.spv(j); });
  notation::write(file, kA8, {in.pnamn(1).view()});
  notation::write(file, kI2, {in.vandr(1)});
  notation::write(file, kI2, {in.iskiv});
  notation::write(file, kF62, {in.taklutn});
  notation::write(file, kF62, {in.skivdata(1)});
  notation::write(file, kI2, {whole(in.skivdata(2))});
  notation::write(file, kI2, {whole(in.skivdata(3))});
  notation::write(file, kI6, {whole(in.skivdata(4))});
  notation::write(file, kI6, {whole(in.skivdata(5))});
  notation::write(file, kI2, {whole(in.skivdata(6))});
  for (int k = 7; k <= 12; ++k) notation::write(file, kF62, {in.skivdata(k)});
  // Two pairs of end values that the diaphragm program receives as zeros.
  notation::write(file, kPair, {0.0f, 0.0f});
  notation::write(file, kPair, {0.0f, 0.0f});
  list(kList, n, [&](int j) { return chk.plattj(j); });
  for (int lc : {3, 4, 1}) {
    list(kList, n, [&](int j) { return an.tvarv(lc, j); });
    list(kList, n, [&](int j) { return an.tvarh(lc, j); });
    list(kList, n + 1, fastener(lc));
  }
  list(kList21, n + 1, [&](int i) { return chk.skivstod(4, i); });
  list(kList, n, [&](int j) { return chk.skivfalt(4, j); });
  list(kList, n, [&](int j) { return dia.plangd(j); });
  list(kList, n + 1, [&](int j) { return j == n + 1 ? 0.0f : dia.vansk(j); });
  notation::write(file, kText, {in.rubrik.view()});
  list(kI3List, n + 1, [&](int i) { return in.skarvtyp(i); });
  notation::write(file, kF42, {in.konsv});
  notation::write(file, kI2, {in.mbkonsv});
  notation::write(file, kF42, {in.konsh});
  notation::write(file, kI2, {in.mbkonsh});
  notation::write(file, kI2, {in.mikroband});
  notation::write(file, kF42, {in.sidoverl(1)});
  notation::write(file, kI2, {ctx.prep.perfo(1)});
  for (int k = 1; k <= 5; ++k) notation::write(file, kText, {in.skivtext(k).view()});
  return 0;
}

}  // namespace kvop
