// kvop_gencases: writes varied sheeting cases for build comparisons, through
// the engine's own case file writer, so that the cases follow the file
// layout the engine reads.
//
// Usage: kvop_gencases OUT_DIR [COUNT] [SEED]
//
// Each case (gencases/run_cases.h) goes to OUT_DIR/G<k>/~INDATA~.TMP
// (Windows-1252, CR LF line ends as the input editor writes them).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "gencases/run_cases.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) {
    std::cerr << "usage: kvop_gencases OUT_DIR [COUNT] [SEED]\n";
    return 2;
  }
  const std::filesystem::path out = argv[1];
  const int count = argc > 2 ? std::atoi(argv[2]) : 300;
  const unsigned seed = argc > 3 ? static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)) : 1;
  kvop::gencases::Dice dice(seed);
  for (int k = 1; k <= count; ++k) {
    char name[16];
    std::snprintf(name, sizeof name, "G%04d", k);
    const kvop::CaseFile cf = kvop::gencases::make_case(dice, name);
    std::string bytes, fault;
    if (!kvop::write_case_file(cf, bytes, fault)) {
      std::cerr << "kvop_gencases: case " << name << " cannot be written: " << fault << "\n";
      return 1;
    }
    const std::filesystem::path dir = out / name;
    std::filesystem::create_directories(dir);
    std::ofstream f(dir / "~INDATA~.TMP", std::ios::binary);
    f << bytes;
    if (!f.flush()) {
      std::cerr << "kvop_gencases: cannot write " << (dir / "~INDATA~.TMP").string() << "\n";
      return 1;
    }
  }
  return 0;
}
