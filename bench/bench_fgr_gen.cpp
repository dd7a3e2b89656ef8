// The figure header generator on the shipped tables: one whole run (five tables read, three
// headers written) in a scratch folder.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "generators/fgr_tables.h"

static void BM_FgrAGen(benchmark::State& state) {
  namespace fs = std::filesystem;
  fs::path src = TOLV_SOURCE_DIR;
  fs::path dir = fs::temp_directory_path() / "tolv_bench_fgr_gen";
  fs::remove_all(dir);
  fs::create_directories(dir / "gm");
  fs::create_directories(dir / "uni_files/res");
  for (const char* t : {"gm/__fgr_status.txt", "gm/__fgr_in.txt", "gm/__fgr_rea.txt",
                        "gm/__fgr_kombi.txt", "gm/__boe_count.txt", "uni_files/res/fa_in_end.h"})
    fs::copy_file(src / t, dir / t, fs::copy_options::overwrite_existing);
  fs::path back = fs::current_path();
  fs::current_path(dir);
  for (auto _ : state) FgrAGen();
  fs::current_path(back);
  fs::remove_all(dir);
}
BENCHMARK(BM_FgrAGen)->Unit(benchmark::kMillisecond);
