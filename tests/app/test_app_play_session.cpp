// One scripted play session of the whole program, headless, with the mouse only: the start screen's
// PlayTest, the shipped stage in play, a unit selected and its properties read, an order, the pause,
// the stage saved through its button, the game going on, the stage loaded again through its button
// and saved once more; the builder sent off and the stage loaded once more. The world after each
// load is the one saved; three pictures of the session are kept as golden pictures.
#include <vector>

#include "app_run.h"
#include "figures/fgrs.h"
#include "figures/side.h"
#include "figures/stage.h"
#include "gm/fgr.h"
#include "picture.h"

namespace {

using namespace at800;

// Window pixels (top-left origin) of the play screen at 800 x 600. The builder of the shipped stage
// stands in the middle of the first view; once selected, its title in the unit box (top right)
// turns the view onto it (as far as the view may go towards the world's edge).
const char* kBuilderAtStart = "412 274";
const char* kUnitTitle = "720 39";
const char* kBuilderInView = "400 274";
const char* kOrderPoint = "555 218";
const char* kElsewhere = "300 380";

// The unit box's lines: the title, path, rank and counters of the selected unit.
constexpr int kUnitBoxX = 648, kUnitBoxY = 30, kUnitBoxW = 152, kUnitBoxH = 72;

// Pixels of the box (x, y, w, h; top-left origin) that differ by more than the tolerance.
int BoxDiff(const Picture& a, const Picture& b, int x, int y, int w, int h) {
  return PicBoxDiff(a, b, x, y, w, h, 24);
}

// Everything a stage keeps of the figures and the sides, read back through the property tables.
struct WorldValues {
  std::vector<int> ints;
  std::vector<float> floats;
  std::vector<int> sides;
};

WorldValues Values() {
  WorldValues v;
  for (int i = 1; i < kFgrsSlots; i++) {
    Fgr* f = &Fgrs.mf[i];
    // Not the draw kind of the figure's last batch entry: the draw pass leaves it behind, and which
    // entry was drawn last depends on the frame the save came in.
    const int drawKind = (int)(&f->OnR_inFgr - &f->svZero);
    for (int n = 1; n <= 216; n++) {
      int value = 0;
      if (n != drawKind) Fgr_Int_Val(f, n, value);
      v.ints.push_back(value);
    }
    for (int n = 1; n <= 56; n++) {
      float value = 0;
      Fgr_Flo_Val(f, n, value);
      v.floats.push_back(value);
    }
  }
  v.sides.assign(&Sides.SideTab[0][0], &Sides.SideTab[0][0] + kSides * kSideWords);
  return v;
}

TEST_F(AppRun, APlaySessionSavesTheStageGoesOnAndLoadsTheSavedWorldBack) {
  fs::copy(fs::path(TOLV_SOURCE_DIR) / "Maps", dir / "Maps",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  const std::string script =
      std::string("answer no\nwait 3\n") + Click("left", kPlayTest, 30) + Shot("play.bmp") +
      Click("left", kBuilderAtStart, 3) + Click("left", kUnitTitle, 5) + Click("left", kSpe, 2) +
      Click("left", kSpe, 2) + Shot("props.bmp") +  // the builder's properties
      Click("left", kSpe, 2) + Click("right", kOrderPoint, 3) + Click("left", kEsc, 2) +
      Click("left", kPlayTest, 150) +  // back from the start screen: paused
      Shot("paused.bmp") + Click("left", kSaveTest2, 3) + Click("left", kPause, 400) +
      Shot("walked.bmp") +  // the game goes on
      Click("left", kEsc, 2) + Click("left", kPlayTest, 2) + Click("left", kLoadTest2, 60) +
      Click("left", kBuilderInView, 3) + Shot("loaded.bmp") + Click("left", kSaveTest2, 3) +
      Click("right", kElsewhere, 3) + Click("left", kPause, 300) + Shot("sent.bmp") +
      Click("left", kLoadTest2, 60) + Shot("reloaded.bmp") + Click("left", kBuilderInView, 3) +
      Shot("back.bmp") + "close\n";
  ASSERT_EQ(Run(script), 0) << ReadAll(dir / "run.out");
  EXPECT_EQ(Log().find("Fail"), std::string::npos) << Log();

  // The unit box: the saved unit's lines come back with the load; in between the game went on.
  const Picture paused = ReadBmp((dir / "paused.bmp").string()),
                walked = ReadBmp((dir / "walked.bmp").string());
  const Picture loaded = ReadBmp((dir / "loaded.bmp").string());
  ASSERT_EQ(paused.w, 800);
  ASSERT_EQ(walked.w, 800);
  ASSERT_EQ(loaded.w, 800);
  EXPECT_GT(BoxDiff(paused, walked, kUnitBoxX, kUnitBoxY, kUnitBoxW, kUnitBoxH), 10);
  EXPECT_EQ(BoxDiff(paused, loaded, kUnitBoxX, kUnitBoxY, kUnitBoxW, kUnitBoxH), 0);
  // The same button again, the builder sent off meanwhile: the file is read once more, the
  // selection forgotten and the builder back where it was saved.
  const Picture play = ReadBmp((dir / "play.bmp").string()), sent = ReadBmp((dir / "sent.bmp").string());
  const Picture reloaded = ReadBmp((dir / "reloaded.bmp").string()),
                back = ReadBmp((dir / "back.bmp").string());
  ASSERT_EQ(sent.w, 800);
  ASSERT_EQ(reloaded.w, 800);
  ASSERT_EQ(back.w, 800);
  EXPECT_GT(BoxDiff(paused, sent, kUnitBoxX, kUnitBoxY, kUnitBoxW, kUnitBoxH), 10);
  EXPECT_EQ(BoxDiff(play, reloaded, kUnitBoxX, kUnitBoxY, kUnitBoxW, kUnitBoxH), 0);
  EXPECT_EQ(BoxDiff(paused, back, kUnitBoxX, kUnitBoxY, kUnitBoxW, kUnitBoxH), 0);

  // The files: the shipped stage has no order; the saved one has the builder's route target; the
  // stage saved after the load (the first save kept as its backup) holds the same figures and sides.
  const std::string maps = (dir / "Maps").string();
  ASSERT_EQ(EtapFile_Load(maps + "/test.etp"), 1);
  ASSERT_EQ(Fgrs.mf[652].status, fgrUnitStroi);
  EXPECT_EQ(Fgrs.mf[652].targPathKle, 0);
  // The first save, kept as backup files, under a stage name of its own.
  fs::copy_file(dir / "Maps" / "test2.etp_bak", dir / "Maps" / "saved.etp");
  fs::copy_file(dir / "Maps" / "test2.etp01_bak", dir / "Maps" / "saved.etp01");
  ASSERT_EQ(EtapFile_Load(maps + "/saved.etp"), 1);
  EXPECT_NE(Fgrs.mf[652].targPathKle, 0);
  const WorldValues saved = Values();
  ASSERT_EQ(EtapFile_Load(maps + "/test2.etp"), 1);
  const WorldValues again = Values();
  EXPECT_TRUE(saved.ints == again.ints);
  EXPECT_TRUE(saved.floats == again.floats);
  EXPECT_TRUE(saved.sides == again.sides);

  // Three pictures against their golden copies: the first view of play, the selected builder's
  // properties, the pause.
  for (const char* name : {"play", "props", "paused"}) ExpectGolden(dir, name);
}

TEST_F(AppRun, TheCursorAtEachWindowEdgeScrollsTheField) {
  // The game paused, the cursor held at an edge for 60 frames, then parked in the middle for a
  // picture. Each edge follows its opposite, so the view is never against the world's edge. The
  // lower edge is the window's last pixel row (599); the row above it is no edge.
  struct Edge {
    const char* name;
    const char* at;
    bool scrolls;
  };
  const Edge edges[] = {{"right", "799 300", true},
                        {"left", "0 300", true},
                        {"lower", "400 599", true},
                        {"upper", "400 0", true},
                        {"above the last row", "400 598", false}};
  std::string script = std::string("answer no\nwait 3\n") + Click("left", kPlayTest, 5) +
                       "key Space\nmove 400 300\nwait 2\nshot edge0.bmp\n";
  for (int i = 0; i < 5; i++)
    script += std::string("move ") + edges[i].at + "\nwait 60\nmove 400 300\nwait 2\nshot edge" +
              std::to_string(i + 1) + ".bmp\n";
  ASSERT_EQ(Run(script + "close\n"), 0) << ReadAll(dir / "run.out");
  Picture before = ReadBmp((dir / "edge0.bmp").string());
  for (int i = 0; i < 5; i++) {
    const Picture after = ReadBmp((dir / ("edge" + std::to_string(i + 1) + ".bmp")).string());
    ASSERT_EQ(after.w, 800) << edges[i].name;
    const int moved = BoxDiff(before, after, 100, 100, 600, 400);  // the field, away from the panels
    // A scroll changes most of the field (left comes back only as far as the world's edge); the
    // pause outline's pulse alone changes a few hundred pixels.
    if (edges[i].scrolls) EXPECT_GT(moved, 3000) << edges[i].name;
    else EXPECT_LT(moved, 1000) << edges[i].name;
    before = after;
  }
}

}  // namespace
