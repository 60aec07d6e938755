#include "run_result.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace kvop::editor {

QString decimal(double v, int decimals) {
  return QString::number(v, 'f', decimals).replace('.', ',');
}

namespace {

QString when(const QDateTime& t) { return t.toString("yyyy-MM-dd HH:mm:ss"); }

// The folder of the run records, in the user's own data folder.
QString records_dir() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
      .filePath("korningar");
}

QString canonical(const QString& path) {
  const QString c = QFileInfo(path).canonicalFilePath();
  return c.isEmpty() ? QFileInfo(path).absoluteFilePath() : c;
}

QString record_file(const QString& report) {
  const QByteArray key =
      QCryptographicHash::hash(canonical(report).toUtf8(), QCryptographicHash::Sha1).toHex();
  return QDir(records_dir()).filePath(QString::fromLatin1(key) + ".json");
}

}  // namespace

RunVerdict read_verdict(const QByteArray& json) {
  RunVerdict v;
  QJsonParseError err{};
  const QJsonDocument doc = QJsonDocument::fromJson(json, &err);
  if (err.error != QJsonParseError::NoError || !doc.isObject()) return v;
  const QJsonObject a = doc.object();
  v.readable = true;
  v.status = a["status"].toInt();
  v.database = a["database"].toString();
  v.profile = a["profile"].toObject()["designation"].toString().trimmed();
  if (v.profile.isEmpty()) {
    const QJsonArray names = a["case"].toObject()["pnamn"].toArray();
    if (!names.isEmpty()) v.profile = names[0].toString().trimmed();
  }
  const QJsonObject c = a["checks"].toObject();
  v.checked = !c.isEmpty();
  if (v.checked) {
    const int n = std::clamp(a["case"].toObject()["nfack"].toInt(), 1, 20);
    // The largest ratio over the load cases: supports, span moments, deflections.
    auto scan = [&](const char* key, const QString& what, const QString& suffix) {
      const QJsonArray rows = c[key].toArray();
      for (int lc = 0; lc < rows.size(); ++lc) {
        const QJsonArray row = rows[lc].toArray();
        for (int i = 0; i < row.size(); ++i)
          if (row[i].toDouble() > v.maxRatio) {
            v.maxRatio = row[i].toDouble();
            v.maxWhere = what + " " + QString::number(i + 1) + suffix;
            v.maxLoadCase = lc + 1;
            v.maxKind = key[4];  // KVOTS, KVOTF, KVOTD
            v.maxIndex = i + 1;
          }
      }
    };
    scan("KVOTS", QCoreApplication::translate("RunResult", "stöd"), "");
    scan("KVOTF", QCoreApplication::translate("RunResult", "fack"), "");
    scan("KVOTD", QCoreApplication::translate("RunResult", "fack"),
         QCoreApplication::translate("RunResult", " (nedböjning)"));
    v.passes = v.status == 0 && !c["failed"].toBool() && !c["over"].toBool() && v.maxRatio <= 1.0;
    // A sheet covers the supports where its thickness column is set; each
    // support stands for the span to its right (the last support for none).
    const QJsonArray tjix = c["tjix"].toArray();
    const QJsonArray plattj = c["plattj"].toArray();
    int sheet = 0;
    for (const QJsonValue& rowv : tjix) {
      const QJsonArray row = rowv.toArray();
      int first = 0, last = 0;
      for (int i = 0; i < row.size(); ++i)
        if (row[i].toInt() != 0) {
          if (first == 0) first = i + 1;
          last = i + 1;
        }
      if (first == 0) continue;
      ++sheet;
      const int a1 = std::min(first, n), a2 = std::clamp(last, a1, n);
      v.pieces.push_back({a1, a2, a1 - 1 < plattj.size() ? plattj[a1 - 1].toDouble() : 0.0});
      const QString spans =
          a1 == a2 ? QCoreApplication::translate("RunResult", "fack %1").arg(a1)
                   : QCoreApplication::translate("RunResult", "fack %1–%2").arg(a1).arg(a2);
      const double t = a1 - 1 < plattj.size() ? plattj[a1 - 1].toDouble() : 0.0;
      v.sheets << QCoreApplication::translate("RunResult", "Plåt %1, %2: %3 mm")
                      .arg(sheet)
                      .arg(spans, decimal(t, 2));
    }
  }
  const QJsonObject w = a["walkability"].toObject();
  QStringList spans;
  for (const QJsonValue& s : w["spans"].toArray()) spans << QString::number(s.toInt());
  if (!spans.isEmpty())
    v.walkability << QCoreApplication::translate("RunResult",
                                                 "OBS!! Gåbarheten överskriden i fack nr %1")
                         .arg(spans.join(", "));
  if (w["max_sheet_length"].toBool())
    v.walkability << QCoreApplication::translate("RunResult", "OBS!! Max plåtlängd överskriden");
  if (w["fully_perforated"].toBool())
    v.walkability << QCoreApplication::translate(
        "RunResult", "Gåbarheten för helperforerad profil är ej kontrollerad");
  return v;
}

QStringList verdict_lines(const RunVerdict& v) {
  QStringList out;
  if (!v.readable)
    return {QCoreApplication::translate(
        "RunResult", "Ingen redovisning av körningen finns: utfallet kan inte visas.")};
  if (v.status != 0 && !v.checked)
    return {QCoreApplication::translate(
                "RunResult", "Beräkningen misslyckades (slutstatus %1); rapporten är ofullständig.")
                .arg(v.status)};
  if (!v.checked) return {QCoreApplication::translate("RunResult", "Inga kontroller gjordes.")};
  const QString ratio =
      QCoreApplication::translate("RunResult", "största utnyttjandegrad %1 % i %2, lastfall %3")
          .arg(decimal(v.maxRatio * 100.0, 0), v.maxWhere)
          .arg(v.maxLoadCase);
  if (v.passes)
    out << QCoreApplication::translate("RunResult", "Profilen %1 klarar sig: %2.")
               .arg(v.profile, ratio);
  else
    out << QCoreApplication::translate("RunResult", "OBS!! Profilen %1 klarar sig ej: %2.")
               .arg(v.profile, ratio);
  if (v.status != 0)
    out << QCoreApplication::translate(
               "RunResult",
               "Beräkningen avslutades med slutstatus %1; rapporten kan vara ofullständig.")
               .arg(v.status);
  if (!v.sheets.isEmpty())
    out << QCoreApplication::translate("RunResult", "Vald tjocklek: %1").arg(v.sheets.join("; "));
  out << v.walkability;
  return out;
}

QByteArray file_hash(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QCryptographicHash h(QCryptographicHash::Sha256);
  h.addData(&f);
  return h.result().toHex();
}

bool save_run_record(const RunRecord& r) {
  QDir().mkpath(records_dir());
  QJsonObject o;
  o["report"] = canonical(r.report);
  o["reportHash"] = QString::fromLatin1(r.reportHash);
  o["input"] = QString::fromLatin1(r.input.toBase64());
  o["account"] = QString::fromLatin1(r.account.toBase64());
  o["computed"] = r.computed.toString(Qt::ISODateWithMs);
  o["exitCode"] = r.exitCode;
  o["console"] = r.console;
  QSaveFile f(record_file(r.report));
  const QByteArray bytes = QJsonDocument(o).toJson();
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
}

std::optional<RunRecord> load_run_record(const QString& report) {
  QFile f(record_file(report));
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
  if (o["report"].toString() != canonical(report)) return std::nullopt;
  RunRecord r;
  r.report = o["report"].toString();
  r.reportHash = o["reportHash"].toString().toLatin1();
  r.input = QByteArray::fromBase64(o["input"].toString().toLatin1());
  r.account = QByteArray::fromBase64(o["account"].toString().toLatin1());
  r.computed = QDateTime::fromString(o["computed"].toString(), Qt::ISODateWithMs);
  r.exitCode = o["exitCode"].toInt();
  r.console = o["console"].toString();
  return r;
}

void remove_run_record(const QString& report) { QFile::remove(record_file(report)); }

ResultStatus result_status(const QString& report, const QByteArray& current_input,
                           const QString& program_dir) {
  ResultStatus s;
  const auto r = load_run_record(report);
  const QByteArray hash = file_hash(report);
  if (!r || hash.isEmpty() || r->reportHash != hash) {
    s.state = ResultState::unknown;
    s.headline = QCoreApplication::translate(
        "RunResult",
        "OKÄNT URSPRUNG: denna rapport har inte beräknats från fallet på skärmen med "
        "detta program. Kör Beräkning för ett resultat som hör till indata.");
    const QFileInfo fi(report);
    if (fi.exists())
      s.lines << QCoreApplication::translate("RunResult", "Rapportfilen skrevs %1.")
                     .arg(when(fi.lastModified()));
    return s;
  }
  s.state = !current_input.isEmpty() && r->input == current_input ? ResultState::current
                                                                  : ResultState::stale;
  s.headline =
      s.state == ResultState::current
          ? QCoreApplication::translate("RunResult", "Resultatet hör till indata på skärmen.")
          : QCoreApplication::translate(
                "RunResult",
                "INAKTUELLT: indata har ändrats sedan beräkningen. Resultatet hör "
                "inte till fallet på skärmen; kör Beräkning igen.");
  const RunVerdict v = read_verdict(r->account);
  s.lines << (v.database.isEmpty()
                  ? QCoreApplication::translate("RunResult", "Beräknad %1.").arg(when(r->computed))
                  : QCoreApplication::translate("RunResult", "Beräknad %1 med profildatabasen %2.")
                        .arg(when(r->computed), QDir::toNativeSeparators(v.database)));
  const QString ours = QFileInfo(QDir(program_dir).filePath("PROFILKV.BIN")).canonicalFilePath();
  if (!v.database.isEmpty() && !ours.isEmpty() && canonical(v.database) != ours)
    s.lines << QCoreApplication::translate("RunResult", "OBS! Detta program använder databasen %1.")
                   .arg(QDir::toNativeSeparators(ours));
  if (r->exitCode != 0 && (!v.readable || !v.checked)) {
    s.lines << QCoreApplication::translate(
                   "RunResult",
                   "Beräkningen misslyckades (slutstatus %1); rapporten är ofullständig.")
                   .arg(r->exitCode);
  } else {
    s.lines << verdict_lines(v);
  }
  return s;
}

}  // namespace kvop::editor
