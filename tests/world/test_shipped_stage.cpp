// The stage the game ships, "Maps/test.etp" with its location file: the same bytes as the stage
// maker writes now, and a stage that loads into a world to play.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "figures/stage.h"
#include "world/stage_requests.h"
#include "world_fixture.h"

class ShippedStage : public WorldTest {};

TEST_F(ShippedStage, IsWhatTheStageMakerWritesAndLoads) {
  const auto dir = TestScratchDir("stages_");
  const std::string cmd = std::string(TOLV_STAGES_TOOL) + " " + TOLV_SOURCE_DIR + " " + dir.string();
  ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
  for (const char* f : {"Maps/test.etp", "Maps/test.etp01"}) {
    const std::string made = ReadAll(dir / f), shipped = ReadAll(SourcePath(f));
    ASSERT_GT(made.size(), 0u) << f;
    EXPECT_TRUE(made == shipped) << f
                                 << " differs from what the stage maker writes: run the target stages";
  }

  ASSERT_EQ(EtapFile_Load(SourcePath("Maps/test.etp")), 1);
  EXPECT_EQ(StageReq.EtapLocationNom, 1);
  int bunkers[6] = {}, units[6] = {}, holders = 0;
  for (const Fgr& f : Fgrs.mf) {
    if (!f.status || !f.active) continue;
    if (f.status == fgrAngBunker || f.status == fgrHasBunker) bunkers[f.baner]++;
    if (Fgr::IsUnit(&f)) units[f.baner]++;
    holders += f.status == fgrLandHolder;
  }
  EXPECT_EQ(holders, 1);
  EXPECT_EQ(bunkers[2], 1) << "the player's bunker";
  EXPECT_EQ(bunkers[3], 1) << "the enemy's bunker";
  EXPECT_GE(units[2], 4) << "three units and a builder";
  EXPECT_GE(units[3], 4);
  EXPECT_EQ(Sides.SideTab[1][kSideBunker], fgrAngBunker);
  EXPECT_EQ(Sides.SideTab[1][kSideEner], 800);
  EXPECT_EQ(Sides.SideTab[2][kSideBunker], fgrHasBunker);
  EXPECT_EQ(Sides.SideTab[2][kSideEner], 200);
}

// Under a file size limit, as a shell's `ulimit -f` sets it with the signal of a write past it at
// its default, the stage maker fails as the game does: it says which file and why, and leaves
// nothing in its output folder, the base part written before the limit met the location part
// included.
TEST(StageMaker, UnderAFileSizeLimitFailsSayingWhyAndLeavesNoFile) {
  const auto dir = TestScratchDir("stages_");
  const std::string said = (dir / "said.txt").string();
  const rlim_t kLimit = 64 << 10;  // the base part fits, the location part does not
  const pid_t pid = fork();
  if (pid == 0) {
    const int fd = open(said.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const rlimit limit = {kLimit, kLimit};
    if (fd < 0 || dup2(fd, 2) < 0 || setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(126);
    signal(SIGXFSZ, SIG_DFL);
    execl(TOLV_STAGES_TOOL, "tolv_stages", TOLV_SOURCE_DIR, dir.c_str(), (char*)nullptr);
    _exit(127);
  }
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 1);
  const std::string want = "not written: " + (dir / "Maps/test.etp01").string() + " (File too large)";
  EXPECT_NE(ReadAll(said).find(want), std::string::npos) << ReadAll(said);
  EXPECT_TRUE(std::filesystem::is_empty(dir / "Maps"));
}

// The land blocks of a location file (both floors, from the first tag to the last end tag).
static std::string LandBlocks(const std::string& locationFile) {
  const std::string s = ReadAll(locationFile);
  size_t from = s.find("LandChar"), to = s.rfind("LandEnd;");
  if (from == std::string::npos || to == std::string::npos) return "";
  return s.substr(from, to + 8 - from);
}

// Loaded for play, the land is decorated; saved, it is the stage's own land again, so loads and
// saves in turn never change it however often they follow each other.
TEST_F(ShippedStage, ItsLandSurvivesLoadsForPlayAndSaves) {
  const std::string shipped = SourcePath("Maps/test.etp");
  const std::string land = LandBlocks(shipped + "01");
  ASSERT_EQ(land.size(), 2 * (8 + 8 + kLandCells * 16 + 8));
  StageReq.PlitBuildOn = 1;
  StageReq.EtapLocationNom = 0;
  StageReq.EtapName.clear();
  std::string from = shipped;
  for (const char* save : {"a.etp", "b.etp", "c.etp"}) {
    StageReq.EtapLoadReqName = from;
    StageReq.EtapLoadReqLoc = 1;
    Etap_ProcRequests();  // the load and the reset after it, as the game update runs them
    ASSERT_EQ(StageReq.EtapLocationNom, 1) << from;
    ASSERT_EQ(StageReq.EtapName + ".etp", from);
    // The play is dressed: more surface cells carry a cursor kind than the stage gave.
    int stage = 0, live = 0;
    for (int c = 0; c < kLandCells; c++) {
      stage += land[8 + 8 + c * 16 + 12 + 2] != 0;
      live += Land.LandSurface.kle[c].cursor != 0;
    }
    EXPECT_GT(live, stage + 100) << from;
    from = TestFileName(save);
    ASSERT_EQ(Etap_Save(from), 1);
    EXPECT_TRUE(LandBlocks(from + "01") == land) << from << " has another land than the shipped stage";
  }
  StageReq.EtapLocationNom = 0;
  StageReq.EtapName.clear();
}
