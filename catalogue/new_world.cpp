// The new game world and the bunkers of the sides.
#include "catalogue/new_world.h"

#include "catalogue/creators.h"
#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/side.h"
#include "figures/stage.h"
#include "render/field.h"
#include "render/gl2d.h"
#include "render/land_chunks.h"
#include "render/tex_names.h"
#include "shell/log.h"
#include "shell/random.h"
#include "shell/window_state.h"
#include "world/figure_ops.h"
#include "world/land_grid.h"
#include "world/movement.h"
#include "world/selection.h"

t_FrameWalks FrameWalks;

// The walkers of a new world; the rand() draws run frame 1, 2, 3 of FrameWalk2, then of FrameWalk1.
static void FrameWalks_Init() {
  FrameWalks.FrameWalk2 = {};
  FrameWalks.FrameWalk2.r.midFrame = 0;
  FrameWalks.FrameWalk2.r.lastFrame = 5;
  for (int& fr : FrameWalks.FrameWalk2.r.frame) fr = Rand() % 6;
  FrameWalks.FrameWalk2.r.on = 0;
  FrameWalks.FrameWalk2.wait = FrameWalks.FrameWalk2.period = 190;
  FrameWalks.FrameWalk1 = {};
  FrameWalks.FrameWalk1.r.midFrame = 4;
  FrameWalks.FrameWalk1.r.lastFrame = 7;
  for (int& fr : FrameWalks.FrameWalk1.r.frame) fr = Rand() % 8;
  FrameWalks.FrameWalk1.r.on = 1;
  FrameWalks.FrameWalk1.r.range[kRandHoldFirst][0] = 45;
  FrameWalks.FrameWalk1.r.range[kRandHoldFirst][1] = 46;
  FrameWalks.FrameWalk1.wait = FrameWalks.FrameWalk1.period = 150;
}

void init_ProjX() {
  Tex_GenLumAlpha(&Land.LandSurface, 0);
  Tex_GenLumAlpha(&Land.LandUnder, 1);
  Fgrs.NumberSlots();
  CircleTables_Init();
  MiniMap_Layout();
  Land_InitCellFlags();
  FrameWalks_Init();
  Anim3_Init();
  ProjX_CreateLandAndBunkers();
  LogInfo("\n\ninit_ProjX(); ...");
}

// A location figure of the kind filled from the preset, or null (the slot freed again).
static Fgr* Make(int kind, int preset, int forBase = 0) {
  Fgr* f = Fgrs.AddFgr(kind, forBase);
  return f && PropsFill(preset, f, 1) ? f : nullptr;
}

// The settings cameras 1 and 3 share: the whole window, no scissor, the start view.
static void Camera_MainView(Fgr* f) {
  f->kmra_VPx = f->kmra_VPy = 0;
  f->kmra_VPw = Win.WinWidth;
  f->kmra_VPh = Win.WinHeight;
  f->kmra_ScisX = f->kmra_ScisY = f->kmra_ScisW = f->kmra_ScisH = 0;
  f->kmra_Flat = 0;
  f->kmra_Flat__KamScW = f->kmra_Flat__KamScH = 0.0f;
  Fgr_SetPosition(f, 100.0f, 200.0f, 200.0f);
  f->laserX = 100.0f, f->laserY = 0.0f, f->laserZ = 0.0f;
  f->kmra_Proj__ObzorY = 45.0f;
  f->kmra_ZNear = 1.0f;
  f->kmra_ZFar = 420.0f;
}

// A stage keeps its cameras' viewports in pixels of the window it was saved in. The main-screen
// camera's viewport from the window's corner tells that window; every camera that showed the whole
// of it shows the whole of this one, and a scissor that was that whole window follows. A camera
// that draws into a texture, or into a part of the old window, keeps its words.
void Cameras_FitWindow() {
  const Fgr* main = nullptr;
  for (int i = 1; i < kFgrsSlots && !main; i++) {
    const Fgr& f = Fgrs.mf[i];
    if (f.status == fgrKameraLayer && f.kmra_glavEkran && !f.kmra_toTex && f.kmra_VPx == 0 &&
        f.kmra_VPy == 0)
      main = &f;
  }
  if (!main) return;
  const int oldW = main->kmra_VPw, oldH = main->kmra_VPh;
  for (int i = 1; i < kFgrsSlots; i++) {
    Fgr& f = Fgrs.mf[i];
    if (f.status != fgrKameraLayer || f.kmra_toTex) continue;
    if (f.kmra_VPx == 0 && f.kmra_VPy == 0 && f.kmra_VPw == oldW && f.kmra_VPh == oldH)
      f.kmra_VPw = Win.WinWidth, f.kmra_VPh = Win.WinHeight;
    if (f.kmra_ScisX == 0 && f.kmra_ScisY == 0 && f.kmra_ScisW == oldW && f.kmra_ScisH == oldH)
      f.kmra_ScisW = Win.WinWidth, f.kmra_ScisH = Win.WinHeight;
  }
}

void ProjX_CreateLandAndBunkers() {
  if (Fgr* land = Fgrs.AddFgr(fgrLandHolder, 0)) {
    PropsFill(prLandHolder1, land, 1);  // the holder of the floors whatever its preset gave
    Fgr_SetKamStudio(land);
  }
  for (int floor = 0; floor < 2; floor++)
    for (int n = 0; n < kLandChunks; n++) {
      Fgr* p = Make(fgrLandLosk, prLandLosk1);
      if (!p) return;
      if (floor) p->UnderGround = 1;
      Fgr_SetSpeLosk(p, n, floor);
      LandChunk_SetFixed(floor, n, floor ? kTxTileMeadow2 : n == kLandFixedChunk ? kTxMapPicture : 0);
    }
  Land_CellQuad(1);
  Land_CellQuad2(0);

  Fgr* d1 = Make(fgrLandDecal, prLandDecal1);
  if (!d1) return;
  d1->Tex1 = kTxEditMark;
  Fgr_SetSpeDecal(d1, 1);
  d1->fca = 1.0f;
  Fgr* d2 = Make(fgrLandDecal, prLandDecal1);
  if (!d2) return;
  d2->Tex1 = kTxDecalRing;
  Fgr_SetSpeDecal(d2, 2);
  d2->fcr = 1.0f, d2->fcg = 0.25f, d2->fcb = 0.3f, d2->fca = 0.7f;

  Fgr* c1 = Make(fgrKameraLayer, prKameraLayer1);
  if (!c1) return;
  c1->KamStudio = 1, c1->KamClearClr = 1, c1->kmra_statusMode = 1, c1->kmra_prior = 10;
  c1->kmra_glavEkran = 1, c1->kmra_toTex = 0, c1->kmra_DecalMode = 0;
  Camera_MainView(c1);
  Fgr* c2 = Make(fgrKameraLayer, prKameraLayer1);
  if (!c2) return;
  c2->KamStudio = 0, c2->KamClearClr = 0, c2->kmra_statusMode = 1, c2->kmra_prior = 15;
  c2->kmra_toTex = 0, c2->kmra_DecalMode = 1;
  Fgr* c3 = Make(fgrKameraLayer, prKameraLayer1);
  if (!c3) return;
  c3->KamStudio = 0, c3->KamClearClr = 0, c3->kmra_statusMode = 1, c3->kmra_prior = 20;
  c3->kmra_Flare2D = 1, c3->kmra_toTex = 0, c3->kmra_DecalMode = 0;
  Camera_MainView(c3);

  static const int kBase[5][2] = {{fgrAkdBunker, prAkdBunker1},
                                  {fgrAngBunker, prAngBunker1},
                                  {fgrHasBunker, prHasBunker1},
                                  {fgrNekBunker, prNekBunker1},
                                  {fgrNatBunker, prNatBunker1}};
  for (int i = 0; i < 5; i++) {
    Fgr* b = Fgrs.AddFgr(kBase[i][0], 1);
    if (!b) {
      if (i == 4) return;
      continue;
    }
    if (!PropsFill(kBase[i][1], b, 1)) continue;
    b->active = 0;
    Fgr_SetPosition(b, 15.0f, 0.0f, 25.0f + 20.0f * (float)i);
  }
}

void ProjX_ResetFigures(int withLand) {
  Fgrs.ResetAll();
  if (withLand) ProjX_CreateLandAndBunkers();
}

void ProjX_DefaultMap() {
  FieldSpec_CreatePair(7720);
  for (int cell : {7710, 7712}) {
    Fgr* d = Make(fgrDekor, prDekor1);
    if (!d) return;
    Fgr_CellMoveTo(d, cell, 0, 0, 0);
    d->LandKleLUp = cell;
    d->fcr = 0.3f + 0.125f * (float)(Rand() % 5 + 1);
    d->fcg = 0.3f + 0.125f * (float)(Rand() % 5 + 1);
    d->fcb = 0.3f + 0.125f * (float)(Rand() % 5 + 1);
  }
  for (int chunk : {41, 0, 9}) LandChunk_WhitenVerts(0, chunk);
  LandChunks_RedrawTiles(0);
}

Fgr* StaMutBunker(int kind, int owner, float x, float z, int cell) {
  int preset = Bunker_PropsOfKind(kind);
  if (!preset) return nullptr;
  Fgr* f = Make(kind, preset);
  if (!f) return nullptr;
  Fgr_SetPosition(f, x, 0.0f, z);
  Fgr::SetBanerChain(f, owner);
  if (!Bunker_AddTriger(f)) {
    LogInfo("\n StaMutBunker: тригеры не добавились");
    f->Sbros();
    return nullptr;
  }
  int* rec = Side_Rec(owner);
  if (rec && !rec[kSideBunker]) {
    rec[kSideBunker] = kind;
    Side_SetSaveDefaults(owner - 1);
  }
  f->LandKleLUp = cell;
  // The twelve cells around the bunker's 2 x 2 cells, round from the one left of its second row.
  static const int kRing[12] = {Land_CellStep(-1, 1), Land_CellStep(-1, 0), Land_CellStep(-1, -1),
                                Land_CellStep(0, -1), Land_CellStep(1, -1), Land_CellStep(2, -1),
                                Land_CellStep(2, 0),  Land_CellStep(2, 1),  Land_CellStep(2, 2),
                                Land_CellStep(1, 2),  Land_CellStep(0, 2),  Land_CellStep(-1, 2)};
  const bool onGrid = cell >= 0 && cell < kLandCells;
  for (int d : kRing) Land_AttachHolder(onGrid && Land_CellValid(cell + d) ? cell + d : 0, f);
  if (!f->dXKlv) {
    f->Sbros();
    return nullptr;
  }
  if (owner == Sides.PlayerSide) SelList_SetOne(&SelList, f, 0);
  KnoUnit_CreateSetFor(f);
  return f;
}
