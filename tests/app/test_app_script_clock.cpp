// A scripted run keeps the script's clock: the same script in two fresh trees, the second beside a
// busy loop on every processor, gives the same files byte for byte; another seed gives another game.
#include <vector>

#include "app_run.h"

namespace {

// Window pixels of the play screen at 800 x 600 (as in the play session).
const char* kScript =
    "answer no\nwait 3\n"
    "click left 750 124\nwait 30\n"                      // PlayTest
    "click left 412 274\nwait 3\nclick right 555 218\n"  // the builder, sent off
    "wait 3\nclick left 40 530\nwait 3\n"                // Save Test2
    "move 500 580\nwait 200\nshot walked.bmp\n"          // the game went on
    "shot\n"                                             // the game's own name
    "click left 40 530\nwait 3\nclose\n";                // saved again

// One spinning child a processor for as long as it lives; each stopped by its own process id.
struct BusyLoops {
  std::vector<pid_t> pids;
  BusyLoops() {
    for (long i = sysconf(_SC_NPROCESSORS_ONLN); i > 0; i--) {
      const pid_t pid = fork();
      if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        volatile unsigned spins = 0;
        for (;;) spins = spins + 1;  // a side effect each turn, so the loop stays
      }
      if (pid > 0) pids.push_back(pid);
    }
  }
  ~BusyLoops() {
    for (pid_t pid : pids) kill(pid, SIGKILL);
    for (pid_t pid : pids) waitpid(pid, nullptr, 0);
  }
};

// Every file a run wrote that a user keeps: stages, screenshots, the log without the line that
// names the start folder (the one line two trees must differ in).
std::vector<std::pair<std::string, std::string>> Outputs(const fs::path& dir) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const fs::path& sub : {dir, dir / "Maps", dir / "screens1"}) {
    if (!fs::is_directory(sub)) continue;
    std::vector<fs::path> names;
    for (const auto& e : fs::directory_iterator(sub))
      if (e.is_regular_file()) names.push_back(e.path());
    std::sort(names.begin(), names.end());
    for (const fs::path& p : names)
      if (p.extension() == ".bmp" || p.parent_path().filename() == "Maps")
        out.emplace_back(fs::relative(p, dir).string(), ReadAll(p));
  }
  std::string log = ReadAll(dir / "uni_files" / "log.txt");
  const size_t at = log.find("\nStart in ");
  if (at != std::string::npos) log.erase(at, log.find('\n', at + 1) - at);
  out.emplace_back("log", log);
  return out;
}

TEST_F(AppRun, TheSameScriptGivesTheSameFilesAtAnyLoadAndTheSeedChangesTheGame) {
  ASSERT_EQ(Run(kScript), 0) << ReadAll(dir / "run.out");
  const auto first = Outputs(dir);
  FreshData();  // the same folder, emptied
  {
    BusyLoops busy;
    ASSERT_EQ(Run(kScript), 0) << ReadAll(dir / "run.out");
  }
  const auto second = Outputs(dir);
  ASSERT_EQ(first.size(), second.size());
  for (size_t i = 0; i < first.size(); i++) {
    EXPECT_EQ(first[i].first, second[i].first);
    EXPECT_TRUE(first[i].second == second[i].second) << first[i].first << " differs at load";
  }

  // What the files hold: two saves (the first kept as the backup), the game's own screenshot named
  // by the script's date, the log's start stamp at the script's first moment.
  std::vector<std::string> names;
  std::string walked;
  for (const auto& [name, bytes] : first) {
    names.push_back(name);
    if (name == "walked.bmp") walked = bytes;
  }
  for (const char* want : {"Maps/test2.etp", "Maps/test2.etp01", "Maps/test2.etp_bak",
                           "Maps/test2.etp01_bak", "walked.bmp"})
    EXPECT_NE(std::find(names.begin(), names.end(), want), names.end()) << want;
  EXPECT_EQ(
      std::count_if(names.begin(), names.end(),
                    [](const std::string& n) { return n.rfind("screens1/tolv_1_m1_2000_", 0) == 0; }),
      1);
  EXPECT_NE(first.back().second.find("\n1_m1_2000<Gr>0_0m_0s\n"), std::string::npos)
      << first.back().second;

  // Another seed: the land's tints and the battle's draws differ from the first frame on.
  FreshData();
  ASSERT_EQ(Run(std::string("seed 2\n") + kScript), 0) << ReadAll(dir / "run.out");
  EXPECT_TRUE(walked != ReadAll(dir / "walked.bmp"));
}

}  // namespace
