// The font choice "TYPSNITT" for showing and printing reports, stored in
// "Brafnt.ini" (first line the font family, second line the point size).
#pragma once

#include <QDialog>
#include <QFont>

class QListWidget;
class QLabel;
class QSpinBox;

namespace kvop::editor {

// Where the editor keeps its small settings files: the program directory
// when the program keeps its data beside itself (a build tree) and it is
// writable, else the user's configuration directory - never an installed
// tree.
QString settings_dir(const QString& program_dir);

struct FontChoice {
  QString family;
  int point_size = 0;
};
FontChoice load_font_choice(const QString& dir);
bool save_font_choice(const QString& dir, const FontChoice& f);

class FontForm : public QDialog {
  Q_OBJECT

 public:
  FontForm(const FontChoice& stored, const QFont& current, QWidget* parent = nullptr);
  FontChoice choice() const;

 private:
  QListWidget* families_;
  QSpinBox* size_;
};

}  // namespace kvop::editor
