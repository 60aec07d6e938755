#include "plot.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/cp1252.h"

namespace kvop::tab {
namespace {

constexpr double kPanelW = 360, kPanelH = 300, kMargin = 56, kTop = 48;

cairo_status_t append(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

// Ten distinguishable colours, one per thickness column.
void colour(cairo_t* cr, std::size_t k) {
  static const double rgb[10][3] = {{0.12, 0.47, 0.71}, {1.00, 0.50, 0.05}, {0.17, 0.63, 0.17},
                                    {0.84, 0.15, 0.16}, {0.58, 0.40, 0.74}, {0.55, 0.34, 0.29},
                                    {0.89, 0.47, 0.76}, {0.50, 0.50, 0.50}, {0.74, 0.74, 0.13},
                                    {0.09, 0.75, 0.81}};
  const double* c = rgb[k % 10];
  cairo_set_source_rgb(cr, c[0], c[1], c[2]);
}

void text(cairo_t* cr, double x, double y, const std::string& s, double align = 0) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, s.c_str(), &e);
  cairo_move_to(cr, x - align * e.x_advance, y);
  cairo_show_text(cr, s.c_str());
}

std::string num(const char* f, double v) {
  char b[32];
  std::snprintf(b, sizeof b, f, v);
  return b;
}

void draw(cairo_t* cr, const Table& tab) {
  const std::size_t nl = tab.opt.layouts.size(), nc = tab.columns.size(),
                    ns = tab.spans.size();
  // The load axis spans whole decades around every value drawn.
  double lo = 1e9, hi = 0;
  for (const Cell& c : tab.cells)
    for (const Value* v : {&c.uls, &c.sls})
      if (v->has && v->q > 0) {
        lo = std::min(lo, v->q);
        hi = std::max(hi, v->q);
      }
  if (!(hi > 0)) lo = 0.1, hi = 10;
  const double d0 = std::floor(std::log10(lo)), d1 = std::max(d0 + 1, std::ceil(std::log10(hi)));
  const double s0 = tab.spans.empty() ? 0 : tab.spans.front();
  const double s1 = tab.spans.empty() ? 1 : std::max(tab.spans.back(), s0 + 1e-3);

  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 13);
  cairo_set_source_rgb(cr, 0, 0, 0);
  text(cr, kMargin, 22,
       "PROFIL " + cp1252::to_utf8(tab.prof.designation.trimmed()) +
           "   LAST (KN/M2) MOT SPÄNNVIDD (M)   HEL LINJE: BROTTGRÄNS, STRECKAD: BRUKSGRÄNS");
  cairo_set_font_size(cr, 10);
  text(cr, kMargin, 38, "PLÅTENS EGENTYNGD ÄR EJ AVDRAGEN");

  for (std::size_t li = 0; li < nl; ++li) {
    const double x0 = kMargin + static_cast<double>(li) * (kPanelW + kMargin), y0 = kTop;
    auto X = [&](double s) { return x0 + (s - s0) / (s1 - s0) * kPanelW; };
    auto Y = [&](double q) { return y0 + kPanelH - (std::log10(q) - d0) / (d1 - d0) * kPanelH; };
    // Frame, decade lines and labels.
    cairo_set_line_width(cr, 0.5);
    cairo_set_source_rgb(cr, 0.8, 0.8, 0.8);
    for (double d = d0; d <= d1; d += 1) {
      cairo_move_to(cr, x0, Y(std::pow(10, d)));
      cairo_line_to(cr, x0 + kPanelW, Y(std::pow(10, d)));
    }
    for (double s = std::ceil(s0); s <= s1; s += 1) {
      cairo_move_to(cr, X(s), y0);
      cairo_line_to(cr, X(s), y0 + kPanelH);
    }
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, x0, y0, kPanelW, kPanelH);
    cairo_stroke(cr);
    for (double d = d0; d <= d1; d += 1)
      text(cr, x0 - 4, Y(std::pow(10, d)) + 4, num("%g", std::pow(10, d)), 1);
    for (double s = std::ceil(s0); s <= s1; s += 1) text(cr, X(s), y0 + kPanelH + 14, num("%g", s), 0.5);
    const int layout = tab.opt.layouts[li];
    text(cr, x0 + kPanelW / 2, y0 + kPanelH + 30,
         layout == 1 ? "ETT FACK" : layout == 2 ? "TVÅ LIKA FACK" : "TRE LIKA FACK", 0.5);

    // One curve per thickness: the design load solid, the deflection dashed.
    cairo_save(cr);
    cairo_rectangle(cr, x0, y0, kPanelW, kPanelH);
    cairo_clip(cr);
    for (std::size_t ci = 0; ci < nc; ++ci) {
      for (int kind = 0; kind < 2; ++kind) {
        bool pen = false;
        for (std::size_t si = 0; si < ns; ++si) {
          const Cell& c = tab.cells[(li * ns + si) * nc + ci];
          const Value& v = kind == 0 ? c.uls : c.sls;
          if (!v.has || !(v.q > 0)) {
            pen = false;
            continue;
          }
          if (pen)
            cairo_line_to(cr, X(c.span), Y(v.q));
          else
            cairo_move_to(cr, X(c.span), Y(v.q));
          pen = true;
        }
        colour(cr, ci);
        cairo_set_line_width(cr, 1.4);
        const double dash[] = {4, 3};
        cairo_set_dash(cr, dash, kind == 0 ? 0 : 2, 0);
        cairo_stroke(cr);
      }
    }
    cairo_restore(cr);
  }
  // Legend: the thicknesses.
  const double ly = kTop + kPanelH + 48;
  for (std::size_t ci = 0; ci < nc; ++ci) {
    const double lx = kMargin + static_cast<double>(ci) * 90;
    colour(cr, ci);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, lx, ly);
    cairo_line_to(cr, lx + 20, ly);
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    text(cr, lx + 24, ly + 4,
         num("%.2f MM", tab.prof.per_thickness(no(Row::nominal_thickness), tab.columns[ci])));
  }
}

}  // namespace

std::string plot_chart(const Table& tab, PlotFormat format, std::string& why) {
  const double nl = static_cast<double>(std::max<std::size_t>(tab.opt.layouts.size(), 1));
  const double w = kMargin + nl * (kPanelW + kMargin), h = kTop + kPanelH + 70;
  std::string bytes;
  cairo_surface_t* surface = format == PlotFormat::svg
                                 ? cairo_svg_surface_create_for_stream(append, &bytes, w, h)
                                 : cairo_pdf_surface_create_for_stream(append, &bytes, w, h);
  cairo_t* cr = cairo_create(surface);
  draw(cr, tab);
  cairo_status_t status = cairo_status(cr);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) {
    why = cairo_status_to_string(status);
    return {};
  }
  return bytes;
}

}  // namespace kvop::tab
