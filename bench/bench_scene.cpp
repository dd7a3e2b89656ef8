// A frame of a full stage: 999 figures (the land holder, 128 land patches, the three start cameras
// and 867 units spread over both floors), the shipped textures, Mesa's software renderer. Split
// into the queue pass (every figure offered to every view, entries into the batch lists) and the
// draw (the scene passes, the minimap and the cursor); and the tile texture rebuild after a load.
#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include "app/frame_entry.h"
#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/records.h"
#include "figures/side.h"
#include "figures/stage.h"
#include "gm/org_base.h"
#include "platform/platform.h"
#include "render/field.h"
#include "render/frame_draw.h"
#include "render/gl2d.h"
#include "render/land_chunks.h"
#include "render/scene.h"
#include "render/texture.h"
#include "shell/log.h"
#include "shell/random.h"
#include "shell/window_state.h"
#include "world/land_tiles.h"

namespace {

int gW = 0, gH = 0;
Fgr* gCam[3];

Fgr* Make(int kind) {
  Fgr* f = Fgrs.AddFgr(kind, 0);
  f->novorod = 0, f->active = 1;
  return f;
}

void BuildStage() {
  Records_ResetPools();
  Fgrs.ResetAll();
  Fgrs.NumberSlots();
  RandSeed(99);
  Tex_GenLumAlpha(&Land.LandSurface, 0);
  Tex_GenLumAlpha(&Land.LandUnder, 1);
  Fgr* holder = Make(fgrLandHolder);
  holder->KamStudio = 1, holder->landSurf = &Land.LandSurface, holder->landUnder = &Land.LandUnder;
  holder->ProcNomDraw = r_LandOverview_Build;
  for (int floor = 0; floor < 2; floor++)
    for (int i = 0; i < kLandChunks; i++) {
      Fgr* p = Make(fgrLandLosk);
      p->UnderGround = floor, p->ProcNomOnR = r_Land_DrawProjected;
      Fgr_SetSpeLosk(p, i, floor);
      Land_Floor(floor)->chunk[i].fixedTexture = floor ? 48 : (i == 41 ? 69 : 0);
    }
  for (int k = 0; k < 3; k++) {
    Fgr* c = gCam[k] = Make(fgrKameraLayer);
    c->kmra_prior = 10 + 5 * k, c->KamStudio = k == 0, c->KamClearClr = k == 0;
    c->kmra_glavEkran = k == 0, c->kmra_DecalMode = k == 1, c->kmra_Flare2D = k == 2;
    c->kmra_VPw = gW, c->kmra_VPh = gH;
    c->priv_position_x = 300, c->priv_position_y = 200, c->priv_position_z = 500;
    c->laserX = 300, c->laserZ = 300, c->kmra_Proj__ObzorY = 45, c->kmra_ZNear = 1, c->kmra_ZFar = 420;
  }
  // Units of every side, most of them around the camera's look point, on both floors.
  for (int slot = 1; slot < kFgrsSlots; slot++) {
    Fgr* f = &Fgrs.mf[slot];
    if (f->status) continue;
    f->status = 112, f->active = 1, f->novorod = 0, f->KamStudio = 1;
    f->ProcNomDraw = r_Proc_DrawTex1, f->haf = 4;
    f->UnderGround = slot % 2;
    f->priv_position_x = 100.0f + (float)(Rand() % 600);
    f->priv_position_z = 100.0f + (float)(Rand() % 400);
  }
  MiniMap_Layout();
  FieldRect.CamLookX = FieldRect.CamLookZ = 1280;
  StageReq.EtapName = "bench_no_stage";
  PlitTextures_Build(0);
}

// A headless context of the size, the shipped textures and the stage.
bool Setup(int w, int h) {
  if (w == gW && h == gH) return true;
  Logger.gsFileLog = "bench_scene_log.txt";
  if (chdir(TOLV_SOURCE_DIR) != 0) return false;
  TexTable_Free(&TexTable);
  for (LandFloor* fl : {&Land.LandSurface, &Land.LandUnder}) {
    fl->overviewTex = 0;
    for (LandChunk& c : fl->chunk) c.tex.glName = 0;
  }
  if (Plat_HeadlessContext(w, h) != 1) return false;
  Win.WinWidth = gW = w, Win.WinHeight = gH = h;
  org2_Init();
  orgF_Init();
  o2::FrustumE = 1;
  if (!Tex_LoadPack(&TexTable, "uni_files/res/pix_start.txt")) return false;
  BuildStage();
  return true;
}

void AddViews() {
  RendScene_Reset(&RendScene);
  for (Fgr* c : gCam) RendView_AddCameraFgr(&RendScene, c);
}

// The queue pass as the game runs it: the land's chunks and every figure offered to every view.
void BM_SceneQueuePass(benchmark::State& state) {
  if (!Setup(800, 600)) return state.SkipWithError("no GL context or textures");
  for (auto _ : state) {
    AddViews();
    Fgrs_QueueDrawAll(&Fgrs);
  }
  state.counters["chunks"] = LandChunks.LandVisibleChunks;
}
BENCHMARK(BM_SceneQueuePass)->Unit(benchmark::kMicrosecond);

// The same with three entries a unit in the view it shows in (a sprite, a mark and a glow, as the
// units' queue procedures add them), spread over ten textures.
void BM_SceneQueueWithEntries(benchmark::State& state) {
  if (!Setup(800, 600)) return state.SkipWithError("no GL context or textures");
  int entries = 0;
  for (auto _ : state) {
    AddViews();
    entries = 0;
    while (RendView_SetNext(&RendScene)) {
      int decal = RendView_CurMode();
      for (int i = 1; i < kFgrsSlots; i++) {
        Fgr* f = &Fgrs.mf[i];
        if (f->woDraw || !Fgr_DrawVisible(f)) continue;
        Fgr_QueueDraw(f);
        if (f->status != 112 || !RendView_IsCurrentCam(f->KamStudio)) continue;
        int tex = 50 + i % 10;
        entries += BatchListBig_Add(&RendScene.big[ListCutoutBig], decal, f, 1, tex, tex, 0, 1);
        entries += BatchList_Add(&RendScene.small[ListCutout], decal, f, 2, 7, 7, 0, 0);
        entries += BatchListBig_Add(&RendScene.big[ListGlowBig], decal, f, 7, 65, 65, 0, 1);
      }
    }
  }
  state.counters["entries"] = entries;
}
BENCHMARK(BM_SceneQueueWithEntries)->Unit(benchmark::kMicrosecond);

// The draw of a frame after its queue pass, at two window sizes.
void BM_SceneDraw(benchmark::State& state) {
  if (!Setup((int)state.range(0), (int)state.range(1))) return state.SkipWithError("no context");
  for (auto _ : state) {
    state.PauseTiming();
    AddViews();
    Fgrs_QueueDrawAll(&Fgrs);
    state.ResumeTiming();
    DrawScene(&RendScene);
    glViewport(0, 0, gW, gH);
    Gl2D_Begin(0, gW, 0, gH);
    MiniMap_Draw(Sides.SideTab, 0);
    Gl2D_End();
    glFinish();
  }
}
BENCHMARK(BM_SceneDraw)
    ->Args({800, 600})
    ->Args({1024, 768})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// The land rebuild after a load: heights, colour map and the 63 drawn tile textures.
void BM_TileTexturesRebuild(benchmark::State& state) {
  if (!Setup(800, 600)) return state.SkipWithError("no GL context or textures");
  for (auto _ : state) {
    PlitTextures_Build(0);
    glFinish();
  }
}
BENCHMARK(BM_TileTexturesRebuild)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace
