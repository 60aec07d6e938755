// profilkv: keeps the profile database maintainable as text.  "build"
// compiles catalogue files into the binary database, "dump" prints a
// database back as a catalogue, "list" gives designation, origin and
// thicknesses of every profile.
#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>

#include "catalogue.h"
#include "core/cp1252.h"
#include "profiles/profile_codec.h"

namespace {

int fail(const std::string& message) {
  std::cerr << "profilkv: " << message << '\n';
  return 1;
}

bool load(const std::string& path, std::vector<kvop::RecordBytes>& records, std::string& why) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    why = path + ": cannot be opened";
    return false;
  }
  if (!kvop::read_database(in, records, why)) {
    why = path + ": " + why;
    return false;
  }
  return true;
}

int build(const std::vector<std::string>& args) {
  if (args.size() < 2) return fail("build needs at least one catalogue and the database to write");
  std::vector<std::filesystem::path> files(args.begin(), args.end() - 1);
  const std::string out = args.back();
  std::vector<kvop::RecordBytes> records;
  kvop::CatalogueError err;
  if (!kvop::compile_catalogues(files, records, err)) return fail(err.text() + "; nothing written");
  std::string why;
  if (!kvop::write_file_atomically(out, kvop::database_bytes(records), why)) return fail(why);
  return 0;
}

int dump(const std::string& db) {
  std::vector<kvop::RecordBytes> records;
  std::string why, text;
  if (!load(db, records, why) || !kvop::print_catalogue(records, text, why)) return fail(why);
  std::cout << text;
  return 0;
}

int list(const std::string& db) {
  std::vector<kvop::RecordBytes> records;
  std::string why;
  if (!load(db, records, why)) return fail(why);
  std::cout << "  NR  DESIGNATION  ORIGIN  THICKNESSES (MM)\n";
  for (std::size_t k = 0; k < records.size(); ++k) {
    const auto p = kvop::decode_profile_record(records[k]);
    char head[64];
    if (!p) {
      std::snprintf(head, sizeof head, "%4zu  ", k + 1);
      std::cout << head << "(record of " << records[k].size() << " bytes, not readable)\n";
      continue;
    }
    std::snprintf(head, sizeof head, "%4zu  ", k + 1);
    std::cout << head << kvop::cp1252::to_utf8(p->designation.view()) << "     ";
    std::snprintf(head, sizeof head, "%6d ", p->origin_code);
    std::cout << head;
    if (p->thickness_count < 1 || p->thickness_count > 10) {
      std::cout << " (thickness count " << p->thickness_count << " outside 1..10)\n";
      continue;
    }
    for (int i = 1; i <= p->thickness_count; ++i) {
      char t[32];
      std::snprintf(
          t, sizeof t, " %.2f",
          static_cast<double>(p->per_thickness(kvop::no(kvop::Row::nominal_thickness), i)));
      std::cout << t;
    }
    std::cout << '\n';
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"profilkv - the profile database PROFILKV.BIN and its text catalogue"};
  app.require_subcommand(1);
  // "/path" is a file, also on Windows, where CLI11 would take it for an option.
  app.allow_windows_style_options(false);
  std::vector<std::string> build_args;
  auto* b = app.add_subcommand("build",
                               "compile catalogue files into a database: build CATALOGUE... OUT");
  b->add_option("files", build_args, "catalogue files, then the database to write")
      ->required()
      ->expected(2, -1);
  std::string dump_db, list_db;
  auto* d = app.add_subcommand("dump", "print a database as a catalogue");
  d->add_option("database", dump_db, "the database file")->required();
  auto* l = app.add_subcommand("list", "list designation, origin and thicknesses");
  l->add_option("database", list_db, "the database file")->required();
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : 64;
  }
  if (*b) return build(build_args);
  if (*d) return dump(dump_db);
  return list(list_db);
}
