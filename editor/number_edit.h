// A number field of the forms.  It shows a real with the form's pattern
// ("#0.00", "0.000", ...) and accepts a decimal comma as a point, as a
// Swedish user types it.  The text is converted by the engine's own reader of
// free-format values, so the field holds exactly the value the engine reads.
#pragma once

#include <QLineEdit>
#include <optional>

namespace kvop::editor {

// The value of a typed number ("2,5", " 0.30", "1e-3"); nothing when the
// text is not a number.
std::optional<float> parse_number(const QString& text);

// A real as text with at least `decimals` decimals, and more when the value
// needs them to read back as the same 32-bit value.
QString format_number(float v, int decimals);

class NumberEdit : public QLineEdit {
  Q_OBJECT

 public:
  // `decimals` is the pattern's number of decimals; `lo`..`hi` the range
  // the field accepts.
  NumberEdit(int decimals, double lo, double hi, QWidget* parent = nullptr);

  void setValue(float v);
  // The value of the text; nothing when it is not a number.
  std::optional<float> value() const;
  // The value, or `fallback` when the text is not a number.
  float valueOr(float fallback) const { return value().value_or(fallback); }
  // True when the text is a number within the field's range.
  bool acceptable() const;
  double lo() const { return lo_; }
  double hi() const { return hi_; }
  int decimals() const { return decimals_; }

  // The field's caption in messages and in its tooltip, which also states
  // the range ("Tillåtet: 0.10 till 30.00").
  void setCaption(const QString& caption);
  QString caption() const { return caption_; }
  // The allowed range as the tooltip and the messages say it.
  QString rangeText() const;

 signals:
  // A typed character that cannot stand in a number ("x" in "2x"); the field
  // keeps its text and says so.
  void keyRefused(const QString& key);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void showState();
  void tidy();
  int decimals_;
  double lo_, hi_;
  QString caption_;
};

}  // namespace kvop::editor
