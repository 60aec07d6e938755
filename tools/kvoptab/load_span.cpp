#include "load_span.h"

#include <algorithm>
#include <cmath>

#include "analysis/krdef.h"
#include "checks/dim1.h"
#include "diaphragm/platbitar.h"
#include "driver/inkvop.h"
#include "driver/inledn.h"

namespace kvop::tab {
namespace {

// Iterations of the load search before the tabulated value is settled on its
// grid; the ratios are homogeneous in the load piece by piece, so two or
// three suffice as a rule.
constexpr int kMaxIterations = 12;

// The largest ratio of one load case and the check it belongs to.
struct Ratio {
  float r = 0;
  Governs governs = Governs::none;
};

// The checks of one cell: the engine's analysis with the given loads and its
// section checks with the locked thickness.
class CellChecks {
 public:
  CellChecks(const ProfileRecord& prof, const InputCase& in) {
    ctx_.in = in;
    ctx_.prof = prof;
    prepare_analysis(ctx_.in, ctx_.prep);
    ctx_.prep.perfo = ctx_.in.perfo;
    ctx_.chk.styvkvot.fill(1.0f);
  }

  // Loads of load cases 1 to 3 (uplift as a positive load away from the
  // sheet); the ratios of every load case into ratio(lc).
  void run(double q1, double q2, double q3) {
    Arr<Belastning, 1, 4> laster;
    laster(1).lf.q = static_cast<float>(q1);
    laster(2).lf.q = static_cast<float>(q2);
    laster(3).lf.q = static_cast<float>(-q3);
    krdef(ctx_.in, ctx_.prep, ctx_.prof, ctx_.chk.styvkvot, 1, laster, ctx_.an);
    if (!pieces_) {
      platbitar(ctx_.in, ctx_.an, ctx_.dia);  // geometry only: the same for every load
      pieces_ = true;
    }
    dim1(CheckInput(ctx_), 1, ctx_.chk);
    ++runs;
  }

  // The strength checks of load case lc: supports and span moments.
  [[nodiscard]] Ratio strength(int lc) const {
    const int n = ctx_.in.nfack;
    Ratio best;
    bool first = true;
    auto take = [&](float r, Governs g) {
      if (first || r > best.r) best = {r, g};
      first = false;
    };
    for (int i = 1; i <= n + 1; ++i) {
      const bool lifts = ctx_.an.reakt(lc, i) < 0;
      const bool end = i == 1 || i == n + 1;
      take(ctx_.chk.KVOTS(lc, i), lifts  ? Governs::support_moment
                                  : end ? Governs::end_web_crippling
                                        : Governs::support_interaction);
    }
    for (int j = 1; j <= n; ++j) take(ctx_.chk.KVOTF(lc, j), Governs::span_moment);
    return best;
  }

  // The deflection checks of load case lc.
  [[nodiscard]] Ratio deflection(int lc) const {
    Ratio best{0, Governs::none};
    for (int j = 1; j <= ctx_.in.nfack; ++j)
      if (ctx_.chk.KVOTD(lc, j) > best.r) best = {ctx_.chk.KVOTD(lc, j), Governs::deflection};
    return best;
  }

  int runs = 0;

 private:
  RunContext ctx_;
  bool pieces_ = false;
};

// The search for one value: the largest load on the grid at which its ratio
// is at most 1.0 while one grid step more exceeds it.  The load is probed;
// each probe's ratio comes back through feed().
class Search {
 public:
  [[nodiscard]] bool done() const { return done_; }
  [[nodiscard]] double probe() const { return q_; }
  [[nodiscard]] const Value& value() const { return value_; }

  void feed(const Ratio& r) {
    if (done_) return;
    if (settling_) {
      settle(r);
      return;
    }
    if (r.governs == Governs::none || !(r.r > 0)) {  // nothing limits this load
      done_ = true;
      return;
    }
    if (r.r <= 1.0f) {
      lo_ = std::max(lo_, q_);
    } else {
      hi_ = hi_ > 0 ? std::min(hi_, q_) : q_;
    }
    // The ratio is homogeneous in the load piece by piece: the load scaled
    // by its ratio lands on the limit of the piece it lies in.
    double next = q_ / r.r;
    if (hi_ > 0 && !(next > lo_ && next < hi_)) next = lo_ > 0 ? 0.5 * (lo_ + hi_) : 0.5 * hi_;
    const bool close = std::fabs(static_cast<double>(r.r) - 1.0) < 1e-5 ||
                       (hi_ > 0 && lo_ > 0 && hi_ - lo_ < 0.25 * load_grid(lo_));
    if (close || ++iterations_ >= kMaxIterations) {
      settling_ = true;
      start_grid(r.r <= 1.0f ? q_ : std::max(lo_, q_ / r.r));
      return;
    }
    q_ = next;
  }

 private:
  // Settles on the grid of the estimate, from the point at or below it.
  void start_grid(double est) {
    grid_ = load_grid(est);
    klo_ = khi_ = 0;
    reach_ = 1;
    probe_grid(std::floor(est / grid_ + 1e-9));
  }

  // Probes grid point k; no point below the first carries a value.
  void probe_grid(double k) {
    if (k < 1) {
      done_ = true;
      return;
    }
    k_ = k;
    q_ = k * grid_;
  }

  // On the grid: the highest point known to pass (klo_) and the lowest known
  // to fail (khi_) close in, from the estimate outwards in doubling steps,
  // until they are neighbours.
  void settle(const Ratio& r) {
    if (r.r <= 1.0f) {
      klo_ = k_;
      at_ = r;
    } else {
      khi_ = k_;
    }
    if (klo_ > 0 && khi_ > 0 && khi_ - klo_ <= 1) {
      const double q = klo_ * grid_;
      // A value that ended on the other side of 1 kN/m2 is settled again
      // on its own grid.
      if (load_grid(q) != grid_) {
        start_grid(q);
        return;
      }
      value_ = {true, q, at_.governs};
      done_ = true;
      return;
    }
    double next;
    if (klo_ > 0 && khi_ > 0)
      next = std::floor(0.5 * (klo_ + khi_));
    else if (klo_ > 0)
      next = klo_ + reach_;
    else
      next = khi_ - reach_;
    reach_ *= 2;
    probe_grid(next);
  }

  double q_ = 1.0;  // the load probed next
  double lo_ = 0, hi_ = 0;
  int iterations_ = 0;
  bool settling_ = false;
  double grid_ = 0.01, k_ = 0;
  double klo_ = 0, khi_ = 0;  // grid points known to pass and to fail (0: none)
  double reach_ = 1;
  Ratio at_;
  bool done_ = false;
  Value value_;
};

}  // namespace

std::string_view governs_word(Governs g) {
  switch (g) {
    case Governs::span_moment: return "span_moment";
    case Governs::support_interaction: return "support_interaction";
    case Governs::end_web_crippling: return "end_web_crippling";
    case Governs::support_moment: return "support_moment";
    case Governs::deflection: return "deflection";
    case Governs::none: break;
  }
  return "none";
}

char governs_code(Governs g) {
  switch (g) {
    case Governs::span_moment: return 'F';
    case Governs::support_interaction: return 'S';
    case Governs::end_web_crippling: return 'E';
    case Governs::support_moment: return 'M';
    case Governs::deflection: return 'D';
    case Governs::none: break;
  }
  return '-';
}

double load_grid(double q) { return q >= 1.0 ? 0.01 : 0.001; }

std::vector<double> spans(const Options& opt) {
  std::vector<double> out;
  if (!(opt.step > 0) || !(opt.from > 0) || !(opt.to >= opt.from)) return out;
  const double count = std::floor((opt.to - opt.from) / opt.step + 1e-3);
  for (int k = 0; k <= static_cast<int>(count); ++k) out.push_back(opt.from + k * opt.step);
  return out;
}

int sls_load_case(const Options& opt) { return opt.wall ? 1 : 2; }

InputCase cell_case(const ProfileRecord& prof, const Options& opt, int layout, double span,
                    int column) {
  RunContext ctx;
  InputCase& in = ctx.in;
  blkdat(in);
  in.nprof = 1;
  in.pnamn(1) = prof.designation;
  in.marknadskod = opt.marknadskod;
  in.sakkl = opt.sakkl;
  in.vagg = opt.wall ? 1 : 0;
  in.vandr(1) = opt.vandr;
  in.nfack = layout;
  // The load acts square to the sheet: no slope, no self weight, no snow or
  // wind of the case's own.
  in.taklutn = 0;
  in.egentyngd = 0;
  in.snolast = 0;
  in.vind.fill(0.0f);
  in.nedbkvot = opt.deflection_ratio;
  const float t = prof.per_thickness(no(Row::nominal_thickness), column);
  for (int j = 1; j <= layout; ++j) {
    in.spv(j) = static_cast<float>(span);
    in.tjlk(j) = t;
  }
  for (int i = 1; i <= layout + 1; ++i) {
    in.skarvtyp(i) = 0;
    in.upplbredd(i) = i == 1 || i == layout + 1 ? opt.end_support_m : opt.inner_support_m;
  }
  // The sheet ends on the end supports; the engine gives it the cantilever
  // of half the support width there.
  in.konsv = in.konsh = 0;
  inledn(ctx);
  defork(ctx);
  return in;
}

Table load_span_table(const ProfileRecord& prof, const Options& opt) {
  Table tab;
  tab.prof = prof;
  tab.opt = opt;
  tab.spans = spans(opt);
  const int nt = std::clamp(prof.thickness_count, 1, 10);
  for (int t = 1; t <= nt; ++t) tab.columns.push_back(t);
  const int lc_sls = sls_load_case(opt);

  for (int layout : opt.layouts) {
    for (double span : tab.spans) {
      for (int column : tab.columns) {
        CellChecks checks(prof, cell_case(prof, opt, layout, span, column));
        Search uls, sls, up;
        // The three values act in load cases of their own and are searched
        // side by side in one run; a wall's characteristic load shares load
        // case 1 with the design load and has runs of its own.
        const bool together = lc_sls != 1;
        while (!uls.done() || !sls.done() || !up.done()) {
          if (!uls.done() || !up.done() || (together && !sls.done())) {
            checks.run(uls.done() ? 0 : uls.probe(), together && !sls.done() ? sls.probe() : 0,
                       up.done() ? 0 : up.probe());
            if (!uls.done()) uls.feed(checks.strength(1));
            if (!up.done()) up.feed(checks.strength(3));
            if (together && !sls.done()) sls.feed(checks.deflection(lc_sls));
          }
          if (!together && !sls.done()) {
            checks.run(sls.probe(), 0, 0);
            sls.feed(checks.deflection(lc_sls));
          }
        }
        Cell c;
        c.layout = layout;
        c.span = span;
        c.column = column;
        c.t_mm = prof.per_thickness(no(Row::nominal_thickness), column);
        c.uls = uls.value();
        c.sls = sls.value();
        c.uplift = up.value();
        tab.cells.push_back(c);
        tab.evaluations += checks.runs;
      }
    }
  }
  return tab;
}

}  // namespace kvop::tab
