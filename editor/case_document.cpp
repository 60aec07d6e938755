#include "case_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <fstream>
#include <sstream>

#include "core/cp1252.h"
#include "core/file_names.h"
#include "messages.h"
#include "profiles/profile_codec.h"
#include "profiles/profile_file.h"

namespace kvop::editor {

const char* const kFileNameRule =
    "OBS! Filnamnet får innehålla max åtta tecken och inga mellanslag, komma, punkt eller å, ä, ö";

bool file_name_allowed(const QString& base) {
  if (base.isEmpty() || base.size() > 8) return false;
  for (const QChar c : base) {
    if (c.isSpace() || c == ',' || c == '.' || c == '/' || c == '\\' || c == ':') return false;
    const QChar l = c.toLower();
    if (l == QChar(0xE5) || l == QChar(0xE4) || l == QChar(0xF6)) return false;  // å ä ö
    if (c.unicode() < 0x20 || c.unicode() > 0xFF) return false;  // not Windows-1252 text
  }
  return true;
}

QString case_base_name(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  if (name.endsWith(".IND", Qt::CaseInsensitive)) return name.left(name.size() - 4);
  return name;
}

QString file_error_text(QFileDevice::FileError error, const QString& path, const QString& reason) {
  QString text;
  switch (error) {
    case QFileDevice::ReadError: text = "Input Past End Of File"; break;
    case QFileDevice::WriteError: text = errno == ENOSPC ? "Disk Full" : "Device IO"; break;
    case QFileDevice::ResourceError: text = "Disk Full"; break;
    case QFileDevice::PermissionsError: text = "Device Unavailable"; break;
    case QFileDevice::OpenError:
      text = QFileInfo(path).absoluteDir().exists() ? "Bad Filename, Bad Filename Or Number"
                                                    : "Path Does Not Exist";
      break;
    case QFileDevice::AbortError:
    case QFileDevice::RenameError:
    case QFileDevice::CopyError:
    case QFileDevice::RemoveError: text = "Disk Error"; break;
    case QFileDevice::FatalError:
    case QFileDevice::UnspecifiedError:
    case QFileDevice::PositionError:
    case QFileDevice::ResizeError:
    case QFileDevice::TimeOutError:
    default: text = "Disk Error"; break;
  }
  QString m = text + "\n" + QDir::toNativeSeparators(path);
  if (!reason.isEmpty()) m += "\n(" + reason + ")";
  return m;
}

bool load_case(const QString& path, CaseFile& cf, QString& message) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    const auto err =
        QFileInfo::exists(path) ? QFileDevice::PermissionsError : QFileDevice::OpenError;
    message = file_error_text(err, path, f.errorString());
    return false;
  }
  const QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError) {
    message = file_error_text(QFileDevice::ReadError, path, f.errorString());
    return false;
  }
  std::istringstream in(bytes.toStdString());
  CaseFileFault fault;
  CaseFile read;
  if (!read_case_file(in, read, fault)) {
    message = read_fault_message(QFileInfo(path).fileName(), fault.line, fault.field, fault.what);
    return false;
  }
  cf = read;
  return true;
}

QByteArray case_bytes(CaseFile cf, const QString& case_name, QString& message) {
  cf.in.indatafil.set(cp1252::from_utf8(case_name.toStdString()));
  std::string out, fault;
  if (!write_case_file(cf, out, fault)) {
    message = write_fault_message(fault, cf.in);
    return {};
  }
  return QByteArray::fromStdString(out);
}

bool save_case(const QString& path, CaseFile cf, QString& message) {
  const QByteArray bytes = case_bytes(cf, case_base_name(path), message);
  if (bytes.isEmpty()) return false;
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) {
    message =
        file_error_text(f.error() == QFileDevice::NoError ? QFileDevice::OpenError : f.error(),
                        path, f.errorString());
    return false;
  }
  if (f.write(bytes) != bytes.size()) {
    message = file_error_text(QFileDevice::WriteError, path, f.errorString());
    f.cancelWriting();
    return false;
  }
  if (!f.commit()) {
    message =
        file_error_text(f.error() == QFileDevice::NoError ? QFileDevice::WriteError : f.error(),
                        path, f.errorString());
    return false;
  }
  return true;
}

std::vector<ProfileChoice> read_profiles(const QString& program_dir) {
  std::vector<ProfileChoice> list;
  const auto db = find_file(program_dir.toStdString(), "PROFILKV.BIN");
  if (!db) return list;
  std::ifstream in(*db, std::ios::binary);
  std::vector<unsigned char> bytes;
  std::string why;
  while (read_record(in, bytes, kProfileRecordBytes, why) == RecordRead::ok) {
    const auto p = decode_profile_record(bytes);
    if (!p) break;
    ProfileChoice c;
    c.designation = QString::fromStdString(cp1252::to_utf8(p->designation.trimmed()));
    for (int t = 1; t <= std::min(10, static_cast<int>(p->thickness_count)); ++t)
      c.thicknesses.push_back(p->per_thickness(no(Row::nominal_thickness), t));
    list.push_back(std::move(c));
  }
  return list;
}

}  // namespace kvop::editor
