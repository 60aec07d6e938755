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
#include <memory>

namespace kvop::editor {
namespace {

std::unique_ptr<QTranslator>& qt_translator() {
  static std::unique_ptr<QTranslator> t;
  return t;
}
std::unique_ptr<QTranslator>& own_translator() {
  static std::unique_ptr<QTranslator> t;
  return t;
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
  for (auto* t : {&qt_translator(), &own_translator()})
    if (*t) {
      QCoreApplication::removeTranslator(t->get());
      t->reset();
    }
  const QLocale locale = language == Language::english
                             ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                             : QLocale(QLocale::Swedish, QLocale::Sweden);
  QLocale::setDefault(locale);
  bool ok = true;
  if (language == Language::swedish) {
    // Qt's own dialogs in Swedish: the whole catalogue "qt_sv" or its base
    // module "qtbase_sv", whichever the installation has.
    auto t = std::make_unique<QTranslator>();
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (t->load(locale, "qtbase", "_", dir) || t->load(locale, "qt", "_", dir)) {
      QCoreApplication::installTranslator(t.get());
      qt_translator() = std::move(t);
    } else {
      ok = false;
    }
  } else {
    auto t = std::make_unique<QTranslator>();
    if (t->load("kvopw_en", QDir(program_dir).filePath("translations"))) {
      QCoreApplication::installTranslator(t.get());
      own_translator() = std::move(t);
    } else {
      ok = false;
    }
  }
  return ok;
}

QMenu* add_settings_menu(QMenuBar* bar, std::function<void(const QString&)> inform) {
  QMenu* settings = bar->addMenu(QCoreApplication::translate("Settings", "Inställningar"));
  settings->setObjectName("installningar");
  QMenu* language = settings->addMenu(QCoreApplication::translate("Settings", "Språk"));
  auto* group = new QActionGroup(language);
  const Language now = stored_language();
  // Each language is named in its own words, so that it can be found in either.
  for (const auto& [lang, name] :
       {std::pair{Language::swedish, "Svenska"}, std::pair{Language::english, "English"}}) {
    QAction* a = language->addAction(QString::fromUtf8(name));
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
