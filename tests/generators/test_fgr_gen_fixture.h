// Runs the figure generator in a scratch folder of its own, on tables given as texts, and reads
// back what it wrote.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "generators/fgr_tables.h"
#include "pieces.h"
#include "shell/log.h"
#include "test_files.h"

namespace fgrtest {

// The five tables (each given without its title line; a title is added) and the record tail.
struct Tables {
  std::string status, in, rea, kombi, boe;
  std::string tail = "};\n";
};

// One scratch folder: tables written, the generator run inside it, outputs read back.
struct GenRun {
  std::filesystem::path dir;
  std::string pre, fin, proc, log;

  explicit GenRun(const std::string& name) : dir(TestScratchDir("fgr_" + name + "_")) {
    std::filesystem::create_directories(dir / "gm");
    std::filesystem::create_directories(dir / "uni_files" / "res");
  }

  void Write(const Tables& t) {
    WriteAll(dir / "gm/__fgr_status.txt", "title\n" + t.status);
    WriteAll(dir / "gm/__fgr_in.txt", "title\n" + t.in);
    WriteAll(dir / "gm/__fgr_rea.txt", "title\n" + t.rea);
    WriteAll(dir / "gm/__fgr_kombi.txt", "title\n" + t.kombi);
    WriteAll(dir / "gm/__boe_count.txt", "title\n" + t.boe);
    if (!t.tail.empty()) WriteAll(dir / "uni_files/res/fa_in_end.h", t.tail);
  }

  void Generate() {
    std::filesystem::path back = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    Logger.gsFileLog =
        "uni_files/log.txt";  // the run's own log in its folder, whatever a test before set
    FgrAGen();
    std::filesystem::current_path(back);
    pre = ReadAll(dir / "gm/fa_pre.h");
    fin = ReadAll(dir / "gm/fa_in.h");
    proc = ReadAll(dir / "gm/fa_proc.h");
    log = ReadAll(dir / "uni_files/log.txt");
  }

  GenRun& operator()(const Tables& t) {
    Write(t);
    Generate();
    return *this;
  }
};

}  // namespace fgrtest
