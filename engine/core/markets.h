// The markets: one row per market code with everything that differs between
// the national variants - the market's name and design-method texts, the
// class frame of the input editor, the partial factors of the resistances,
// the safety-class factors and load factors of the analysis, and the rules
// that only some markets follow.  Every place that depends on the market
// reads this table.
#pragma once

#include <array>
#include <string_view>

namespace kvop {

struct MarketRules {
  int code;               // marknadskod; 0 for a code outside the table
  std::string_view name;  // 8 characters, blank padded; blanks for an unknown code
  // Design-method texts by sakkl 0..3 (32 or 40 characters; UTF-8 source text).
  std::array<std::string_view, 4> method;

  // The input editor's class frame: caption, control name and the captions
  // of classes 1..classes (UTF-8).
  std::string_view class_caption;
  std::string_view class_control;
  int classes;
  std::array<std::string_view, 3> class_labels;

  // Partial factors: gammaM divides the moment resistances and the fastening
  // values, gammaW the web crippling.
  float gammaM, gammaW;
  // Safety-class factors: xired on the self weight, gammad by sakkl 1..3,
  // and gammad1 of the wind-leading load case: the market's own value, or
  // equal to gammad when `gammad1_own` is false.
  float xired;
  std::array<float, 3> gammad;
  bool gammad1_own;
  float gammad1;
  // partkf(1..6) of the market: the load factors of the load cases, and the
  // column of partkf the analysis reads for the market.
  std::array<float, 6> partkf;
  int partkf_column;

  // Roof snow in two steps: record 22 holds the snow value, or 0 and the
  // value on the next line.
  bool snow_in_two_steps;
  // The self weight of the ultimate load cases is not multiplied by gammad.
  bool self_weight_without_gammad;
  // Wall deflections are reported and checked scaled by this factor; 0: a
  // wall's span deflection is not computed.
  float wall_deflection;
  // Inner supports of continuous sheeting of a high profile are designed in
  // safety class 1 in load case 1, and the report says so.
  bool inner_supports_class1;
  // The permissible-stress method names its load cases (ordinary or
  // exceptional) in the heading of a detailed table.
  bool names_load_cases;
  // The input echo shows the combination factors (else the deflection
  // requirement on the use line).
  bool echo_psi;
};

// The five markets, by code 1..5.
const std::array<MarketRules, 5>& markets();

// The row of market `code`.  A code outside 1..5 gets a row that names no
// market and otherwise follows the rules the engine has always applied to
// such codes: Sweden's method texts, Denmark's factors, none of the
// market-specific rules.
const MarketRules& market_rules(int code);

}  // namespace kvop
