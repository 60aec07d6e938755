#include "number_edit.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QToolTip>
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
  setToolTip(rangeText());
  // A text that is no number or lies outside the range is marked while it
  // stands; a finished entry is shown in the field's format.
  connect(this, &QLineEdit::textChanged, this, &NumberEdit::showState);
  connect(this, &QLineEdit::editingFinished, this, &NumberEdit::tidy);
}

void NumberEdit::setValue(float v) { setText(format_number(v, decimals_)); }

QString NumberEdit::rangeText() const {
  return QCoreApplication::translate("NumberEdit", "Tillåtet: %1 till %2")
      .arg(format_number(static_cast<float>(lo_), decimals_),
           format_number(static_cast<float>(hi_), decimals_));
}

void NumberEdit::setCaption(const QString& caption) {
  caption_ = caption;
  setToolTip(caption.isEmpty() ? rangeText() : caption + "\n" + rangeText());
}

void NumberEdit::keyPressEvent(QKeyEvent* e) {
  const QString before = text();
  QLineEdit::keyPressEvent(e);
  const QString key = e->text();
  if (key.isEmpty() || !key.at(0).isPrint() || text() != before) return;
  // The validator refused the character: say so at the field.
  QToolTip::showText(mapToGlobal(QPoint(0, height())),
                     QCoreApplication::translate("NumberEdit",
                                                 "\"%1\" kan inte stå i ett tal. Skriv siffror med "
                                                 "decimalpunkt eller decimalkomma.")
                         .arg(key),
                     this);
  QPalette p = palette();
  p.setColor(QPalette::Base, QColor(255, 190, 190));
  setPalette(p);
  QTimer::singleShot(400, this, &NumberEdit::showState);
  emit keyRefused(key);
}

void NumberEdit::changeEvent(QEvent* e) {
  QLineEdit::changeEvent(e);
  if (e->type() == QEvent::EnabledChange) showState();
}

void NumberEdit::showState() {
  QPalette p = QPalette();
  if (isEnabled() && !acceptable()) p.setColor(QPalette::Base, QColor(255, 225, 225));
  setPalette(p);
}

void NumberEdit::tidy() {
  const auto v = value();
  if (!v) return;
  const QString shown = format_number(*v, decimals_);
  if (shown != text()) setText(shown);
}

std::optional<float> NumberEdit::value() const { return parse_number(text()); }

bool NumberEdit::acceptable() const {
  const auto v = value();
  // The bounds as 32-bit reals: "0.20" is within a bound of 0.2.
  return v && *v >= static_cast<float>(lo_) && *v <= static_cast<float>(hi_);
}

}  // namespace kvop::editor
