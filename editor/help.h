// The editor's help: one page per form, with the calculators' formulas,
// shown in a help window, in the language of the editor's texts.
#pragma once

#include <QString>

class QWidget;

namespace kvop::editor {

// The help text as HTML in the language of the installed texts, every page under its anchor ("indata", "skarvtyp",
// "linjelast", "snoficka", "vindlast", "utdata", "typsnitt", "tabort",
// "filnamn", "berakning").
QString help_html();

// Opens the help window at the page `anchor`.
void show_help(QWidget* parent, const QString& anchor);

}  // namespace kvop::editor
