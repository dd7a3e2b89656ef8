// Land map import of a file the test writes, and of cut, oversized, wrongly sized and missing ones.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "figures/stage.h"
#include "world/land_import.h"
#include "world_fixture.h"

namespace {

// The map: two sizes, then per cell tile type c % 8, object code 0, cursor kind c % 11, flag c % 4;
// the border cells claim to be open ground (tile type 2).
std::string KmFile(int w, int h) {
  std::string b;
  auto put = [&b](uint32_t v) {
    for (int i = 0; i < 4; i++) b.push_back((char)(v >> (8 * i)));
  };
  put((uint32_t)w);
  put((uint32_t)h);
  for (int c = 0; c < kLandCells; c++) {
    uint32_t tile = Land_CellValid(c) ? c % 8 : 2;
    put(tile | (uint32_t)(c % 11) << 16 | (uint32_t)(c % 4) << 24);
  }
  return b;
}

}  // namespace

// The import reads "km" in the working folder, which ctest shares between the tests running side
// by side: each test works in a folder of its own.
class LandImport : public WorldTest {
 protected:
  std::filesystem::path base_;
  void SetUp() override {
    base_ = std::filesystem::current_path();
    std::filesystem::current_path(TestScratchDir("km_"));
    WorldTest::SetUp();
    for (LandFloor* fl : {&Land.LandSurface, &Land.LandUnder})
      for (int c = 0; c < kLandCells; c++) {
        fl->kle[c].vert = (c / kLandSide) * kLandVertSide + c % kLandSide;
        fl->vert[fl->kle[c].vert].y = -7.0f;  // a mark the decoration overwrites
        fl->rgba[fl->kle[c].vert][3] = 77;
      }
    std::remove("km");
  }
  void TearDown() override {
    std::remove("km");
    WorldTest::TearDown();
    std::filesystem::current_path(base_);
  }
};

TEST_F(LandImport, BadFilesAreRefusedBeforeAnyCellIsWritten) {
  const std::string good = KmFile(256, 256);
  // Word 0 of every surface cell, which only the file writes (the default map places figures).
  auto words = [] {
    std::vector<uint32_t> w(kLandCells);
    for (int c = 0; c < kLandCells; c++) memcpy(&w[c], &Land.LandSurface.kle[c].tile, 4);
    return w;
  };
  const std::vector<uint32_t> before = words();
  struct Case {
    std::string bytes;
    bool write;
  };
  const Case kCases[] = {{"", false},                              // no file
                         {good.substr(0, good.size() - 1), true},  // cut by one byte
                         {good.substr(0, 8 + 4 * 1000), true},     // cut inside the cells
                         {good + "xxxx", true},                    // one word too many
                         {KmFile(256, 128), true},                 // wrong sizes
                         {KmFile(-256, 256), true}};
  for (const Case& k : kCases) {
    std::remove("km");
    if (k.write) {
      ASSERT_TRUE(WriteAll("km", k.bytes));
    }
    StageReq.EtapLocationNom = 0;
    Sides.PlayerSide = 4;
    Land_ImportKm();
    EXPECT_EQ(StageReq.EtapLocationNom, 1) << "the default map is built instead";
    EXPECT_EQ(Sides.PlayerSide, 4);
    EXPECT_EQ(words(), before) << k.bytes.size();
  }
  EXPECT_NE(LogText().find("\nLand_ImportKm: map sizes 256 x 128, not 256 x 256"), std::string::npos);
}

TEST_F(LandImport, AWrittenMapBecomesTheSurface) {
  ASSERT_TRUE(WriteAll("km", KmFile(256, 256)));
  Land.LandUnder.kle[300].tile = 5;
  StageReq.EtapLocationNom = 0;
  Land_ImportKm();
  EXPECT_EQ(StageReq.EtapLocationNom, 1);
  EXPECT_EQ(Sides.PlayerSide, 2);
  EXPECT_EQ(Land.LandUnder.kle[300].tile, 5) << "the floor below is not touched";
  int ones = 0, sixes = 0;
  for (int c = 0; c < kLandCells; c++) {
    const LandKle& k = Land.LandSurface.kle[c];
    bool valid = Land_CellValid(c);
    ASSERT_EQ(k.tile, valid ? c % 8 : 2);  // border cells take the file's words too
    ASSERT_EQ(k.cursor, c % 11);
    ASSERT_EQ(k.flag, c % 4);
    const LandVert& v = Land.LandSurface.vert[k.vert];
    const uint8_t* rgb = Land.LandSurface.rgba[k.vert];
    ASSERT_EQ(rgb[3], 77) << "alpha is kept";
    if (!valid) {
      ASSERT_EQ(v.y, -7.0f) << "border cells get no decoration";
    } else if (k.tile == 1) {
      ones++;
      ASSERT_EQ(v.y, 0.0f);
      ASSERT_TRUE(rgb[0] >= 200 && rgb[0] <= 220 && rgb[1] >= 120 && rgb[1] <= 150 && rgb[2] >= 110 &&
                  rgb[2] <= 130);
    } else if (k.tile == 6) {
      sixes++;
      ASSERT_TRUE(v.y >= 6.25f && v.y <= 11.25f) << v.y;
      ASSERT_TRUE(rgb[0] == 30 && rgb[1] == 30 && rgb[2] == 30);
    } else if (k.tile == 5) {
      ASSERT_EQ(v.y, 0.0f);
      ASSERT_TRUE(rgb[0] == 30 && rgb[1] == 30 && rgb[2] == 190);
    } else {
      ASSERT_TRUE(v.y > 0.0f && v.y <= 2.03f) << v.y;
      ASSERT_TRUE(rgb[0] >= 99 && rgb[0] <= 120);
    }
  }
  EXPECT_GT(ones, 8000);
  EXPECT_GT(sixes, 8000);
  // Border cells stay blocked in every layer although the map called them open ground.
  PassMaps_Rebuild();
  Paths.PathFloor = 0;
  for (int l = 1; l <= kLandLayers; l++) {
    EXPECT_EQ(Land_Passable10(l, 0, 100), 1);
    EXPECT_EQ(Land_Passable10(l, 100, 255), 1);
    EXPECT_EQ(Land_Passable10(l, 10, 2), 0) << "tile type 2 is open";
  }
}
