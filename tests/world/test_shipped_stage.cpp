// The stage the game ships, "Maps/test.etp" with its location file: the same bytes as the stage
// maker writes now, and a stage that loads into a world to play.
#include <cstdlib>

#include "figures/stage.h"
#include "world_fixture.h"

class ShippedStage : public WorldTest {};

TEST_F(ShippedStage, IsWhatTheStageMakerWritesAndLoads) {
  const auto dir = TestScratchDir("stages_");
  const std::string cmd = std::string(TOLV_STAGES_TOOL) + " " + TOLV_SOURCE_DIR + " " + dir.string();
  ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
  for (const char* f : {"Maps/test.etp", "Maps/test.etp01"}) {
    const std::string made = ReadAll(dir / f), shipped = ReadAll(SourcePath(f));
    ASSERT_GT(made.size(), 0u) << f;
    EXPECT_TRUE(made == shipped) << f << " differs from what the stage maker writes: run the target stages";
  }

  ASSERT_EQ(EtapFile_Load(SourcePath("Maps/test.etp")), 1);
  EXPECT_EQ(EtapLocationNom, 1);
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
  EXPECT_EQ(SideTab[1][kSideBunker], fgrAngBunker);
  EXPECT_EQ(SideTab[1][kSideEner], 800);
  EXPECT_EQ(SideTab[2][kSideBunker], fgrHasBunker);
  EXPECT_EQ(SideTab[2][kSideEner], 200);
}
