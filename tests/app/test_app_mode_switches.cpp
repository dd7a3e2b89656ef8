// Sessions of the whole program, headless, that cross the program's modes with the mouse and keys
// only. In play: a value edit left running by the Esc button types nothing on the start screen,
// whose text box takes the typing; two captains made by the player's bunker, each selected by its
// icon, each take their own ground order; a captain's rank-up offer is still paused when the Esc
// key comes back from the start screen. From play into the editor: the builder selected in play,
// and its tower waiting for a ground point, stay behind, so the palette places its soldier; and so
// they do at a load in play, so the next click selects.
#include <cstdio>
#include <vector>

#include "app_run.h"
#include "figures/fgrs.h"
#include "figures/stage.h"
#include "gm/fgr.h"
#include "picture.h"

namespace {

using namespace at800;

// Window pixels (top-left origin) at 800 x 600, besides the screens' buttons. Play: the value cell
// of NeedExit in the named-variable panel, the shipped stage's player bunker and builder, the
// button cells of the selected figure (cell n's middle at 712 + 32 ((n - 1) % 3), 134 +
// 27 ((n - 1) / 3)), the first two captain icons, two ground points and the minimap's point by the
// enemy's units. The start screen: the designer's notes box. The editor: palette tool 22 (a
// soldier) and a cell of the field.
const char* kNeedExitValue = "630 77";
const char* kNotes = "300 150";
const char* kBunker = "450 250";
const char* kBuilder = "412 274";
const char* kCell6 = "776 161";   // the builder's tower
const char* kCell10 = "712 216";  // the bunker's two captains
const char* kCell11 = "744 216";
const char* kIcon1 = "172 62";
const char* kIcon2 = "220 58";
const char* kGroundA = "600 450";
const char* kGroundB = "300 450";
const char* kMiniMapEnemy = "27 26";
const char* kTool22 = "41 498";
const char* kEditorField = "500 350";
// The unit box of the selected unit (top right), as a box of pixels (x, y, w, h; top-left origin).
constexpr int kUnitBox[4] = {648, 30, 152, 72};

// The figures of a kind in the stage's location slots.
std::vector<Fgr*> OfKind(int kind) {
  std::vector<Fgr*> found;
  for (int i = FgrsBaseLast + 1; i < kFgrsSlots; i++)
    if (Fgrs.mf[i].Status() == kind) found.push_back(&Fgrs.mf[i]);
  return found;
}

TEST_F(AppRun, EditsCaptainOrdersAndARankOfferAcrossTheStartScreen) {
  // A value edit of NeedExit started in play; the Esc button; the notes box clicked twice (focus,
  // then the caret on its last row), typed into with a digit the edit would take, and saved.
  std::string script = std::string("answer no\nwait 3\n") + Click("left", kPlayTest, 30) +
                       Click("left", kSpe, 2) + Click("left", kNeedExitValue, 2) +
                       Click("left", kEsc, 2) + Click("left", kNotes, 1) + Click("left", kNotes, 1) +
                       "type hello 1\\n\nwait 1\nfile notes.txt\n" + Click("left", kTextSave, 1);
  // Back in play: the panel put away, the Esc button's pause lifted.
  script += Click("left", kPlayTest, 2) + Click("left", kSpe, 2) + Click("left", kSpe, 2) +
            Click("left", kPause, 2);
  // Two captains from the bunker (11.5 s each, made at once with longer frames). Captain 1 by its
  // icon to A; a few frames later, inside the first order's waypoint window, captain 2 by its icon
  // to B. The stage saved.
  script += Click("left", kBunker, 3) + Click("left", kCell10, 3) + Click("left", kCell11, 3) +
            "step 100\nwait 150\nstep 16\n" + Click("left", kIcon1, 2) + Click("right", kGroundA, 5) +
            Click("left", kIcon2, 2) + Click("right", kGroundB, 3) + Click("left", kSaveTest2, 3) +
            Shot("made.bmp");
  // Both captains sent by the minimap to the enemy's units (the minimap takes an order every
  // 350 ms). The first rank-up offer pauses the game behind the message panel long before the
  // wait ends. The Esc button, the start screen's Esc key; the game as the return left it, and 30
  // frames later.
  script += Click("left", kIcon1, 2) + Click("right", kMiniMapEnemy, 30) + Click("left", kIcon2, 2) +
            Click("right", kMiniMapEnemy, 2) + "step 100\nwait 1200\n" + Shot("offer.bmp") +
            Click("left", kEsc, 2) + "key Esc\nwait 2\n" + Shot("back.bmp") + "wait 30\n" +
            Shot("later.bmp") + "close\n";
  ASSERT_EQ(Run(script), 0) << ReadAll(dir / "run.out");
  EXPECT_EQ(Log().find("Fail"), std::string::npos) << Log();

  // The typing went to the box, at the end of the notes' last row, with the row Enter began; the
  // edit took none of it (a 1 in NeedExit would have ended the run there).
  const std::string notes = ReadAll(dir / "uni_files" / "res" / "_scr.txt");
  ASSERT_EQ(notes.substr(notes.size() - 6), "\ntolv\n");
  EXPECT_EQ(ReadAll(dir / "notes.txt"), notes.substr(0, notes.size() - 1) + "hello 1\n\n");

  // Each captain walks to its own order: a route target, no waypoint.
  ASSERT_EQ(EtapFile_Load((dir / "Maps" / "test2.etp").string()), 1);
  const std::vector<Fgr*> captains = OfKind(fgrUnitHero);
  ASSERT_EQ(captains.size(), 2u);
  for (const Fgr* c : captains) {
    EXPECT_EQ(Fgr::Owner(c), 2);
    EXPECT_GT(c->targPathKle, 0) << c->nom;
    EXPECT_EQ(c->targPathKle2, 0) << c->nom;
  }
  EXPECT_NE(captains[0]->targPathKle, captains[1]->targPathKle);

  // The offer's panel is up; after the return it still is, and the game stands: the sky's fog,
  // which moves every frame the game runs, is the offer's to the last bit.
  const Picture made = ReadBmp((dir / "made.bmp").string()),
                offer = ReadBmp((dir / "offer.bmp").string());
  const Picture back = ReadBmp((dir / "back.bmp").string()),
                later = ReadBmp((dir / "later.bmp").string());
  for (const Picture* p : {&made, &offer, &back, &later}) ASSERT_EQ(p->w, 800);
  const int choices[4] = {160, 450, 480, 60}, sky[4] = {250, 65, 300, 50};
  EXPECT_GT(PicBoxDiff(made, offer, choices[0], choices[1], choices[2], choices[3], 24), 10000);
  for (const Picture* p : {&back, &later}) {
    EXPECT_EQ(PicBoxDiff(offer, *p, choices[0], choices[1], choices[2], choices[3], 0), 0);
    EXPECT_EQ(PicBoxDiff(offer, *p, sky[0], sky[1], sky[2], sky[3], 0), 0);
  }
}

TEST_F(AppRun, TheEditorsNewWorldAndALoadInPlayKeepNothingSelectedOrWaitingForAPoint) {
  // In play the builder selected (and its tower taken up to be placed, its icon then following the
  // cursor), then the switch: the Esc button, Editor and the palette's soldier on the field; or the
  // load of the stage saved before. Then the cursor over bare ground, and away; then the row's own
  // steps: the new world saved, or a click on the builder, which stands where it stood.
  const std::string builder = Click("left", kBuilder, 3), tower = Click("left", kCell6, 2);
  const std::string editor = Click("left", kEsc, 2) + Click("left", kEditor, 5) +
                             Click("left", kTool22, 1) + Click("right", kEditorField, 1);
  const std::string save = "file Maps/placed.etp\n" + Click("left", kEditorSave, 2);
  // The soldier placed: the one figure of its kind in the new world's stage (an editor that placed
  // nothing saves nothing).
  const auto placed = [](const fs::path& dir, const Picture&) {
    ASSERT_EQ(EtapFile_Load((dir / "Maps" / "placed.etp").string()), 1) << "no stage saved";
    EXPECT_EQ(OfKind(fgrUnitPeh).size(), 1u);
  };
  const auto reselected = [](const fs::path& dir, const Picture& away) {
    const Picture selected = ReadBmp((dir / "selected.bmp").string()),
                  armed = ReadBmp((dir / "armed.bmp").string()),
                  again = ReadBmp((dir / "again.bmp").string());
    for (const Picture* p : {&selected, &armed, &again}) ASSERT_EQ(p->w, 800);
    // The tower's icon was at the cursor's tip before the load.
    EXPECT_GT(PicBoxDiff(armed, away, 316, 418, 32, 31, 48), 100);
    // The click selected the builder: its unit box as when it was selected before the load (with
    // no figure selected there is no box).
    EXPECT_GT(PicBoxDiff(selected, away, kUnitBox[0], kUnitBox[1], kUnitBox[2], kUnitBox[3], 24), 1000);
    EXPECT_EQ(PicBoxDiff(selected, again, kUnitBox[0], kUnitBox[1], kUnitBox[2], kUnitBox[3], 24), 0);
  };
  struct Row {
    const char* name;
    std::string play;  // from play's first frames through the switch
    const char *ground, *away;
    std::string after;
    void (*check)(const fs::path& dir, const Picture& away);
  } rows[] = {
      {"the new world", builder + editor, "400 300", "600 500", save, placed},
      {"the new world, the tower carried", builder + tower + editor, "400 300", "600 500", save, placed},
      {"a load",
       Click("left", kSaveTest2, 3) + builder + Shot("selected.bmp") + tower +
           Shot("armed.bmp", kGroundB) + Click("left", kLoadTest2, 5),
       kGroundB, kAway, builder + Shot("again.bmp"), reselected},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    FreshData();
    ASSERT_EQ(Run(std::string("answer no\nwait 3\n") + Click("left", kPlayTest, 30) + r.play +
                  Shot("at.bmp", r.ground) + Shot("away.bmp", r.away) + r.after + "close\n"),
              0)
        << ReadAll(dir / "run.out");
    EXPECT_EQ(Log().find("Fail"), std::string::npos) << Log();
    // No figure's icon beside the cursor: above its tip and right of it the ground is as it is with
    // the cursor elsewhere (but for the hovered cell's edge).
    const Picture at = ReadBmp((dir / "at.bmp").string()), away = ReadBmp((dir / "away.bmp").string());
    for (const Picture* p : {&at, &away}) ASSERT_EQ(p->w, 800);
    int x = 0, y = 0;
    ASSERT_EQ(std::sscanf(r.ground, "%d %d", &x, &y), 2);
    EXPECT_EQ(PicBoxDiff(at, away, x + 16, y - 32, 32, 31, 48), 0);
    r.check(dir, away);
  }
}

}  // namespace
