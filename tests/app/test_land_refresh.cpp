// The editor's refresh of the land's tile textures and of the minimap's colour map, in a run of the
// whole program: started as the game starts, headless in this process so that its textures can be
// read back, driven by a script through the start screen's Editor button and the editor's own
// tools, with some changes made here between the script's steps. After each step every chunk of
// the floor shown is byte for byte what a full redraw of it draws, the colour map shows the cells'
// types, and exactly the chunks whose picture could change were drawn again.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/startup.h"
#include "app/window.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/org_files.h"
#include "figures/stage.h"
#include "gm/org_base.h"
#include "platform/platform.h"
#include "render/field.h"
#include "render/land_chunks.h"
#include "render/tex_names.h"
#include "render/texture.h"
#include "render/tga_maker.h"
#include "shell/clock.h"
#include "shell/frame_clock.h"
#include "shell/konfig.h"
#include "shell/log.h"
#include "shell/msgbase.h"
#include "shell/random.h"
#include "shell/window_state.h"
#include "test_files.h"
#include "world/land_tiles.h"
#include "world/stage_requests.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRefreshFrames = 40;   // at 16 ms a frame or more: a refresh after the step's last edit
const std::vector<int> kAll = {-1};  // every chunk of the floor but the fixed one

// Window pixels at 800 x 600 (top-left origin): the palette's tool n; the field point whose cell
// lies 3.5 and 2.5 cells right of and below the view's centre; the view centred on a world point
// by a press on the minimap; a drag of the brush (F1 held) along the field's row at y 350.
std::string Tool(int n) {
  const int x = 2 + 78 * ((n - 1) % 3) + 39, y = 378 + 16 * ((n - 1) / 3) + 8;
  return "click left " + std::to_string(x) + " " + std::to_string(y) + "\nwait 1\n";
}
const char* const kField = "click right 500 350\nwait 1\n";
std::string ViewOn(float wx, float wz) {
  Win.WinWidth = 800, Win.WinHeight = 600;
  MiniMap_Layout();
  float px, py;
  MiniMap_WorldToPix(wx, wz, &px, &py);
  return "click left " + std::to_string((int)(px + 0.5f)) + " " +
         std::to_string(600 - (int)(py + 0.5f)) + "\nwait 2\n";
}
std::string BrushRow() {
  std::string s = "down F1\npress left 300 350\nwait 1\n";
  for (int x = 350; x <= 550; x += 50) s += "move " + std::to_string(x) + " 350\nwait 1\n";
  return s + "release left 550 350\nup F1\nwait 1\n";
}

// The frames a script's lines let be drawn: its waits, and the one that a click or a key holds.
int Frames(const std::string& lines) {
  std::istringstream in(lines);
  int n = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("wait ", 0) == 0) n += std::atoi(line.c_str() + 5);
    if (line.rfind("click ", 0) == 0 || line.rfind("key ", 0) == 0) n += 1;
  }
  return n;
}

// The colour of a cell's tile type in the colour map (types 3 and 4, which have none of their own,
// take type 2's; the blocked types from 7 up take type 0's).
void MapColour(int type, uint8_t* rgb) {
  static const uint8_t kColour[][3] = {{120, 120, 120}, {20, 30, 10}, {50, 70, 40}, {50, 70, 40},
                                       {50, 70, 40},    {20, 30, 90}, {95, 50, 30}};
  const uint8_t* c = kColour[type < 7 ? type : 0];
  rgb[0] = c[0], rgb[1] = c[1], rgb[2] = c[2];
}

std::vector<uint8_t> TexPixels(GLuint name) {
  std::vector<uint8_t> px(256 * 256 * 3);
  glBindTexture(GL_TEXTURE_2D, name);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, px.data());
  return px;
}

// The floor's chunks against a full redraw of them now, in its order and so each starting with the
// texture of the one drawn before it, into textures of their own; the colour map against the
// colours of the cells' types, its rows from the bottom up.
void ExpectAsFullRedraw(const LandFloor* fl) {
  ASSERT_EQ(LandTiles_Begin(), 1);
  std::vector<LandChunk> full(fl->chunk, fl->chunk + kLandChunks);
  for (int i = 0; i < kLandChunks; i++) {
    if (i == kLandFixedChunk || full[i].indexCount <= 0) continue;
    full[i].tex = TexSlot{};
    LandChunk_DrawTiles(fl, &full[i]);
  }
  LandTiles_End();
  std::vector<int> differ;
  for (int i = 0; i < kLandChunks; i++) {
    if (!full[i].tex.glName) continue;
    if (TexPixels(fl->chunk[i].tex.glName) != TexPixels(full[i].tex.glName)) differ.push_back(i);
    glDeleteTextures(1, &full[i].tex.glName);
  }
  EXPECT_EQ(differ, std::vector<int>{}) << "chunks unlike a full redraw";
  const std::vector<uint8_t> map = TexPixels(TexTable.slots[kTxMapSurface].glName);
  int wrong = 0;
  for (int row = 0; row < kLandSide; row++)
    for (int col = 0; col < kLandSide; col++) {
      uint8_t want[3];
      MapColour(fl->kle[(kLandSide - 1 - row) * kLandSide + col].tile, want);
      wrong += std::memcmp(&map[(row * kLandSide + col) * 3], want, 3) != 0;
    }
  EXPECT_EQ(wrong, 0) << "pixels of the colour map";
}

struct Step {
  const char* what;
  std::string script;      // its commands and frames, before the frames of a refresh
  void (*direct)();        // a change made before its commands run, or null
  std::vector<int> drawn;  // the chunks of the floor shown drawn again (0..63), or kAll
  int mapMade;             // the colour map made again
};

// The whole program on a copy of the shipped data, started as the game starts it (the same clock,
// seed, named variables, settings, window and first screen), the steps' script its input, after
// the editor's first refresh, which draws every chunk and the colour map.
void RunSteps(std::vector<Step> steps) {
  steps.insert(steps.begin(), {"the editor's first refresh", "", nullptr, kAll, 1});
  const fs::path back = fs::current_path(), dir = TestScratchDir("run_");
  CopyShippedData(dir);
  std::string script = "answer no\nwait 3\nclick left 750 145\nwait 1\n";
  std::vector<int> ends;
  int frames = Frames(script);
  for (const Step& st : steps) {
    const std::string lines = st.script + "wait " + std::to_string(kRefreshFrames) + "\n";
    script += lines;
    ends.push_back(frames += Frames(lines));
  }
  ASSERT_EQ(chdir(dir.c_str()), 0);
  WriteAll("script.txt", script + "close\n");
  Logger.gsFileLog = "uni_files/log.txt";
  setenv("TOLV_VIDEO", "headless", 1);
  setenv("TOLV_SCRIPT", "script.txt", 1);
  ASSERT_EQ(Plat_Init(), 1);
  Plat_SetLog(LogInfo);
  Clock_Start();
  RandSeed(Clock_StartSeed());
  FrameClock.FramePauseFlag = &o2::GamePause;
  Org_LoadAtStart();
  MsgBase_Load(Msgs.gsFileMsgBase);
  Konfig_Read();
  ASSERT_EQ(CreateGlWindow(Win.WinWidth, Win.WinHeight), 1);
  Game_InitAtStart();
  Win.WinActive = 1;
  for (size_t k = 0; k < steps.size(); k++) {
    const Step& st = steps[k];
    SCOPED_TRACE(st.what);
    uint32_t before[2][kLandChunks];
    for (int f = 0; f < 2; f++)
      for (int i = 0; i < kLandChunks; i++) before[f][i] = Land_Floor(f)->chunk[i].tex.changes;
    const uint32_t map = TexTable.slots[kTxMapSurface].changes;
    if (st.direct) st.direct();
    while (Plat_FrameCount() < ends[k] && !o2::NeedExit) MainLoop_Pass();
    if (ModeWords.ProgMode != kModeEditor) {
      ADD_FAILURE() << "the run left the editor";
      break;
    }
    const LandFloor* fl = Land_Floor(visUnderGround);
    std::vector<int> drawn, want = st.drawn;
    for (int i = 0; i < kLandChunks; i++)
      if (fl->chunk[i].tex.changes != before[visUnderGround == 1][i]) drawn.push_back(i);
    if (want == kAll) {
      want.clear();
      for (int i = 0; i < kLandChunks; i++)
        if (i != kLandFixedChunk) want.push_back(i);
    }
    EXPECT_EQ(drawn, want);
    EXPECT_EQ(TexTable.slots[kTxMapSurface].changes != map, st.mapMade != 0);
    ExpectAsFullRedraw(fl);
  }
  Exit_FreeLandTextures();
  KillGlWindow();
  MsgBase_Clear();
  Plat_Shutdown();
  const std::string log = ReadAll(Logger.gsFileLog);
  EXPECT_NE(log.find("init_ProjX"), std::string::npos) << "no log";
  EXPECT_EQ(log.find("err:"), std::string::npos) << log;
  ASSERT_EQ(chdir(back.c_str()), 0);
}

// Chunks are named by number (1..64), the drawn lists hold their indices. Each test is a run of
// its own, so that each takes a part of the time; the steps whose outcome depends on the steps
// before them share a run.
TEST(EditorRefresh, NothingChangedDrawsNothingAndTheToolsDrawOnlyTheChunksTheyChange) {
  RunSteps({
      {"nothing changed", "", nullptr, {}, 0},
      {"sea on one cell of chunk 1", Tool(4) + kField, nullptr, {0}, 1},
      {"the brush across the border of chunks 1 and 2",
       ViewOn(285, 110) + BrushRow(),
       nullptr,
       {0, 1},
       1},
  });
}

TEST(EditorRefresh, RockOnEveryChunkAndTheOtherFloorShownDrawEveryChunk) {
  std::string everyChunk = Tool(6);
  for (int i = 0; i < kLandChunks; i++)
    everyChunk += ViewOn(kLandChunkSize * (i % 8) + 160, kLandChunkSize * (i / 8) + 160) + kField;
  RunSteps({
      {"rock on a cell of every chunk (chunk 42 is never drawn)", everyChunk, nullptr, kAll, 1},
      {"the floor below shown", "key End\nwait 1\n", nullptr, kAll, 1},
      {"nothing changed below", "", nullptr, {}, 0},
      {"the surface shown again", "key End\nwait 1\n", nullptr, kAll, 1},
  });
}

TEST(EditorRefresh, ADecorationDrawsItsChunkAndAFlagByteNone) {
  RunSteps({
      // The new world's plain ground (2, 1, 0, 2) on cell (133, 69) of chunk 21.
      {"a decoration on a cell of chunk 21",
       "",
       [] { Land.LandSurface.kle[Land_CellStep(133, 69)].cursor = kCursorTree; },
       {20},
       0},
      {"a flag byte, which no picture shows",
       "",
       [] { Land.LandSurface.kle[Land_CellStep(200, 200)].flag ^= 1; },
       {},
       0},
  });
}

TEST(EditorRefresh, APlainCellWithoutItsImageShowsTheChunkDrawnBeforeIt) {
  RunSteps({
      // Without it a plain cell shows the texture before it: a chunk that starts with one (all but
      // those of the first row and column) shows the chunk drawn before it, and so is drawn again
      // when that one is.
      {"the plain ground's tile image gone from the table", "",
       [] { Tex_Delete(&TexTable.slots[kTxTileMeadow]); }, kAll, 0},
      {"sea on cells of chunk 9, and so on those after it in its row",
       Tool(4) + ViewOn(160, 480) + BrushRow(),
       nullptr,
       {8, 9, 10, 11, 12, 13, 14, 15},
       1},
      {"sea on cells of chunk 16, the last of its row",
       ViewOn(2400, 480) + BrushRow(),
       nullptr,
       {15},
       1},
      {"a decoration on chunk 13's first cell, which then shows its own texture",
       "",
       [] { Land.LandSurface.kle[Land.LandSurface.chunk[12].firstCell].cursor = kCursorTree; },
       {12, 13, 14, 15},
       0},
      {"sea on chunk 12, which no longer reaches chunk 13",
       ViewOn(1120, 480) + BrushRow(),
       nullptr,
       {11},
       1},
      {"the plain ground's tile image loaded from another file", "",
       [] { Tex_LoadNamed(&TexTable, kTxTileMeadow, "uni_files/res/tx_tile_dirt.tga", 1); }, kAll, 0},
      {"and from a third", "",
       [] { Tex_LoadNamed(&TexTable, kTxTileMeadow, "uni_files/res/tx_tile_sand.tga", 1); }, kAll, 0},
  });
}

TEST(EditorRefresh, AStageLoadDrawsEveryChunkWithTheStagesPicture) {
  RunSteps({
      // A load's rebuild draws every chunk and shows the stage's own picture of chunk 5; the next
      // refresh draws them all from their cells, as before.
      {"the shipped stage loaded as the editor loads it, with a picture of chunk 5", "",
       [] {
         ASSERT_TRUE(WriteBytes("Maps/test/1005.tga", EncodeTga(MakeTestPicture(4, 2), 2, 24, true)));
         StageReq.EtapLoadReqName = "Maps/test.etp";
         ASSERT_EQ(EtapFile_Load(StageReq.EtapLoadReqName), 1);
         Etap_SetNameAfterLoad();
       },
       kAll, 1},
      {"the land's rebuild of a load again, the cells as they are", "", [] { PlitTextures_Build(0); },
       kAll, 1},
  });
}

}  // namespace
