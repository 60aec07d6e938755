// skiv: the exchange file "SKIVA.INS" for the separate diaphragm program -
// the case, the chosen thicknesses, the shear and fastener forces of the
// diaphragm load cases, the reserves of supports and spans, and the lengths
// of the individual sheets.
#include "diaphragm/skiv.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

#include "diaphragm/platbitar.h"
#include "driver/file_names.h"
#include "report/cp1252.h"
#include "report/format.h"

namespace kvop {
namespace {

using fmt::Layout;
using fmt::Value;

// An integer diaphragm value held in a real (the reader stores them exactly).
int whole(float v) { return static_cast<int>(std::clamp(v, -1.0e9f, 1.0e9f)); }

void file_message(RunContext& ctx, const std::string& what, const std::string& reason) {
  ctx.console.error(enc(" *** FEL VID ÖPPNING AV FIL ***"));
  ctx.console.error(" " + what + ": " + reason);
}

// Deletes an old exchange file and creates the new one on `unit`.  Says on
// the console why when it cannot: the run goes on without the file.
bool create_file(RunContext& ctx, int unit) {
  const std::string name(ctx.in.skivnamn.trimmed());
  if (!is_bare_file_name(name)) {
    file_message(ctx, enc("SKIVVERKANSFILEN ") + name, enc("OGILTIGT FILNAMN"));
    return false;
  }
  if (auto old = find_file(ctx.dir, name)) {
    std::error_code ec;
    std::filesystem::remove(*old, ec);
    if (ec) {
      file_message(ctx, enc("SKIVVERKANSFILEN ") + shown(*old) + enc(" KAN EJ TAS BORT"),
                   ec.message());
      return false;
    }
  }
  const auto path = file_for_writing(ctx.dir, name);
  errno = 0;
  if (!ctx.units.open_write(unit, path)) {
    const std::string reason = errno != 0 ? std::strerror(errno) : std::string("unknown cause");
    file_message(ctx, enc("SKIVVERKANSFILEN ") + name + enc(" KAN EJ SKAPAS I ") + shown(ctx.dir), reason);
    return false;
  }
  return true;
}

}  // namespace

void skiv(RunContext& ctx, int& unit, int& istat) {
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
  istat = 0;
  const InputCase& in = ctx.in;
  const AnalysisResults& an = ctx.an;
  const CheckResults& chk = ctx.chk;
  const int n = std::clamp(in.nfack, 1, 20);

  platbitar(in, an, ctx.dia);
  const DiaphragmResults& dia = ctx.dia;
  if (!create_file(ctx, unit)) return;

  Units& u = ctx.units;
  auto list = [&](const Layout& layout, int count, auto value) {
    std::vector<Value> v;
    for (int k = 1; k <= count; ++k) v.emplace_back(value(k));
    fmt::write(u, unit, layout, v);
  };
  // The fastener force of an overlap at support i; the last support has none.
  auto fastener = [&](int lc) {
    return [&, lc](int i) { return i == n + 1 ? 0.0f : an.dskruv(lc, i); };
  };

  fmt::write(u, unit, kText, {in.indnamn.view()});
  fmt::write(u, unit, kI2, {in.taktyp});
  fmt::write(u, unit, kI2, {in.marknadskod});
  fmt::write(u, unit, kF62, {in.kvottak});
  fmt::write(u, unit, kI2, {n});
  list(kList, n, [&](int j) { return in.spv(j); });
  fmt::write(u, unit, kA8, {in.pnamn(1).view()});
  fmt::write(u, unit, kI2, {in.vandr(1)});
  fmt::write(u, unit, kI2, {in.iskiv});
  fmt::write(u, unit, kF62, {in.taklutn});
  fmt::write(u, unit, kF62, {in.skivdata(1)});
  fmt::write(u, unit, kI2, {whole(in.skivdata(2))});
  fmt::write(u, unit, kI2, {whole(in.skivdata(3))});
  fmt::write(u, unit, kI6, {whole(in.skivdata(4))});
  fmt::write(u, unit, kI6, {whole(in.skivdata(5))});
  fmt::write(u, unit, kI2, {whole(in.skivdata(6))});
  for (int k = 7; k <= 12; ++k) fmt::write(u, unit, kF62, {in.skivdata(k)});
  // Two pairs of end values that the diaphragm program receives as zeros.
  fmt::write(u, unit, kPair, {0.0f, 0.0f});
  fmt::write(u, unit, kPair, {0.0f, 0.0f});
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
  fmt::write(u, unit, kText, {in.rubrik.view()});
  list(kI3List, n + 1, [&](int i) { return in.skarvtyp(i); });
  fmt::write(u, unit, kF42, {in.konsv});
  fmt::write(u, unit, kI2, {in.mbkonsv});
  fmt::write(u, unit, kF42, {in.konsh});
  fmt::write(u, unit, kI2, {in.mbkonsh});
  fmt::write(u, unit, kI2, {in.mikroband});
  fmt::write(u, unit, kF42, {in.sidoverl(1)});
  fmt::write(u, unit, kI2, {in.perfo(1)});
  for (int k = 1; k <= 5; ++k) fmt::write(u, unit, kText, {in.skivtext(k).view()});
}

}  // namespace kvop
