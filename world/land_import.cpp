// Land map import from "km": read whole, check, then change the world.
#include "world/land_import.h"

#include <cstring>
#include <string>
#include <vector>

#include "catalogue/creators.h"
#include "catalogue/new_world.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "figures/stage.h"
#include "render/land_chunks.h"
#include "shell/bytebuf.h"
#include "shell/files.h"
#include "shell/log.h"

constexpr int kKmBytes = 8 + kLandCells * 4;  // two sizes, then one word per cell

// Reads and checks "km": 1 with the 65536 cell words in words, 0 (logged) when refused.
static int Km_Read(std::vector<uint32_t>* words) {
  ByteBuf b;
  std::string name = "km";
  if (!FileReadAll(&b, name, "", "", kKmBytes)) {
    LogInfo("\nLand_ImportKm: no map \"km\" of %d bytes", kKmBytes);
    return 0;
  }
  int w = ByteBuf_ReadI32(&b, 1), h = ByteBuf_ReadI32(&b, 1);
  if (w != kLandSide || h != kLandSide) {
    LogInfo("\nLand_ImportKm: map sizes %d x %d, not 256 x 256", w, h);
    return 0;
  }
  words->resize(kLandCells);
  for (int c = 0; c < kLandCells; c++) (*words)[c] = ByteBuf_ReadU32(&b, 1);
  return 1;
}

void Land_ImportKm() {
  std::vector<uint32_t> words;
  if (!Km_Read(&words)) {
    ProjX_DefaultMap();
    StageReq.EtapLocationNom = 1;
    return;
  }
  // Word 0 of every surface cell, border cells too (they stay blocked and get no figure).
  LandFloor_ForgetDecoration(&Land.LandSurface);
  for (int c = 0; c < kLandCells; c++) {
    uint8_t b[4] = {(uint8_t)words[c], (uint8_t)(words[c] >> 8), (uint8_t)(words[c] >> 16),
                    (uint8_t)(words[c] >> 24)};
    memcpy(&Land.LandSurface.kle[c].tile, b, 4);
  }
  Sides.PlayerSide = 2;
  ProjX_ResetFigures(1);
  for (int c = 0; c < kLandCells; c++)
    if (Land_CellValid(c)) {
      int cell = c;
      Fgr_CreateByCode(Land.LandSurface.kle, &cell);
    }
  LandFloor_DecorateMesh(&Land.LandSurface);
  LandColourMap_Build(&Land.LandSurface);
  StageReq.EtapLocationNom = 1;
}

void Land_ImportKmAndPlay() {
  Land_ImportKm();
  ModeWords.ProgModeReq = kModePlay;
}
