// The land rebuild after a load.
#include "world/land_tiles.h"

#include <GL/gl.h>

#include <cstdio>

#include "figures/land.h"
#include "figures/stage.h"
#include "render/land_chunks.h"
#include "render/texture.h"
#include "shell/random.h"
#include "world/paths.h"

// Decoration bytes for plain cells: up to six draws, the first that hits its number decides. Each
// one is remembered, so that a save leaves it out: it dresses this load's play, not the stage.
static void Decorate(LandFloor* fl) {
  static const uint8_t kDeco[6] = {kCursorCrystal, kCursorTree, kCursorOre,
                                   kCursorBush,    kCursorGold, kCursorGem};
  for (int i = kLandSide; i < kLandCells - kLandSide; i++) {
    if (!Land_CellValid(i)) continue;
    LandKle& k = fl->kle[i];
    if (k.cursor != kCursorPlain || k.objCode > 2) continue;
    if (!(k.tile == 2 || k.tile == 4 || k.tile > 7)) continue;
    for (int t = 0; t < 6; t++) {
      if (Rand() % 101 == t + 1) {
        k.cursor = kDeco[t];
        fl->decoLoad[i] = kDeco[t];
        break;
      }
    }
  }
}

// A stage's own picture of a surface chunk, "<stage>/10NN.tga"; 0 when there is none.
static int LoadChunkFile(LandChunk* c, int nom) {
  char name[300];
  snprintf(name, sizeof name, "%s/%d0%02d.tga", StageReq.EtapName.c_str(), 1, nom + 1);
  Tex_FreePixels(&c->tex);
  Tex_Delete(&c->tex);
  if (Tex_LoadFile(&c->tex, name) && Tex_Create(&c->tex, 0, 1)) {
    glBindTexture(GL_TEXTURE_2D, c->tex.glName);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    return 1;
  }
  Tex_FreePixels(&c->tex);
  Tex_Delete(&c->tex);
  return 0;
}

void PlitTextures_Build(int decorate) {
  LandFloor_DecorateMesh(&Land.LandSurface);
  LandFloor_DecorateMesh(&Land.LandUnder);
  // Slot 60 is the surface's minimap background (the floor below shows slot 73): only the surface
  // map goes there, so the surface minimap never shows the floor below.
  LandColourMap_Build(&Land.LandSurface);
  int drawn = LandTiles_Begin();
  for (int i = 0; i < kLandChunks; i++) {
    LandChunk* c = &Land.LandSurface.chunk[i];
    if (c->indexCount <= 0 || c->fixedTexture) continue;
    if (!LoadChunkFile(c, i) && drawn) LandChunk_DrawTiles(&Land.LandSurface, c);
  }
  LandTiles_End();
  if (decorate) {
    Decorate(&Land.LandSurface);
    Decorate(&Land.LandUnder);
  }
  PassMaps_Rebuild();
}
