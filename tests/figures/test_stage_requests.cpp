// Stage requests: what a frame does with pending saves and loads, and what the buttons store.
#include "stage_fixture.h"

namespace {

using StageRequests = StageTest;

// Saves the world as stage `name` at the current location.
void SaveStage(const std::string& name) { ASSERT_EQ(Etap_Save(name), 1); }

TEST_F(StageRequests, ASaveAndALoadOfOneFrameSaveTheOldStateFirst) {
  BuildWorld(0, 3);
  SaveStage(Name("other.etp"));
  Fgrs.mf[2].zap015 = 999;  // the state being played
  StageReq.EtapLoadReqName = Name("other.etp");
  StageReq.EtapLoadReqLoc = 1;
  StageReq.EtapSaveReqName = Name("played.etp");
  StageReq.EtapSaveReq = 1;
  SelList.e[1] = &Fgrs.mf[2];  // a selection of the old state
  SelList.count = 1;
  Etap_ProcRequests();
  EXPECT_EQ(StageReq.EtapSaveReq, 0);
  EXPECT_EQ(StageReq.EtapLoadReqLoc, 0);
  EXPECT_EQ(Fgrs.mf[2].zap015, -1001);  // the other stage was loaded
  EXPECT_EQ(StageReq.EtapName, Name("other"));
  EXPECT_EQ(StageReq.EtapLocationNom, 3);   // the location its base file names
  EXPECT_EQ(gStagesPending.plitBuilds, 1);  // the post-load reset ran, with the tile flag
  EXPECT_EQ(gStagesPending.plitLastFlag, StageReq.PlitBuildOn);
  EXPECT_EQ(SelList.count, 0);  // and the selection emptied
  EXPECT_EQ(SelList.e[1], nullptr);
  ClearWorld();
  ASSERT_EQ(EtapFile_Load(Name("played.etp")), 1);
  EXPECT_EQ(Fgrs.mf[2].zap015, 999);  // saved before the load
}

TEST_F(StageRequests, AFailedLoadIsLoggedAndClearedAndChangesNothing) {
  BuildWorld(0, 3);
  WorldCopy before;
  before.Take();
  StageReq.EtapLoadReqName = Name("missing.etp");
  StageReq.EtapLoadReqLoc = 2;
  Etap_ProcRequests();
  EXPECT_EQ(StageReq.EtapLoadReqLoc, 0);
  EXPECT_NE(LogText().find("\nLoadEtapFail: " + Name("missing.etp")), std::string::npos);
  EXPECT_TRUE(before.Same());
  EXPECT_EQ(StageReq.EtapLocationNom, 3);
  EXPECT_EQ(gStagesPending.plitBuilds, 0);

  // A stage whose base file is cut short: refused, the current location stays.
  SaveStage(Name("cut.etp"));
  std::vector<char> b = ReadBytes<char>(Name("cut.etp"));
  WriteBytes(Name("cut.etp"), b, b.size() - 100);
  before.Take();
  StageReq.EtapLoadReqName = Name("cut.etp");
  StageReq.EtapLoadReqLoc = 1;
  Etap_ProcRequests();
  EXPECT_NE(LogText().find("\nLoadEtapFail: " + Name("cut.etp")), std::string::npos);
  EXPECT_NE(LogText().find("\nLoadEtapRefused: base part named variables"), std::string::npos);
  EXPECT_TRUE(before.Same());
  EXPECT_EQ(StageReq.EtapLocationNom, 3);

  // The current stage at another location whose file is missing.
  SaveStage(Name("cur.etp"));
  StageReq.EtapName = Name("cur");
  StageReq.EtapLoadReqName = Name("cur.etp");
  StageReq.EtapLoadReqLoc = 4;
  Etap_ProcRequests();
  EXPECT_NE(LogText().find("\nLoadLocationFail: " + Name("cur.etp") + " 4"), std::string::npos);
  EXPECT_EQ(StageReq.EtapLoadReqLoc, 0);
}

TEST_F(StageRequests, ALocationOfTheCurrentStageLoadsIntoTheLocationSlotsOnly) {
  BuildWorld(0, 3);
  SaveStage(Name("s.etp"));  // base file and location 3
  // Location 5 of the same stage: two other figures.
  Fgrs.ResetDynamic();
  Make(20, 0)->zap015 = 5;
  Make(20, 0)->zap015 = 6;
  StageReq.EtapLocationNom = 5;
  SaveStage(Name("s.etp"));
  ClearWorld();
  StageReq.EtapLoadReqName = Name("s.etp");
  StageReq.EtapLoadReqLoc = 1;
  Etap_ProcRequests();
  ASSERT_EQ(StageReq.EtapLocationNom, 5);  // the base file was written last with location 5
  EXPECT_EQ(Fgrs.mf[501].zap015, 5);
  Fgrs.mf[2].zap015 = 31338;  // changed in memory only: a location load must leave it
  StageReq.EtapLoadReqName = Name("s.etp");
  StageReq.EtapLoadReqLoc = 3;  // location 3's file still holds the three first figures
  Etap_ProcRequests();
  EXPECT_EQ(StageReq.EtapLocationNom, 3);
  EXPECT_EQ(Fgrs.mf[2].zap015, 31338);  // base slots untouched
  EXPECT_EQ(Fgrs.mf[501].zap015, 0);
  EXPECT_EQ(Fgrs.mf[503].status, 112);
  EXPECT_EQ(gStagesPending.plitBuilds, 2);
}

TEST_F(StageRequests, TheCurrentLocationStaysPendingAndShortNamesAreIgnored) {
  BuildWorld(0, 2);
  StageReq.EtapName = "Maps/test";
  StageReq.EtapLocationNom = 2;
  StageReq.EtapLoadReqName = "Maps/test.etp";
  StageReq.EtapLoadReqLoc = 2;
  Etap_ProcRequests();
  EXPECT_EQ(StageReq.EtapLoadReqLoc, 2);
  EXPECT_EQ(StageReq.EtapLocationNom, 2);
  EXPECT_EQ(LogCount(), 0);

  StageReq.EtapLoadReqName = "a.et";
  StageReq.EtapLoadReqLoc = 1;
  Etap_ProcRequests();
  EXPECT_EQ(StageReq.EtapLoadReqLoc, 1);
  EXPECT_EQ(LogCount(), 0);

  StageReq.EtapSaveReq = 1;  // no name: the save stays pending
  Etap_ProcRequests();
  EXPECT_EQ(StageReq.EtapSaveReq, 1);
}

// The stage buttons leave the work to the frame. The test save button's stage is written by the
// frame's requests, not in the click; its load button brings that stage back in the next frame, in
// play; the default button loads the shipped stage only when no stage is loaded.
TEST_F(StageRequests, TheButtonsStagesAreSavedAndLoadedByTheFrame) {
  namespace fs = std::filesystem;
  const fs::path back = fs::current_path(), dir = TestScratchDir("buttons_");
  Logger.gsFileLog = fs::absolute(Logger.gsFileLog).string();
  fs::create_directories(dir / "Maps");
  for (const char* part : {"test.etp", "test.etp01"})
    fs::copy_file(SourcePath(std::string("Maps/") + part), dir / "Maps" / part);
  fs::current_path(dir);  // the buttons name their stages from the game's working folder
  BuildWorld(0, 3);
  GuiWin w{};
  Fgrs.mf[2].zap015 = 999;
  EXPECT_EQ(Etap_RequestSaveTest2(&w), 1);
  EXPECT_EQ(w.consumed, 1);  // no widget below takes the click
  EXPECT_FALSE(fs::exists("Maps/test2.etp"));
  Etap_ProcRequests();
  Fgrs.mf[2].zap015 = 5;  // played on after the save
  ModeWords.ProgMode = 0;
  Etap_RequestLoadTest2(&w);
  EXPECT_EQ(ModeWords.ProgMode, kModePlay);
  Etap_ProcRequests();
  EXPECT_EQ(Fgrs.mf[2].zap015, 999);
  EXPECT_EQ(StageReq.EtapName, "Maps/test2");

  WorldCopy before;
  before.Take();
  ModeWords.ProgMode = 0;
  Etap_RequestLoadDefault(&w);  // a stage is loaded: only to play
  Etap_ProcRequests();
  EXPECT_EQ(ModeWords.ProgMode, kModePlay);
  EXPECT_TRUE(before.Same());
  StageReq.EtapName.clear();
  Etap_RequestLoadDefault(&w);
  Etap_ProcRequests();
  EXPECT_EQ(StageReq.EtapName, "Maps/test");
  EXPECT_EQ(LogText().find("Fail"), std::string::npos) << LogText();
  fs::current_path(back);
}

TEST_F(StageRequests, TheStageNameLosesOnlyARealEtp) {
  StageReq.EtapLoadReqName = "Maps/foo.etp";
  SelList.count = 1;
  Etap_SetNameAfterLoad();
  EXPECT_EQ(StageReq.EtapName, "Maps/foo");
  EXPECT_EQ(SelList.count, 0);
  StageReq.EtapLoadReqName = "Maps/foobar";
  SelList.count = 1;
  Etap_SetNameAfterLoad();
  EXPECT_EQ(StageReq.EtapName, "Maps/foobar");
  EXPECT_EQ(SelList.count, 0);
}

TEST_F(StageRequests, NewGameEmptiesTheWorldAndOpensTheEditor) {
  BuildWorld(0, 2);
  GuiWin w{};
  w.clickCode = 1;
  EXPECT_EQ(Etap_NewGameBtn(&w), 1);
  // The stage's figures are gone; the figures of a new world stand: the land holder, 128 patches,
  // 2 decals, 3 cameras and the 5 base bunkers (inactive, the first in base slot 1).
  int live = 0;
  for (const Fgr& f : Fgrs.mf) live += f.status != 0;
  EXPECT_EQ(live, 139);
  EXPECT_EQ(Fgrs.mf[501].status, fgrLandHolder);
  EXPECT_EQ(Fgrs.mf[1].status, fgrAkdBunker);
  EXPECT_EQ(Fgrs.mf[1].active, 0);
  EXPECT_EQ(StageReq.EtapLocationNom, 1);
  EXPECT_EQ(o2::LandEdgeWd, 2);
  EXPECT_EQ(ModeWords.ProgMode, kModeEditor);
  EXPECT_EQ(StageReq.PlitBuildOn, 1);  // the button restores the tile flag
  EXPECT_EQ(Etap_NewGameBtn(nullptr), 0);
}

}  // namespace
