// Replays inputs through a fuzz target's entries without libFuzzer, in any build:
//   fuzz_replay <target> <regressions-root> [<part> <parts> <seed-stride>]
// runs the target's seeds (written by its start-up into a folder of the working directory) and
// every committed input under <regressions-root>/<target>/, one process per target so that no
// target's globals meet another's. A long replay is split: of every seed-stride-th seed and every
// committed input, in that order, part k of n replays the k-th of each n, so the parts together
// replay every committed input once. Every target's source is compiled in with its two entries
// renamed (the generated replay_<target>.cpp files); a fault ends the process as it would end the
// fuzzer, and the exit code is 0 only when every input came back.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "replay_table.h"

namespace fs = std::filesystem;

namespace {

void AddFiles(const fs::path& dir, std::vector<fs::path>* out) {
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) return;
  std::vector<fs::path> found;
  for (const fs::directory_entry& e : fs::directory_iterator(dir, ec))
    if (e.is_regular_file()) found.push_back(e.path());
  std::sort(found.begin(), found.end());
  out->insert(out->end(), found.begin(), found.end());
}

// A whole number of at least 1, or 0.
int Count(const char* s) {
  char* end = nullptr;
  const long v = strtol(s, &end, 10);
  return *end == 0 && v >= 1 && v <= 1000000 ? (int)v : 0;
}

}  // namespace

int main(int argc, char** argv) {
  const int part = argc == 6 ? Count(argv[3]) : 1, parts = argc == 6 ? Count(argv[4]) : 1;
  const int stride = argc == 6 ? Count(argv[5]) : 1;
  if ((argc != 3 && argc != 6) || !part || !parts || !stride || part > parts) {
    fprintf(stderr, "usage: fuzz_replay <target> <regressions-root> [<part> <parts> <seed-stride>]\n");
    return 2;
  }
  const ReplayEntry* entry = nullptr;
  for (const ReplayEntry& e : kReplayEntries)
    if (strcmp(e.name, argv[1]) == 0) entry = &e;
  if (!entry) {
    fprintf(stderr, "fuzz_replay: no target %s\n", argv[1]);
    return 2;
  }
  // Each part writes the seeds into a folder of its own: the parts run side by side.
  const std::string folder = entry->name + (parts > 1 ? "." + std::to_string(part) : std::string());
  const fs::path seeds = fs::absolute(fs::path("seeds") / folder);
  const fs::path regressions = fs::absolute(fs::path(argv[2]) / entry->name);
  std::error_code ec;
  fs::remove_all(seeds, ec);
  setenv("TOLV_FUZZ_SEED_DIR", seeds.c_str(), 1);
  int initArgc = 1;
  char** initArgv = argv;
  entry->init(&initArgc, &initArgv);

  std::vector<fs::path> made, all, inputs;
  AddFiles(seeds, &made);
  for (size_t i = 0; i < made.size(); i += (size_t)stride) all.push_back(made[i]);
  const size_t seedsTaken = all.size();
  AddFiles(regressions, &all);
  for (size_t i = (size_t)part - 1; i < all.size(); i += (size_t)parts) inputs.push_back(all[i]);
  for (const fs::path& p : inputs) {
    std::ifstream in(p, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    printf("%s\n", p.c_str());
    fflush(stdout);
    // A copy of exactly the input's size, so AddressSanitizer sees a read past its end.
    uint8_t* data = static_cast<uint8_t*>(malloc(bytes.size() ? bytes.size() : 1));
    if (!bytes.empty()) memcpy(data, bytes.data(), bytes.size());
    entry->one(data, bytes.size());
    free(data);
  }
  printf("fuzz_replay %s, part %d of %d: %zu of %zu inputs (%zu of its %zu seeds, %zu committed)\n",
         entry->name, part, parts, inputs.size(), all.size(), seedsTaken, made.size(),
         all.size() - seedsTaken);
  return inputs.empty() ? 1 : 0;
}
