#include "report/format.h"

#include <stdexcept>

#include "driver/units.h"

namespace kvop::fmt {

// Placeholder until the layout interpreter lands.
struct Layout::Impl {};
Layout::Layout(std::string_view) : impl_(std::make_unique<Impl>()) {}
Layout::~Layout() = default;
Layout::Layout(Layout&&) noexcept = default;
Layout& Layout::operator=(Layout&&) noexcept = default;
std::vector<std::string> Layout::lines(std::span<const Value>) const { return {}; }
std::string edit_f(double, int, int) { return {}; }
std::string edit_i(long long, int, int) { return {}; }
std::string list_directed(std::string_view text) { return " " + std::string(text); }
void write(Units& units, int unit, const Layout& layout, std::span<const Value> values) {
  for (const auto& l : layout.lines(values)) units.write_line(unit, l);
}
void write(Units& units, int unit, const Layout& layout, std::initializer_list<Value> values) {
  write(units, unit, layout, std::span<const Value>(values.begin(), values.size()));
}

}  // namespace kvop::fmt
