// The land floors' drawing: records, chunk meshes, tile textures, colour map, overview textures.
#include "render/land_chunks.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <cstdlib>
#include <cstring>

#include "figures/fa_proc_env.h"
#include "figures/fgr.h"
#include "figures/mode_words.h"
#include "gm/org_base.h"
#include "platform/platform.h"
#include "render/batch.h"
#include "render/gl2d.h"
#include "render/image.h"
#include "render/scene.h"
#include "render/tex_names.h"
#include "render/texture.h"
#include "render/vert_arr.h"
#include "shell/frame_clock.h"
#include "shell/log.h"
#include "shell/mem_clear.h"
#include "shell/random.h"
#include "shell/window_state.h"

t_LandChunks LandChunks;

// A chunk's bounding box in height: round the land's heights 0..25, with room above and below.
constexpr float kChunkMidY = 25.0f, kChunkHalfY = 50.0f;
// The vertices of a cell pair's two quads, by (column, row) step from the lower left one.
constexpr uint32_t V00 = Land_VertStep(0, 0), V10 = Land_VertStep(1, 0), V01 = Land_VertStep(0, 1),
                   V11 = Land_VertStep(1, 1), V02 = Land_VertStep(0, 2), V12 = Land_VertStep(1, 2);

namespace {

// An all-seen fog image: what a new floor's overview texture starts from.
const uint8_t kFogAllSeen[kLandCells] = {};

// Chunk i (0..63) of a new floor: its old tile texture dropped, its bounds, and its index list.
void LandChunk_BuildMesh(LandChunk* c, int i) {
  Tex_FreePixels(&c->tex);
  Tex_Delete(&c->tex);
  for (int k = 0; k < 3; k++) c->centre[k] = 0, c->halfSize[k] = 0.5f;
  free(c->indices);
  c->indices = nullptr;
  c->built = c->firstCell = c->number = 0;
  c->patch = nullptr;
  c->indexCount = kLandChunkIndices;
  c->indices = (uint32_t*)malloc(sizeof(uint32_t) * kLandChunkIndices);
  if (!c->indices) {
    c->indexCount = 0;
    return;
  }
  const int row = i / kLandChunksPerSide, col = i % kLandChunksPerSide;
  constexpr float kHalf = kLandChunkSize / 2;
  c->firstCell = Land_CellStep(col * kLandChunkSide, row * kLandChunkSide);
  c->centre[0] = kLandChunkSize * col + kHalf;
  c->centre[1] = kChunkMidY;
  c->centre[2] = kLandChunkSize * row + kHalf;
  c->halfSize[0] = kHalf, c->halfSize[1] = kChunkHalfY, c->halfSize[2] = kHalf;
  // Two triangles a cell, counter-clockwise seen from above, two rows of cells a pass.
  uint32_t v = Land_VertStep(col * kLandChunkSide, row * kLandChunkSide);
  uint32_t* out = c->indices;
  for (int pair = 0; pair < kLandChunkSide / 2; pair++) {
    for (int cell = 0; cell < kLandChunkSide; cell++) {
      const uint32_t t[12] = {v + V00, v + V01, v + V11, v + V00, v + V11, v + V10,
                              v + V01, v + V02, v + V12, v + V01, v + V12, v + V11};
      std::memcpy(out, t, sizeof t);
      out += 12;
      v += 1;
    }
    v += Land_VertStep(-kLandChunkSide, 2);  // back to the chunk's left edge, two rows up
  }
  c->built = 1;
  c->number = i + 1;
}

// The floor's CPU record for a new world: its number, random inner tiles and a cleared border,
// the flat vertex grid with grey colours, the chunks' bounds and index lists (their old tile
// textures dropped), the fog all unseen in play, and passability maps free.
void LandFloor_BuildRecord(LandFloor* fl, int floorNom) {
  fl->floorNom = floorNom;
  LandFloor_ForgetDecoration(fl);
  for (int z = 0; z < kLandSide; z++) {
    for (int x = 0; x < kLandSide; x++) {
      LandKle& k = fl->kle[z * kLandSide + x];
      k.tile = Rand() % 4 == 0 ? 3 : 2;
      k.x = kLandCellSize * x;
      k.z = kLandCellSize * z;
      k.vert = z * kLandVertSide + x;
      if (x == 0 || x == kLandSide - 1 || z == 0 || z == kLandSide - 1)
        k.tile = k.objCode = k.cursor = k.flag = 0;
    }
  }
  for (int r = 0; r < kLandVertSide; r++) {
    for (int c = 0; c < kLandVertSide; c++) {
      int v = r * kLandVertSide + c;
      fl->vert[v] = LandVert{kLandCellSize * c, 0.0f, kLandCellSize * r};
      for (int i = 0; i < 3; i++) fl->rgba[v][i] = (uint8_t)(90 + Rand() % 21);
      fl->rgba[v][3] = 255;
    }
  }
  for (int i = 0; i < kLandChunks; i++) LandChunk_BuildMesh(&fl->chunk[i], i);
  std::memset(fl->FogVis, EditModeOn ? 0 : kFogUnseen, sizeof fl->FogVis);
  MemClear(fl->paf, sizeof fl->paf);
  MemClear(fl->paf2, sizeof fl->paf2);
}

// The floor's overview texture for the minimap, made anew from an all-seen fog image: the
// minimap's refresh fills it from the fog later.
void LandFloor_BuildOverviewTex(LandFloor* fl) {
  if (fl->overviewTex) glDeleteTextures(1, &fl->overviewTex);
  fl->overviewTex = 0;
  glGenTextures(1, &fl->overviewTex);
  glBindTexture(GL_TEXTURE_2D, fl->overviewTex);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE_ALPHA, kLandSide, kLandSide, 0, GL_LUMINANCE,
               GL_UNSIGNED_BYTE, kFogAllSeen);
}

}  // namespace

void Tex_GenLumAlpha(LandFloor* fl, int floorNom) {
  LandFloor_BuildRecord(fl, floorNom);
  LandFloor_BuildOverviewTex(fl);
}

int LandTile_Slot(const LandFloor* fl, int cell) {
  if (!Land_CellValid(cell)) return kTxTileBorder;
  const LandKle& k = fl->kle[cell];
  switch (k.tile) {
    case 0: return kTxTileBorder;
    case 1: return kTxTileForest;
    case 3: return kTxTileSand;
    case 4: return kTxTileDirt;
    case 5: return kTxTileWater;
    case 6: return kTxTileRock;
    case 7: return kTxTileGravel;
    default: break;
  }
  switch (k.objCode) {
    case 4: return kTxTileRuin;
    case 28: return kTxTileRoad;
    case 3: return kTxTileCrater;
    default: break;
  }
  switch (k.cursor) {
    case kCursorCrystal: return kTxDecoCrystal;
    case kCursorTree: return kTxDecoTree;
    case kCursorOre: return kTxDecoOre;
    case kCursorBush: return kTxDecoBush;
    case kCursorGold: return kTxDecoGold;
    case kCursorGem: return kTxDecoGem;
    case kCursorAngelGround: return kTxDecoStump;
    case kCursorNekroGround: return kTxDecoFlowers;
    default: break;
  }
  if (EditModeOn) return kTxTileMeadow;
  return Rand() % 2 == 0 ? kTxTileMeadow2 : kTxTileMeadow;
}

// --- The tile target: a 256 x 256 framebuffer object, so that any window size, and a headless run,
// draws the same tiles; the window's back buffer only when the driver has no framebuffer objects.

namespace {

struct TileTarget {
  int tried;  // the entry points were looked up
  int ok;     // the framebuffer object is complete
  GLuint fbo, colour, depth;
  GLint viewport[4];
  int bound;  // 1 framebuffer object, 2 window
  PFNGLGENFRAMEBUFFERSEXTPROC genFramebuffers;
  PFNGLBINDFRAMEBUFFEREXTPROC bindFramebuffer;
  PFNGLGENRENDERBUFFERSEXTPROC genRenderbuffers;
  PFNGLBINDRENDERBUFFEREXTPROC bindRenderbuffer;
  PFNGLRENDERBUFFERSTORAGEEXTPROC renderbufferStorage;
  PFNGLFRAMEBUFFERRENDERBUFFEREXTPROC framebufferRenderbuffer;
  PFNGLCHECKFRAMEBUFFERSTATUSEXTPROC checkFramebufferStatus;
  PFNGLISFRAMEBUFFEREXTPROC isFramebuffer;
};
TileTarget gTile;

constexpr int kChunkCells = kLandChunkSide * kLandChunkSide;
// A cell's texture source that is no slot: what is bound when its chunk starts.
constexpr uint16_t kTileFromEntry = kTexSlots;

// What the editor's refresh last drew the shown floor from. A chunk's picture is a function of the
// texture each of its cells binds and of those textures' pixels, so each chunk keeps the source of
// each cell (a table slot, or the texture its chunk started with) and its own texture's change
// count after the draw; the table's counts are those at the end of the last refresh, when every
// chunk was drawn from them or found drawn from them. A texture's parameters are no part of it:
// the tiles are drawn one texel of their 8 x 8 level to a pixel, at the texels' centres, where the
// edge clamping that the decals set on the textures they bind changes nothing.
struct TilesDrawn {
  const LandFloor* floor;  // null: nothing is known, everything is drawn
  uint32_t slotChanges[kTexSlots];
  uint32_t ownChanges[kLandChunks];
  uint16_t from[kLandChunks][kChunkCells];
  // The colour map in slot 60: its floor (null: none made here), the slot's count after it was
  // made and the tile types it was made from.
  const LandFloor* mapFloor;
  uint32_t mapChanges;
  uint8_t mapTiles[kLandCells];
};
TilesDrawn gDrawn;

template <class P>
bool Look(P* p, const char* name) {
  *p = (P)Plat_GlProcAddress(name);
  return *p != nullptr;
}

void TileTarget_Make() {
  const char* ext = (const char*)glGetString(GL_EXTENSIONS);
  if (!ext) return;  // no context yet: asked again next time
  gTile.tried = 1;
  if (!strstr(ext, "GL_EXT_framebuffer_object")) return;
  if (!Look(&gTile.genFramebuffers, "glGenFramebuffersEXT") ||
      !Look(&gTile.bindFramebuffer, "glBindFramebufferEXT") ||
      !Look(&gTile.genRenderbuffers, "glGenRenderbuffersEXT") ||
      !Look(&gTile.bindRenderbuffer, "glBindRenderbufferEXT") ||
      !Look(&gTile.renderbufferStorage, "glRenderbufferStorageEXT") ||
      !Look(&gTile.framebufferRenderbuffer, "glFramebufferRenderbufferEXT") ||
      !Look(&gTile.checkFramebufferStatus, "glCheckFramebufferStatusEXT") ||
      !Look(&gTile.isFramebuffer, "glIsFramebufferEXT"))
    return;
  gTile.genFramebuffers(1, &gTile.fbo);
  gTile.bindFramebuffer(GL_FRAMEBUFFER_EXT, gTile.fbo);
  gTile.genRenderbuffers(1, &gTile.colour);
  gTile.bindRenderbuffer(GL_RENDERBUFFER_EXT, gTile.colour);
  gTile.renderbufferStorage(GL_RENDERBUFFER_EXT, GL_RGB8, kLandTileTex, kLandTileTex);
  gTile.framebufferRenderbuffer(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_RENDERBUFFER_EXT,
                                gTile.colour);
  gTile.genRenderbuffers(1, &gTile.depth);
  gTile.bindRenderbuffer(GL_RENDERBUFFER_EXT, gTile.depth);
  gTile.renderbufferStorage(GL_RENDERBUFFER_EXT, GL_DEPTH_COMPONENT16, kLandTileTex, kLandTileTex);
  gTile.framebufferRenderbuffer(GL_FRAMEBUFFER_EXT, GL_DEPTH_ATTACHMENT_EXT, GL_RENDERBUFFER_EXT,
                                gTile.depth);
  gTile.ok = gTile.checkFramebufferStatus(GL_FRAMEBUFFER_EXT) == GL_FRAMEBUFFER_COMPLETE_EXT;
  gTile.bindRenderbuffer(GL_RENDERBUFFER_EXT, 0);
  gTile.bindFramebuffer(GL_FRAMEBUFFER_EXT, 0);
  if (!gTile.ok) LogInfo("\nLandTiles: framebuffer object incomplete, tiles drawn in the window");
}

}  // namespace

int LandTiles_Begin() {
  // A new GL context (the window made again, a test's own) knows nothing of the old one's names.
  if (gTile.ok && !gTile.isFramebuffer(gTile.fbo)) {
    gTile = TileTarget{};
    gDrawn.floor = gDrawn.mapFloor = nullptr;
  }
  if (!gTile.tried) TileTarget_Make();
  glGetIntegerv(GL_VIEWPORT, gTile.viewport);
  if (gTile.ok) {
    gTile.bindFramebuffer(GL_FRAMEBUFFER_EXT, gTile.fbo);
    gTile.bound = 1;
  } else if (Win.WinWidth >= kLandTileTex && Win.WinHeight >= kLandTileTex) {
    gTile.bound = 2;
  } else {
    gTile.bound = 0;
    return 0;
  }
  glViewport(0, 0, kLandTileTex, kLandTileTex);
  glDisable(GL_SCISSOR_TEST);
  Gl2D_Begin(0, kLandTileTex, 0, kLandTileTex);
  Gl_BlendMode(kBlendOff);
  // Whatever the frame left on, every chunk is drawn under the same state, so that a chunk drawn
  // now matches one drawn at another time. The texture bound stays: it is what the first cells
  // without a texture of their own show.
  glDisable(GL_LIGHTING);
  Gl_FogOff();
  glDisable(GL_ALPHA_TEST);
  glDisable(GL_TEXTURE_GEN_S);
  glDisable(GL_TEXTURE_GEN_T);
  glColor4f(1, 1, 1, 1);
  return 1;
}

void LandTiles_End() {
  if (!gTile.bound) return;
  Gl2D_End();
  if (gTile.bound == 1) gTile.bindFramebuffer(GL_FRAMEBUFFER_EXT, 0);
  else glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  gTile.bound = 0;
  glViewport(gTile.viewport[0], gTile.viewport[1], gTile.viewport[2], gTile.viewport[3]);
}

namespace {

// The texture name bound now as the tile drawing sees it: none while texturing is off.
GLuint BoundTexture() {
  GLint bound = 0;
  if (glIsEnabled(GL_TEXTURE_2D)) glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  return (GLuint)bound;
}

// Where each cell of the chunk, in row order, takes its texture from: its tile image's slot, or
// for a slot without a texture the source of the cell before it (kTileFromEntry before the first).
// Draws the random numbers of LandTile_Slot in play.
void TileSources(const LandFloor* fl, const LandChunk* c, uint16_t* from) {
  uint16_t prev = kTileFromEntry;
  for (int i = 0; i < kChunkCells; i++) {
    int slot = LandTile_Slot(fl, c->firstCell + Land_CellStep(i % kLandChunkSide, i / kLandChunkSide));
    from[i] = prev = TexTable.slots[slot].glName ? (uint16_t)slot : prev;
  }
}

// The cells are drawn grouped by texture, one bind and one batch of quads each: the squares do not
// overlap, so the picture is the one a bind per cell in row order gives, with entry bound first.
void DrawTiles(LandChunk* c, const uint16_t* from, GLuint entry) {
  GLuint tex[kChunkCells];
  for (int i = 0; i < kChunkCells; i++)
    tex[i] = from[i] == kTileFromEntry ? entry : TexTable.slots[from[i]].glName;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glPolygonMode(GL_FRONT, GL_FILL);
  glLoadIdentity();
  bool done[kChunkCells] = {};
  for (int i = 0; i < kChunkCells; i++) {
    if (done[i]) continue;
    if (tex[i]) {
      glEnable(GL_TEXTURE_2D);
      glBindTexture(GL_TEXTURE_2D, tex[i]);
    } else {
      glDisable(GL_TEXTURE_2D);
    }
    glBegin(GL_QUADS);
    for (int j = i; j < kChunkCells; j++) {
      if (done[j] || tex[j] != tex[i]) continue;
      done[j] = true;
      float x = (float)(j % kLandChunkSide * kLandTilePix);
      float y = (float)(kLandTileTex - kLandTilePix - j / kLandChunkSide * kLandTilePix);
      glTexCoord2f(0, 0), glVertex2f(x, y);
      glTexCoord2f(1, 0), glVertex2f(x + kLandTilePix, y);
      glTexCoord2f(1, 1), glVertex2f(x + kLandTilePix, y + kLandTilePix);
      glTexCoord2f(0, 1), glVertex2f(x, y + kLandTilePix);
    }
    glEnd();
  }
  TexSlot* t = &c->tex;
  if (t->glName && t->width != kLandTileTex) Tex_Delete(t);
  Tex_FreePixels(t);
  t->width = t->height = kLandTileTex;
  t->bits = 24;
  if (!t->glName) glGenTextures(1, &t->glName);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, t->glName);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 0, 0, kLandTileTex, kLandTileTex, 0);
  t->changes++;
}

}  // namespace

void LandChunk_DrawTiles(const LandFloor* fl, LandChunk* c) {
  if (!gTile.bound || !c || c->indexCount <= 0) return;
  uint16_t from[kChunkCells];
  TileSources(fl, c, from);
  DrawTiles(c, from, BoundTexture());
}

// The colour map's pixels while they are made, before the texture takes them.
struct ColourMapScratch {
  uint8_t img[kLandCells * 3];
};
static ColourMapScratch ColourMap;

void LandColourMap_Build(const LandFloor* fl) {
  uint8_t* img = ColourMap.img;
  for (int i = 0; i < kLandCells; i++) {
    uint8_t r = 50, g = 70, b = 40;  // type 2, and the ground types 3 and 4 that have no colour
    switch (fl->kle[i].tile) {
      case 1: r = 20, g = 30, b = 10; break;
      case 5: r = 20, g = 30, b = 90; break;
      case 6: r = 95, g = 50, b = 30; break;
      case 2:
      case 3:
      case 4: break;
      default: r = g = b = 120; break;  // 0 and the blocked types from 7 up
    }
    img[3 * i] = r, img[3 * i + 1] = g, img[3 * i + 2] = b;
  }
  ImgFlipRows(img, kLandSide, kLandSide, 3);
  Tex_FromMem(&TexTable, kTxMapSurface, img, kLandSide, kLandSide, 3, 0);
}

static LandChunk* Chunk(int floor, int chunk) {
  return chunk >= 0 && chunk < kLandChunks ? &Land_Floor(floor)->chunk[chunk] : nullptr;
}

void LandChunk_SetFixed(int floor, int chunk, int slot) {
  if (LandChunk* c = Chunk(floor, chunk)) c->fixedTexture = slot;
}

void LandChunk_WhitenVerts(int floor, int chunk) {
  LandChunk* c = Chunk(floor, chunk);
  if (!c || !c->indices) return;
  LandFloor* fl = Land_Floor(floor);
  for (int i = 0; i < c->indexCount; i++)
    if (c->indices[i] < (uint32_t)kLandVerts) std::memset(fl->rgba[c->indices[i]], 255, 4);
}

void LandChunks_RedrawTiles(int floor) {
  LandFloor* fl = Land_Floor(floor);
  if (!LandTiles_Begin()) return;
  for (int i = 0; i < kLandChunks; i++)
    if (i != kLandFixedChunk && fl->chunk[i].indexCount > 0) LandChunk_DrawTiles(fl, &fl->chunk[i]);
  LandTiles_End();
}

void LandChunks_RefreshTiles(int floor) {
  LandFloor* fl = Land_Floor(floor);
  if (!LandTiles_Begin()) return;
  TilesDrawn& d = gDrawn;
  const bool known = d.floor == fl;
  bool slotMoved[kTexSlots + 1];
  for (int s = 0; s < kTexSlots; s++) slotMoved[s] = TexTable.slots[s].changes != d.slotChanges[s];
  slotMoved[kTileFromEntry] = false;  // judged by the chunk before
  const GLuint entry = BoundTexture();
  const LandChunk* prev = nullptr;  // the chunk drawn before this one in a full redraw
  bool prevDrawn = false;
  uint16_t from[kChunkCells];
  for (int i = 0; i < kLandChunks; i++) {
    LandChunk* c = &fl->chunk[i];
    if (i == kLandFixedChunk || c->indexCount <= 0) continue;
    TileSources(fl, c, from);
    bool draw = !known || !c->tex.glName || c->tex.changes != d.ownChanges[i] ||
                std::memcmp(from, d.from[i], sizeof from) != 0;
    for (int k = 0; k < kChunkCells && !draw; k++) draw = slotMoved[from[k]];
    // The first chunk's start is the frame's binding, which nothing records.
    if (!draw && from[0] == kTileFromEntry) draw = !prev || prevDrawn;
    if (draw) {
      DrawTiles(c, from, prev ? prev->tex.glName : entry);
      std::memcpy(d.from[i], from, sizeof from);
      d.ownChanges[i] = c->tex.changes;
    }
    prev = c;
    prevDrawn = draw;
  }
  // A full redraw ends with the last chunk's texture bound and front faces filled.
  if (prev && !prevDrawn) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, prev->tex.glName);
    glPolygonMode(GL_FRONT, GL_FILL);
  }
  for (int s = 0; s < kTexSlots; s++) d.slotChanges[s] = TexTable.slots[s].changes;
  d.floor = fl;
  LandTiles_End();
}

void LandColourMap_Refresh(const LandFloor* fl) {
  TilesDrawn& d = gDrawn;
  const TexSlot& map = TexTable.slots[kTxMapSurface];
  bool same = d.mapFloor == fl && map.glName && map.changes == d.mapChanges;
  for (int i = 0; i < kLandCells && same; i++) same = fl->kle[i].tile == d.mapTiles[i];
  if (same) {
    glBindTexture(GL_TEXTURE_2D, map.glName);  // as its making leaves it
    return;
  }
  LandColourMap_Build(fl);
  for (int i = 0; i < kLandCells; i++) d.mapTiles[i] = fl->kle[i].tile;
  d.mapChanges = map.changes;
  d.mapFloor = fl;
}

void LandOverview_Build(Fgr* holder) {
  if (!holder) return;
  LandFloor* fl = (LandFloor*)(visUnderGround == 1 ? holder->landUnder : holder->landSurf);
  if (!fl) return;
  LandChunks.LandVisibleChunks = 0;
  for (LandChunk& c : fl->chunk) {
    c.visible =
        c.indexCount > 0 && c.indices && c.built &&
        Frustum_AabbIn(RendScene.SceneFrustum, c.centre[0] - c.halfSize[0], c.centre[1] - c.halfSize[1],
                       c.centre[2] - c.halfSize[2], c.centre[0] + c.halfSize[0],
                       c.centre[1] + c.halfSize[1], c.centre[2] + c.halfSize[2]);
    if (!c.visible) continue;
    LandChunks.LandVisibleChunks++;
    int own = c.tex.glName != 0;
    BatchList_Add(&RendScene.small[ListSolid], 0, c.patch, 1, own ? 2 : 1, own ? 1 : c.fixedTexture, 0,
                  0);
  }
  if (!TimerDown(&LandChunks.LandOverviewWait)) return;
  LandChunks.LandOverviewWait = kLandOverviewMs;
  if (EditModeOn) {
    LandChunks_RefreshTiles(fl == &Land.LandUnder ? 1 : 0);
    LandColourMap_Refresh(fl);
  }
  if (!fl->overviewTex) return;
  glBindTexture(GL_TEXTURE_2D, fl->overviewTex);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE_ALPHA, kLandSide, kLandSide, 0, GL_ALPHA, GL_UNSIGNED_BYTE,
               fl->FogVis);
}

void Land_DrawProjected(Fgr* patch) {
  if (!patch || !patch->speEntry) return;
  LandChunk* c = (LandChunk*)patch->speEntry;
  const LandFloor* fl = Land_Floor(patch->UnderGround);
  if (c->indexCount <= 0 || !c->indices) return;
  if (c->tex.glName) Tex_On(&c->tex);
  // One texture across a chunk.
  static const float kPlaneS[4] = {1.0f / kLandChunkSize, 0, 0, 0};
  static const float kPlaneT[4] = {0, 0, -1.0f / kLandChunkSize, 0};
  Gl_TexGenObjectLinear(kPlaneS, kPlaneT);
  Gl_FogOfFloor(patch->UnderGround);
  glColor4f(1, 1, 1, 1);
  const float* pos = &fl->vert[0].x;
  Gl_DrawTris(&RendScene, c->indexCount, c->indices, pos, nullptr, nullptr, nullptr);
  if (EditModeOn && o2::LandEdgeWd) {
    int n = c->number % 16;
    bool second = (n < 8 && n % 2 == 1) || (n >= 8 && n % 2 == 0);
    Tex_Off();
    glLineWidth((float)o2::LandEdgeWd);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    if (second) Gl_ColorMaterial4ub(255, 128, 0, 32);
    else Gl_ColorMaterial4ub(255, 0, 0, 0);
    Gl_DrawTris(&RendScene, c->indexCount, c->indices, pos, nullptr, nullptr, nullptr);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glLineWidth(1);
  }
  Gl_FogOff();
  Gl_TexGenOff();
}

void Gl_DeleteLandTextures() {
  for (LandFloor* fl : {&Land.LandSurface, &Land.LandUnder}) {
    if (!fl->overviewTex) continue;
    glDeleteTextures(1, &fl->overviewTex);
    fl->overviewTex = 0;
  }
}

void LandTextures_Delete() { Gl_DeleteLandTextures(); }
void Exit_FreeLandTextures() { LandTextures_Delete(); }

// The figure procedures of the land (numbers r_LandOverview_Build and r_Land_DrawProjected).
void r_LandOverview_Build_(Fgr* pf) { LandOverview_Build(pf); }
void r_Land_DrawProjected_(Fgr* pf) { Land_DrawProjected(pf); }
