#include "number_edit.h"

#include <QRegularExpressionValidator>
#include <cstdio>

#include "driver/input_fields.h"

namespace kvop::editor {

std::optional<float> parse_number(const QString& text) {
  QString t = text.trimmed();
  t.replace(',', '.');
  if (t.isEmpty()) return std::nullopt;
  const std::string s = t.toStdString();
  const auto v = infield::first_value(s);
  if (!v || v->size() != s.size()) return std::nullopt;  // one value, nothing after it
  const auto r = infield::free_real(*v);
  if (!r) return std::nullopt;
  return r.value;
}

QString format_number(float v, int decimals) {
  for (int d = decimals; d <= 12; ++d) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", d, static_cast<double>(v));
    const auto back = parse_number(QString::fromLatin1(buf));
    if (back && *back == v) return QString::fromLatin1(buf);
  }
  return QString::number(static_cast<double>(v), 'g', 9);
}

NumberEdit::NumberEdit(int decimals, double lo, double hi, QWidget* parent)
    : QLineEdit(parent), decimals_(decimals), lo_(lo), hi_(hi) {
  setValidator(new QRegularExpressionValidator(
      QRegularExpression(R"(\s*[-+]?\d*([.,]\d*)?([eE][-+]?\d*)?\s*)"), this));
  setAlignment(Qt::AlignRight);
  setMaximumWidth(80);
}

void NumberEdit::setValue(float v) { setText(format_number(v, decimals_)); }

std::optional<float> NumberEdit::value() const { return parse_number(text()); }

bool NumberEdit::acceptable() const {
  const auto v = value();
  // The bounds as 32-bit reals: "0.20" is within a bound of 0.2.
  return v && *v >= static_cast<float>(lo_) && *v <= static_cast<float>(hi_);
}

}  // namespace kvop::editor
