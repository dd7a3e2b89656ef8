// Speed of the named-variable and resource generators on the shipped named-variable table and on
// a resource set of 501 textures, 500 phrases and 21 key commands, written into a scratch folder.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "generators/org_gen.h"
#include "generators/res_gen.h"
#include "shell/file_names.h"
#include "shell/key_commands.h"
#include "shell/log.h"
#include "shell/msgbase.h"

static void BM_OrgGenShippedTable(benchmark::State& state) {
  std::filesystem::create_directories("bench_gen");
  Logger.gsFileLog = "bench_gen/log.txt";
  gsFileOrgGenIn = std::string(TOLV_SOURCE_DIR) + "/gm/__orgmix.txt";
  gsFileOrgBaseA = "bench_gen/org_base_a.h";
  for (auto _ : state) Org_ReStart();
}
BENCHMARK(BM_OrgGenShippedTable)->Unit(benchmark::kMillisecond);

static void BM_ResGenFullLists(benchmark::State& state) {
  std::filesystem::create_directories("bench_gen");
  Logger.gsFileLog = "bench_gen/log.txt";
  FileNames.gsFilePixStart = "bench_gen/pix_start.txt";
  Msgs.gsFileMsgBase = "bench_gen/msgbase.txt";
  KeyCmds.gsFileSig = "bench_gen/sig.txt";
  gsFileResA = "bench_gen/res_a.h";
  std::ofstream pix(FileNames.gsFilePixStart), msg(Msgs.gsFileMsgBase), sig(KeyCmds.gsFileSig);
  pix << "textures\n501\n";
  for (int i = 0; i < 501; i++) pix << "--\ntex" << i << "\n" << i << "\nt.tga\n0\n";
  msg << "9999\n";
  for (int i = 1; i <= 500; i++) msg << "//==mbText" << i << " // " << i << "\nEnglish\nLocal\n";
  sig << "commands\n";
  for (int i = 1; i <= 21; i++)
    sig << "//== " << i << "\nKmd" << i << "\n1 65 0 0 0 0\n0\n0\n0\n0\n0 0 0 1\n";
  pix.close();
  msg.close();
  sig.close();
  for (auto _ : state) ResAGen();
}
BENCHMARK(BM_ResGenFullLists)->Unit(benchmark::kMillisecond);
