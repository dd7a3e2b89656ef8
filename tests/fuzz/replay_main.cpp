// Replays inputs through a fuzz target's entries without libFuzzer, in any build:
//   fuzz_replay <target> <regressions-root>
// runs the target's seeds (written by its start-up into a folder of the working directory) and
// every committed input under <regressions-root>/<target>/, one process per target so that no
// target's globals meet another's. Every target's source is compiled in with its two entries
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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: fuzz_replay <target> <regressions-root>\n");
    return 2;
  }
  const ReplayEntry* entry = nullptr;
  for (const ReplayEntry& e : kReplayEntries)
    if (strcmp(e.name, argv[1]) == 0) entry = &e;
  if (!entry) {
    fprintf(stderr, "fuzz_replay: no target %s\n", argv[1]);
    return 2;
  }
  const fs::path seeds = fs::absolute(fs::path("seeds") / entry->name);
  const fs::path regressions = fs::absolute(fs::path(argv[2]) / entry->name);
  std::error_code ec;
  fs::remove_all(seeds, ec);
  setenv("TOLV_FUZZ_SEED_DIR", seeds.c_str(), 1);
  int initArgc = 1;
  char** initArgv = argv;
  entry->init(&initArgc, &initArgv);

  std::vector<fs::path> inputs;
  AddFiles(seeds, &inputs);
  AddFiles(regressions, &inputs);
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
  printf("fuzz_replay %s: %zu inputs\n", entry->name, inputs.size());
  return inputs.empty() ? 1 : 0;
}
