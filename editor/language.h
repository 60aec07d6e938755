// The language of the editor's own texts: Swedish, the source of every
// text, or English.  The choice is kept in the settings; Qt's own dialogs
// (print, page set-up, files) follow it with Qt's translations, whatever
// the system's locale is.  The report and the case files stay Swedish.
#pragma once

#include <QString>
#include <functional>

class QMenu;
class QMenuBar;

namespace kvop::editor {

enum class Language { swedish, english };

// The stored choice; Swedish when none is stored.
Language stored_language();
void store_language(Language language);

// Installs the translators of `language` in the application, replacing
// those of an earlier call: Qt's own texts from Qt's translation directory,
// and for English the editor's texts ("kvopw_en.qm" in
// `program_dir`/translations).  Returns false when a needed translation
// file is missing (the texts then stay as they are).
bool install_translations(const QString& program_dir, Language language);

// Adds the menu "Inställningar" with "Språk" (Svenska, English) to `bar`.
// A choice is stored at once and takes effect at the next start, which
// `inform` tells the user in both languages.
QMenu* add_settings_menu(QMenuBar* bar, std::function<void(const QString&)> inform);

}  // namespace kvop::editor
