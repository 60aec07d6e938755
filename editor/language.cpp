#include "language.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTranslator>
#include <array>
#include <memory>

namespace kvop::editor {
namespace {

// The installed translators: Qt's own catalogue, the editor's supplement
// to it, and the editor's own texts.
std::array<std::unique_ptr<QTranslator>, 3>& translators() {
  static std::array<std::unique_ptr<QTranslator>, 3> t;
  return t;
}

// Loads `name` from `dir` for `locale` and installs it in slot `slot`.
bool install(std::size_t slot, const QLocale& locale, const QString& name, const QString& dir) {
  auto t = std::make_unique<QTranslator>();
  if (!t->load(locale, name, "_", dir) && !t->load(name, dir)) return false;
  QCoreApplication::installTranslator(t.get());
  translators()[slot] = std::move(t);
  return true;
}

}  // namespace

Language stored_language() {
  return QSettings().value("ui/language", "sv").toString() == "en" ? Language::english
                                                                   : Language::swedish;
}

void store_language(Language language) {
  QSettings().setValue("ui/language", language == Language::english ? "en" : "sv");
}

bool install_translations(const QString& program_dir, Language language) {
  for (auto& t : translators())
    if (t) {
      QCoreApplication::removeTranslator(t.get());
      t.reset();
    }
  const QLocale locale = language == Language::english
                             ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                             : QLocale(QLocale::Swedish, QLocale::Sweden);
  QLocale::setDefault(locale);
  const QString own = QDir(program_dir).filePath("translations");
  if (language == Language::english) return install(2, locale, "kvopw_en", own);
  // Qt's own dialogs in Swedish: the whole catalogue "qt_sv" or its base
  // module "qtbase_sv", whichever the installation has, and on top of it
  // the editor's supplement for the texts of the print and page set-up
  // dialogs that the catalogue lacks (installed later, so it is asked first).
  const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  const bool qt = install(0, locale, "qtbase", dir) || install(0, locale, "qt", dir);
  const bool extra = install(1, QLocale(), "kvopw_qt_sv", own);
  return qt && extra;
}

QMenu* add_settings_menu(QMenuBar* bar, std::function<void(const QString&)> inform) {
  QMenu* settings = bar->addMenu(QCoreApplication::translate("Settings", "&Inställningar"));
  settings->setObjectName("installningar");
  QMenu* language = settings->addMenu(QCoreApplication::translate("Settings", "&Språk"));
  auto* group = new QActionGroup(language);
  const Language now = stored_language();
  // Each language is named in its own words, so that it can be found in either.
  for (const auto& entry :
       {std::pair{Language::swedish, "&Svenska"}, std::pair{Language::english, "&English"}}) {
    const Language lang = entry.first;
    QAction* a = language->addAction(QString::fromUtf8(entry.second));
    a->setCheckable(true);
    a->setChecked(lang == now);
    group->addAction(a);
    QObject::connect(a, &QAction::triggered, language, [lang, inform] {
      if (lang == stored_language()) return;
      store_language(lang);
      inform(
          QString::fromUtf8("Språket byts när KVOP startas nästa gång.\n"
                            "The language changes when KVOP is started next time."));
    });
  }
  return settings;
}

}  // namespace kvop::editor
