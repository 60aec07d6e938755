#include "core/markets.h"

namespace kvop {
namespace {

constexpr std::array<std::string_view, 4> kMethodSweden = {
    "DIM ENL METOD M TILL PÅKÄNNINGAR", "PARTKOEFFMET SÄKERHETSKLASS 1   ",
    "PARTKOEFFMET SÄKERHETSKLASS 2   ", "PARTKOEFFMET SÄKERHETSKLASS 3   "};
constexpr std::array<std::string_view, 4> kMethodRC = {
    "DIM ENL METOD M TILL PÅKÄNNINGAR", "PARTKOEFFMET SÄKERHETSKLASS RC1 ",
    "PARTKOEFFMET SÄKERHETSKLASS RC2 ", "PARTKOEFFMET SÄKERHETSKLASS RC3 "};
constexpr std::array<std::string_view, 4> kMethodNorway = {
    "DIM ENL METOD M TILL PÅKÄNNINGAR        ", "PARTKOEFFMET PÅLITLIGHETSKL. 1 (kL=0.9) ",
    "PARTKOEFFMET PÅLITLIGHETSKL. 2 (kL=1.0) ", "PARTKOEFFMET PÅLITLIGHETSKL. 3 (kL=1.0) "};
constexpr std::array<std::string_view, 4> kMethodDenmark = {
    "DIM ENL METOD M TILL PÅKÄNNINGAR        ", "PARTKOEFFMET KONSTRUKTIONSKLASSE 1      ",
    "PARTKOEFFMET KONSTRUKTIONSKLASSE 2      ", "PARTKOEFFMET KONSTRUKTIONSKLASSE 3      "};

// clang-format off
const std::array<MarketRules, 5> kMarkets = {{
    {
     .code = 1,
     .name = "SVERIGE ",
     .method = kMethodSweden,
     .class_caption = "Säkerhetsklass",
     .class_control = "shkl",
     .classes = 2,
     .class_labels = {"1", "2", ""},
     .gammaM = 1.0f,
     .gammaW = 1.0f,
     .xired = 0.89f,
     .gammad = {0.83f, 0.91f, 1.0f},
     .gammad1_own = true,
     .gammad1 = 0.83f,
     .partkf = {1.0f, 1.0f, 1.35f, 1.0f, 1.5f, 1.5f},
     .partkf_column = 1,
     .snow_in_two_steps = true,
     .self_weight_without_gammad = false,
     .wall_deflection = 0.1923f,
     .inner_supports_class1 = true,
     .names_load_cases = true,
     .echo_psi = true,
    },
    {
     .code = 2,
     .name = "POLEN   ",
     .method = kMethodRC,
     .class_caption = "Säkerhetsklass",
     .class_control = "shklpl",
     .classes = 3,
     .class_labels = {"RC1", "RC2", "RC3"},
     .gammaM = 1.1f,
     .gammaW = 1.1f,
     .xired = 0.85f,
     .gammad = {1.0f, 1.0f, 1.0f},
     .gammad1_own = false,
     .gammad1 = 0.0f,
     .partkf = {1.0f, 1.0f, 1.35f, 1.0f, 1.5f, 1.5f},
     .partkf_column = 2,
     .snow_in_two_steps = false,
     .self_weight_without_gammad = false,
     .wall_deflection = 0.0f,
     .inner_supports_class1 = false,
     .names_load_cases = false,
     .echo_psi = true,
    },
    {
     .code = 3,
     .name = "NORGE   ",
     .method = kMethodNorway,
     .class_caption = "Pålitlighetsklass",
     .class_control = "pkl",
     .classes = 3,
     .class_labels = {"1", "2", "3"},
     .gammaM = 1.05f,
     .gammaW = 1.05f,
     .xired = 0.88f,
     .gammad = {0.9f, 1.0f, 1.0f},
     .gammad1_own = false,
     .gammad1 = 0.0f,
     .partkf = {1.0f, 1.0f, 1.35f, 1.0f, 1.5f, 1.5f},
     .partkf_column = 3,
     .snow_in_two_steps = false,
     .self_weight_without_gammad = true,
     .wall_deflection = 0.1563f,
     .inner_supports_class1 = false,
     .names_load_cases = false,
     .echo_psi = true,
    },
    {
     .code = 4,
     .name = "FINLAND ",
     .method = kMethodRC,
     .class_caption = "Säkerhetsklass",
     .class_control = "shklfi",
     .classes = 3,
     .class_labels = {"RC1", "RC2", "RC3"},
     .gammaM = 1.0f,
     .gammaW = 1.0f,
     .xired = 1.0f,
     .gammad = {0.9f, 1.0f, 1.1f},
     .gammad1_own = false,
     .gammad1 = 0.0f,
     .partkf = {1.0f, 1.0f, 1.15f, 0.9f, 1.5f, 1.5f},
     .partkf_column = 4,
     .snow_in_two_steps = false,
     .self_weight_without_gammad = false,
     .wall_deflection = 0.0f,
     .inner_supports_class1 = false,
     .names_load_cases = false,
     .echo_psi = true,
    },
    {
     .code = 5,
     .name = "DANMARK ",
     .method = kMethodDenmark,
     .class_caption = "Konstruktionsklasse",
     .class_control = "shkldk",
     .classes = 3,
     .class_labels = {"1", "2", "3"},
     .gammaM = 1.045f,
     .gammaW = 1.14f,
     .xired = 1.0f,
     .gammad = {0.9f, 1.0f, 1.1f},
     .gammad1_own = false,
     .gammad1 = 0.0f,
     .partkf = {1.0f, 1.0f, 1.0f, 0.9f, 1.5f, 1.5f},
     .partkf_column = 5,
     .snow_in_two_steps = false,
     .self_weight_without_gammad = false,
     .wall_deflection = 0.0f,
     .inner_supports_class1 = false,
     .names_load_cases = false,
     .echo_psi = true,
    },
}};

// clang-format on

}  // namespace

const std::array<MarketRules, 5>& markets() { return kMarkets; }

namespace {

// A code outside the table: Sweden's method texts and Denmark's factors,
// none of the market-specific rules, no name and no class frame.
MarketRules unknown_market() {
  MarketRules m = kMarkets[4];
  m.code = 0;
  m.name = "        ";
  m.method = kMethodSweden;
  m.class_caption = m.class_control = {};
  m.classes = 0;
  m.class_labels = {};
  m.echo_psi = false;
  return m;
}

const MarketRules kUnknown = unknown_market();

}  // namespace

const MarketRules& market_rules(int code) {
  if (code < 1 || code > 5) return kUnknown;
  return kMarkets[static_cast<std::size_t>(code - 1)];
}

}  // namespace kvop
