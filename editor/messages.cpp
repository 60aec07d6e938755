#include "messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QStringList>

#include "case_document.h"
#include "engine_run.h"
#include "core/markets.h"

namespace kvop::editor {
namespace {

// "spv(3)" -> ("spv", 3); "egentyngd" -> ("egentyngd", 0).
std::pair<QString, int> split_index(const QString& name) {
  static const QRegularExpression re(R"(^([A-Za-z_ -]+?)\s*\((\d+)\)$)");
  const auto m = re.match(name);
  if (m.hasMatch()) return {m.captured(1), m.captured(2).toInt()};
  static const QRegularExpression tail(R"(^([A-Za-z_]+?)(\d+)$)");
  const auto t = tail.match(name);
  if (t.hasMatch()) return {t.captured(1), t.captured(2).toInt()};
  return {name, 0};
}

// A fixed caption of a field or control, marked for translation.
struct Caption {
  const char* name;
  const char* caption;
};

// The translated caption of `names` (either spelling) in `table`; empty when absent.
template <std::size_t N>
QString look_up(const Caption (&table)[N], const QString& name, const QString& other = {}) {
  for (const Caption& e : table)
    if (name == QLatin1String(e.name) || other == QLatin1String(e.name))
      return QCoreApplication::translate("Messages", e.caption);
  return {};
}

}  // namespace

QString control_caption(const QString& control) {
  const auto [base, i] = split_index(control);
  if (base == "spv") return QCoreApplication::translate("Messages", "Spännvidd fack %1").arg(i);
  if (base == "tjl") return QCoreApplication::translate("Messages", "Tjocklek fack %1").arg(i);
  // The form counts its support fields from 0; the supports are numbered from 1.
  if (base == "upl") return QCoreApplication::translate("Messages", "Upplag stöd nr %1").arg(i + 1);
  static const Caption entries[] = {
      {"Rubrik", QT_TRANSLATE_NOOP("Messages", "Rubrik")},
      {"pnamn", QT_TRANSLATE_NOOP("Messages", "Profil")},
      {"nfack", QT_TRANSLATE_NOOP("Messages", "Antal Fack")},
      {"konsv", QT_TRANSLATE_NOOP("Messages", "Konsol vänster (m)")},
      {"konsh", QT_TRANSLATE_NOOP("Messages", "Konsol höger (m)")},
      {"kvot", QT_TRANSLATE_NOOP("Messages", "Kvot takfall")},
      {"egt", QT_TRANSLATE_NOOP("Messages", "Egentyngd (kN/m2)")},
      {"Taklu", QT_TRANSLATE_NOOP("Messages", "Taklutning (gr)")},
      {"Last", QT_TRANSLATE_NOOP("Messages", "Formfaktor (snö)")},
      {"qkar", QT_TRANSLATE_NOOP("Messages", "Qkar (kN/m2)")},
      {"qvan", QT_TRANSLATE_NOOP("Messages", "Reduktionsfaktor")},
      {"qnorg", QT_TRANSLATE_NOOP("Messages", "Qsnö (kN/m2)")},
      {"qvind", QT_TRANSLATE_NOOP("Messages", "Vindlast tak, Grundvärde")},
      {"qvformf", QT_TRANSLATE_NOOP("Messages", "Vindlast tak, Formfaktor sug")},
      {"qvformft", QT_TRANSLATE_NOOP("Messages", "Vindlast tak, Formfaktor tryck")},
      {"randz", QT_TRANSLATE_NOOP("Messages", "Vindlast tak, Formfaktor i randzon sug")},
      {"lrandz", QT_TRANSLATE_NOOP("Messages", "Vindlast tak, randzonens längd (m)")},
      {"qvvind", QT_TRANSLATE_NOOP("Messages", "Vindlast vägg, Grundvärde (kN/m2)")},
      {"formm", QT_TRANSLATE_NOOP("Messages", "Vindlast vägg, Formfaktor MOT vägg")},
      {"formfr", QT_TRANSLATE_NOOP("Messages", "Vindlast vägg, Formfaktor FRÅN vägg")},
      {"mym", QT_TRANSLATE_NOOP("Messages", "Vindlast vägg, Formfaktor hörn MOT vägg")},
      {"myfr", QT_TRANSLATE_NOOP("Messages", "Vindlast vägg, Formfaktor hörn FRÅN vägg")},
      {"lm", QT_TRANSLATE_NOOP("Messages", "Vindlast vägg, hörnets längd MOT vägg (m)")},
      {"lfr", QT_TRANSLATE_NOOP("Messages", "Vindlast vägg, hörnets längd FRÅN vägg (m)")},
      {"bnedb", QT_TRANSLATE_NOOP("Messages", "Nedböjningsbegränsning L/")},
      {"Lastf", QT_TRANSLATE_NOOP("Messages", "Lastreduktionsfaktor")},
      {"iskiv", QT_TRANSLATE_NOOP("Messages", "Skivverkan")},
  };
  return look_up(entries, control);
}

FieldRef case_field(const std::string& field, const InputCase& in) {
  const QString full = QString::fromStdString(field);
  const auto [base, i] = split_index(full);
  // Fields shown by a control of the input form.
  if (base == "spv") return {control_caption(QString("spv%1").arg(i)), QString("spv%1").arg(i)};
  if (base == "tjlk") return {control_caption(QString("tjl%1").arg(i)), QString("tjl%1").arg(i)};
  if (base == "upplbredd")
    return {control_caption(QString("upl%1").arg(i - 1)), QString("upl%1").arg(i - 1)};
  if (base == "vind") {
    static const char* const roof[] = {"qvind", "qvformf", "qvformft", "randz", "lrandz"};
    static const char* const wall[] = {"qvvind", "formfr", "formm", "myfr", "lfr", "mym", "lm"};
    const QString c = in.vagg == 0 ? (i >= 1 && i <= 5 ? roof[i - 1] : "")
                                   : (i >= 1 && i <= 7 ? wall[i - 1] : "");
    if (!c.isEmpty()) return {control_caption(c), c};
  }
  static const std::pair<const char*, const char*> to_control[] = {
      {"rubrik", "Rubrik"}, {"pnamn", "pnamn"},  {"nfack", "nfack"},    {"konsv", "konsv"},
      {"konsh", "konsh"},   {"kvottak", "kvot"}, {"egentyngd", "egt"},  {"taklutn", "Taklu"},
      {"snoform", "Last"},  {"psi0sno", "qvan"}, {"nedbkvot", "bnedb"}, {"psi1sno", "Lastf"},
      {"iskiv", "iskiv"},
  };
  for (const auto& [name, control] : to_control)
    if (base == QLatin1String(name)) return {control_caption(control), control};
  if (base == "snolast") {
    // The snow field of the market: a zone value with Qkar, or the ground snow.
    const QString c = market_rules(in.marknadskod).snow_in_two_steps ? "qkar" : "qnorg";
    return {control_caption(c), c};
  }
  // Fields of the auxiliary forms and of the frames without a number field
  // (the diaphragm values skip D5, which has a record of its own).
  static const Caption indexed[] = {
      {"skarvtyp", QT_TRANSLATE_NOOP("Messages", "Skarvtyp stöd nr %1")},
      {"skarvprc", QT_TRANSLATE_NOOP("Messages", "Omlott vid stöd nr %1")},
      {"linjfack", QT_TRANSLATE_NOOP("Messages", "Linjelast %1, Fack nr")},
      {"linjavst", QT_TRANSLATE_NOOP("Messages", "Linjelast %1, Avstånd från vänster stöd")},
      {"brottned", QT_TRANSLATE_NOOP("Messages", "Linjelast %1, Brottgräns ned")},
      {"brottupp", QT_TRANSLATE_NOOP("Messages", "Linjelast %1, Brottgräns upp")},
      {"bruksned", QT_TRANSLATE_NOOP("Messages", "Linjelast %1, Bruksgräns ned")},
      {"skivdata", QT_TRANSLATE_NOOP("Messages", "Skivverkan, värde D%1")},
      {"skivtext", QT_TRANSLATE_NOOP("Messages", "Skivverkan, text T%1")},
  };
  if (const QString c = look_up(indexed, base); !c.isEmpty())
    return {c.arg(base == "skivdata" && i > 4 ? i + 1 : i), {}};
  static const Caption entries[] = {
      {"indatafil", QT_TRANSLATE_NOOP("Messages", "Filnamn")},
      {"marknadskod", QT_TRANSLATE_NOOP("Messages", "Marknad")},
      {"sakkl", QT_TRANSLATE_NOOP("Messages", "Säkerhetsklass")},
      {"vagg", QT_TRANSLATE_NOOP("Messages", "Användningsområde")},
      {"locked-thickness flag", QT_TRANSLATE_NOOP("Messages", "Låst tjocklek")},
      {"mbkonsv", QT_TRANSLATE_NOOP("Messages", "Mikroband vid konsol vänster")},
      {"mbkonsh", QT_TRANSLATE_NOOP("Messages", "Mikroband vid konsol höger")},
      {"trivform", QT_TRANSLATE_NOOP("Messages", "Snödrift vänster, Formfaktor")},
      {"trivlgd", QT_TRANSLATE_NOOP("Messages", "Snödrift vänster, Längd (m)")},
      {"trihform", QT_TRANSLATE_NOOP("Messages", "Snödrift höger, Formfaktor")},
      {"trihlgd", QT_TRANSLATE_NOOP("Messages", "Snödrift höger, Längd (m)")},
      {"fickfack", QT_TRANSLATE_NOOP("Messages", "Extra snöficka, Fack nr")},
      {"fickform", QT_TRANSLATE_NOOP("Messages", "Extra snöficka, Formfaktor")},
      {"fickmaxlgd", QT_TRANSLATE_NOOP("Messages", "Extra snöficka, Längd max snö (m)")},
      {"ficklgd", QT_TRANSLATE_NOOP("Messages", "Extra snöficka, Längd (m)")},
      {"fickavst", QT_TRANSLATE_NOOP("Messages", "Extra snöficka, Avstånd från vänster stöd (m)")},
      {"nlinj", QT_TRANSLATE_NOOP("Messages", "Antal linjelaster")},
      {"linjlast", QT_TRANSLATE_NOOP("Messages", "Linjelast")},
      {"taktyp", QT_TRANSLATE_NOOP("Messages", "Typ av tak")},
      {"oflans", QT_TRANSLATE_NOOP("Messages", "Överfläns")},
      {"nedbkrav", QT_TRANSLATE_NOOP("Messages", "Nedböjningsbegränsning enl. EC 3")},
      {"psi0vind", QT_TRANSLATE_NOOP("Messages", "Kombinationsfaktor vind")},
      {"psi1vind", QT_TRANSLATE_NOOP("Messages", "Kombinationsfaktor vind")},
      {"mikroband", QT_TRANSLATE_NOOP("Messages", "Mikroband")},
      {"sidoverl", QT_TRANSLATE_NOOP("Messages", "Extra sidöverlapp")},
      {"vandr", QT_TRANSLATE_NOOP("Messages", "Vändningsriktning")},
      {"perfo", QT_TRANSLATE_NOOP("Messages", "Perforering")},
      {"utskr", QT_TRANSLATE_NOOP("Messages", "Utskrift")},
      {"D5", QT_TRANSLATE_NOOP("Messages", "Skivverkan, värde D5")},
  };
  if (const QString c = look_up(entries, base, full); !c.isEmpty()) return {c, {}};
  return {QString::fromStdString(field), {}};
}

QString fault_reason(const std::string& what_text) {
  const QString what = QString::fromStdString(what_text);
  QRegularExpressionMatch m;
  // "span 3 is outside 1..2 (...)"
  static const QRegularExpression outside(R"(^(.*?)\s*(-?\d+) is outside (-?\d+)\.\.(-?\d+))");
  if ((m = outside.match(what)).hasMatch()) {
    const QString kind = m.captured(1);
    if (kind.endsWith("span"))
      return QCoreApplication::translate("Messages", "fack %1 finns inte (fack %2 till %3)")
          .arg(m.captured(2), m.captured(3), m.captured(4));
    if (kind.endsWith("support"))
      return QCoreApplication::translate("Messages", "stöd %1 finns inte (stöd %2 till %3)")
          .arg(m.captured(2), m.captured(3), m.captured(4));
    return QCoreApplication::translate("Messages", "värdet %1 ligger utanför %2 till %3")
        .arg(m.captured(2), m.captured(3), m.captured(4));
  }
  static const QRegularExpression pocket(
      "snow pocket.s distance (\\S+) m lies beyond span (\\d+) of length (\\S+) m");
  if ((m = pocket.match(what)).hasMatch())
    return QCoreApplication::translate(
               "Messages",
               "snöfickans avstånd %1 m ligger bortom fack %2 med spännvidden %3 m; ange fickan i "
               "det fack där den ligger")
        .arg(m.captured(1), m.captured(2), m.captured(3));
  // A value quoted from the file: "\"x\" in columns 1-7 is not a number".
  static const QRegularExpression quoted("^\"(.*?)\"(?: in columns \\d+-\\d+)? is (.*)$");
  if ((m = quoted.match(what)).hasMatch()) {
    const QString rest = m.captured(2);
    QString why = QCoreApplication::translate("Messages", "kan inte läsas");
    if (rest.startsWith("not a whole number"))
      why = QCoreApplication::translate("Messages", "är inget heltal");
    else if (rest.startsWith("not a number"))
      why = QCoreApplication::translate("Messages", "är inget tal");
    else if (rest.startsWith("out of range"))
      why = QCoreApplication::translate("Messages", "är för stort");
    else if (rest.startsWith("written with a decimal comma"))
      why = QCoreApplication::translate("Messages",
                                        "är skrivet med decimalkomma; filen ska ha decimalpunkt");
    return QString("\"%1\" %2").arg(m.captured(1), why);
  }
  struct Phrase {
    const char* english;
    const char* swedish;
  };
  static const Phrase phrases[] = {
      {"must be greater than 0", QT_TRANSLATE_NOOP("Messages", "värdet måste vara större än 0")},
      {"too wide for its columns",
       QT_TRANSLATE_NOOP("Messages", "värdet är för stort för sitt fält i filen")},
      {"cannot be held in its columns",
       QT_TRANSLATE_NOOP("Messages", "värdet får inte plats med sina decimaler i filen")},
      {"cannot be written exactly", QT_TRANSLATE_NOOP("Messages", "värdet kan inte skrivas exakt")},
      {"not a whole number", QT_TRANSLATE_NOOP("Messages", "värdet måste vara ett heltal")},
      {"not a number", QT_TRANSLATE_NOOP("Messages", "värdet är inget tal")},
      {"holds a line end", QT_TRANSLATE_NOOP("Messages", "texten innehåller en radbrytning")},
      {"missing", QT_TRANSLATE_NOOP("Messages", "värdet saknas")},
      {"blank in", QT_TRANSLATE_NOOP("Messages", "värdet saknas (fältet är tomt)")},
      {"ends before", QT_TRANSLATE_NOOP("Messages", "filen tar slut före denna post")},
      {"cannot be read", QT_TRANSLATE_NOOP("Messages", "filen kan inte läsas")},
      {"UTF-16",
       QT_TRANSLATE_NOOP("Messages", "filen är UTF-16-text; spara den som Windows-1252 (ANSI)")},
      {"byte-order mark",
       QT_TRANSLATE_NOOP("Messages", "filen är UTF-8-text; spara den som Windows-1252 (ANSI)")},
      {"longer than", QT_TRANSLATE_NOOP("Messages", "raden är för lång")},
      {"case name",
       QT_TRANSLATE_NOOP("Messages", "filnamnet kan inte användas som namn på fallet")},
  };
  for (const Phrase& p : phrases)
    if (what.contains(QLatin1String(p.english)))
      return QCoreApplication::translate("Messages", p.swedish);
  return QCoreApplication::translate("Messages", "värdet kan inte användas");
}

QString write_fault_message(const std::string& fault, const InputCase& in, QString* control) {
  // "field: reason"; the field itself may hold no ": ".
  const std::size_t colon = fault.find(": ");
  const std::string field = colon == std::string::npos ? std::string() : fault.substr(0, colon);
  const std::string what = colon == std::string::npos ? fault : fault.substr(colon + 2);
  const FieldRef f = case_field(field, in);
  if (control) *control = f.control;
  if (field.empty())
    return QCoreApplication::translate("Messages", "Fallet kan inte sparas: %1.")
        .arg(fault_reason(what));
  return QCoreApplication::translate("Messages", "Felaktigt värde i fältet %1: %2.")
      .arg(f.caption, fault_reason(what));
}

QString read_fault_message(const QString& file, int line, const std::string& field,
                           const std::string& what) {
  InputCase none;
  const QString caption = field.empty() ? QString() : case_field(field, none).caption;
  QString where =
      line > 0 ? QCoreApplication::translate("Messages", "rad %1").arg(line) : QString();
  if (!caption.isEmpty()) where += (where.isEmpty() ? "" : ", ") + caption;
  QString m = QCoreApplication::translate("Messages", "Filen %1 kan inte läsas").arg(file);
  if (!where.isEmpty()) m += " (" + where + ")";
  return m + ":\n" + fault_reason(what) + ".";
}

QString engine_messages(const QString& console) {
  // "<file> line N (record R, field): what", as the engine names an input fault.
  static const QRegularExpression input_fault(
      R"(^(?:kvopwb: )?(\S+) line (\d+) \(record [^,]+, (.+?)\): (.*)$)");
  QStringList kept;
  for (QString line : console.split('\n')) {
    line = line.trimmed();
    if (line.isEmpty()) continue;
    if (line.startsWith(QString("BERÄKNING PÅGÅR"))) continue;
    if (line.startsWith(QString("TRYCK VALFRI TANGENT"))) continue;
    if (const auto m = input_fault.match(line); m.hasMatch()) {
      line = read_fault_message(m.captured(1), m.captured(2).toInt(), m.captured(3).toStdString(),
                                m.captured(4).toStdString());
    }
    kept << line;
  }
  return kept.join('\n');
}

QString database_warning(const QString& program_dir) {
  const QString data = data_dir(program_dir);
  if (data.isEmpty()) {
    const QStringList places = data_dir_places(program_dir);
    return QCoreApplication::translate(
               "Messages",
               "Profildatabasen PROFILKV.BIN finns varken i programkatalogen %1 eller i %2.\n\n"
               "Profilerna kan inte väljas ur listan och beräkningar kan inte göras förrän "
               "databasen finns där.")
        .arg(QDir::toNativeSeparators(places.value(0)), QDir::toNativeSeparators(places.value(1)));
  }
  if (!read_profiles(data).empty()) return {};
  return QCoreApplication::translate(
             "Messages",
             "Profildatabasen PROFILKV.BIN saknas eller kan inte läsas i programkatalogen %1.\n\n"
             "Profilerna kan inte väljas ur listan och beräkningar kan inte göras förrän "
             "databasen finns där.")
      .arg(QDir::toNativeSeparators(data));
}

}  // namespace kvop::editor
