// gmgen: runs the source generators from the command line, in the repository root (the tables and
// the headers are found by their paths relative to it). "done" stands in for the closing box.
#include <cstdio>
#include <cstring>

#include "generators/fgr_tables.h"
#include "generators/generators.h"

int main(int argc, char** argv) {
  const char* what = argc > 1 ? argv[1] : "";
  bool all = std::strcmp(what, "all") == 0;
  bool fgr = all || std::strcmp(what, "fgr") == 0;
  bool org = all || std::strcmp(what, "org") == 0;
  bool res = all || std::strcmp(what, "res") == 0;
  if (!fgr && !org && !res) {
    std::fprintf(stderr, "usage: gmgen fgr|org|res|all   (run in the repository root)\n");
    return 2;
  }
  if (fgr) FgrAGen();
  if (org) Org_ReStart();
  if (res) ResAGen();
  std::printf("done\n");
  return 0;
}
