// The scene's bookkeeping without drawing: the view list, the batch lists' buckets and refusals,
// the ground commands' corners, the quad arrays' limits and the area queue.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "figures/fgrs.h"
#include "render/area_queue.h"
#include "render/ground.h"
#include "render/scene.h"
#include "render/vert_arr.h"

namespace {

Fgr* Camera(int slot, int priority) {
  Fgr* f = &Fgrs.mf[slot];
  f->status = fgrKameraLayer;
  f->kmra_prior = priority;
  return f;
}

int Index(const BatchEntry* e, const BatchList& l) { return e ? (int)(e - l.e) : 0; }

}  // namespace

TEST(SceneTables, ViewsSortByPriorityAndTheFiftiethIsTheLast) {
  RendScene_Reset(&RendScene);
  const int prio[] = {5, 3, 9, 1, 5};
  for (int i = 0; i < 5; i++) RendView_AddCameraFgr(&RendScene, Camera(600 + i, prio[i]));
  RendView_AddCamera(&RendScene, Camera(610, 0), 0);  // below 1: ignored
  RendView_AddCamera(&RendScene, nullptr, 4);         // no figure: ignored
  const int order[] = {603, 601, 600, 604, 602};      // 1, 3, 5, 5 (in arrival order), 9
  int n = 0;
  for (RendView* v = RendScene.head; v; v = v->next, n++) {
    ASSERT_LT(n, 5);
    EXPECT_EQ(v->cam, &Fgrs.mf[order[n]]) << n;
    EXPECT_EQ(v->prev ? v->prev->next : RendScene.head, v);
  }
  EXPECT_EQ(n, 5);
  for (int i = 5; i < 60; i++) RendView_AddCamera(&RendScene, Camera(600 + i, 100 + i), 100 + i);
  EXPECT_EQ(RendScene.viewCount, 50);
  EXPECT_EQ(RendScene.views[49].priority, 149);  // the 50th view is the last slot, never past it
  RendView* last = RendScene.head;
  while (last->next) last = last->next;
  EXPECT_EQ(last, &RendScene.views[49]);
  RendScene_Reset(&RendScene);
  EXPECT_EQ(RendScene.head, nullptr);
  EXPECT_EQ(RendScene.views[3].cam, nullptr);
}

TEST(SceneTables, BatchListsBucketByKeyAndTextureAndRefuseTheWrongViewClass) {
  RendScene_Reset(&RendScene);
  BatchList& l = RendScene.small[ListCutout];  // third list: the views' bucket words 2
  RendView a{}, b{};
  b.decal = 1;
  Fgr* f = &Fgrs.mf[700];
  struct Step {
    RendView* view;
    int decal, key, tex, key2, match;
    int result, bucket;  // bucket the entry heads, 0 none
  } steps[] = {
      {&a, 0, 5, 7, 0, 0, 1, 1},  // first add of a view opens the lowest free bucket
      {&a, 0, 5, 9, 0, 0, 1, 1},  // same key, both match 0: joins, in front
      {&a, 0, 6, 7, 0, 1, 1, 2},  // another key
      {&a, 0, 6, 8, 0, 1, 1, 3},  // same key, another texture with match 1
      {&a, 0, 6, 7, 0, 1, 1, 2},  // same key, texture and second key: joins
      {&a, 0, 6, 7, 4, 1, 1, 4},  // second key differs
      {&a, 0, 5, 7, 0, 1, 1, 5},  // match 1 against a head of texture 9
      {&a, 1, 5, 7, 0, 0, 0, 0},  // decal flag 1 outside a decal view
      {&b, 0, 5, 7, 0, 0, 0, 0},  // flag 0 in a decal view
      {&b, 1, 5, 7, 0, 0, 1, 6},  // the decal view's run starts above the first view's
      {&b, 1, 5, 3, 0, 0, 1, 6},      {nullptr, 1, 5, 7, 0, 0, 0, 0},  // outside the passes only flag 0
      {nullptr, 0, 5, 7, 0, 0, 1, 7},
  };
  int count = 0;
  for (const Step& s : steps) {
    RendScene.RendView_Cur = s.view;
    int before = l.count;
    EXPECT_EQ(BatchList_Add(&l, s.decal, f, 3, s.key, s.tex, s.key2, s.match), s.result) << count;
    if (s.result) {
      EXPECT_EQ(l.count, before + 1);
      EXPECT_EQ(Index(l.head[s.bucket], l), l.count) << "step " << count;
    } else {
      EXPECT_EQ(l.count, before) << "refused before it was counted, step " << count;
    }
    count++;
  }
  EXPECT_EQ(a.firstBucket[2], 1);
  EXPECT_EQ(a.bucketCount[2], 5);
  EXPECT_EQ(b.firstBucket[2], 6);
  EXPECT_EQ(b.bucketCount[2], 1);
  EXPECT_EQ(a.bucketCount[0] + a.bucketCount[3], 0);  // other lists' words untouched
  // Bucket 1 holds entries 2 then 1; bucket 2 holds 5 then 3.
  EXPECT_EQ(Index(l.head[1]->next, l), 1);
  EXPECT_EQ(Index(l.head[2]->next, l), 3);
  EXPECT_EQ(l.head[1]->next->next, nullptr);

  // A command or callback is stored in the entry just added; none of them is refused.
  RendScene.RendView_Cur = &a;
  EXPECT_EQ(BatchList_AddCmd(&l, 0, nullptr, 1, 9, 0, 0, 0), 0);
  GroundCmd cmd{};
  EXPECT_EQ(BatchList_AddCmd(&l, 0, &cmd, 1, 9, 0, 0, 0), 1);
  EXPECT_EQ(l.e[l.count].cmd, &cmd);
  EXPECT_EQ(l.e[l.count].fgr, nullptr);
  EXPECT_EQ(l.last, nullptr);
  RendScene.RendView_Cur = nullptr;
}

TEST(SceneTables, BatchListsRefuseWhenFullAndCountTheBucketlessEntry) {
  RendScene_Reset(&RendScene);
  RendView v{};
  RendScene.RendView_Cur = &v;
  BatchList& small = RendScene.small[ListSolid];
  for (int i = 1; i <= 7000; i++) ASSERT_EQ(BatchList_Add(&small, 0, nullptr, 1, 1, 1, 0, 0), 1) << i;
  EXPECT_EQ(BatchList_Add(&small, 0, nullptr, 1, 1, 1, 0, 0), 0);
  EXPECT_EQ(small.count, 7000);
  BatchListBig& big = RendScene.big[ListGlowBig];
  for (int i = 1; i <= 10200; i++) ASSERT_EQ(BatchListBig_Add(&big, 0, nullptr, 1, 1, 1, 0, 0), 1) << i;
  EXPECT_EQ(BatchListBig_Add(&big, 0, nullptr, 1, 1, 1, 0, 0), 0);
  EXPECT_EQ(big.count, 10200);
  RendScene_Reset(&RendScene);
  v = RendView{};
  RendScene.RendView_Cur = &v;  // the reset leaves no current view
  // Fifty keys fill the fifty buckets; a fifty-first key is refused after it was counted.
  for (int k = 1; k <= 50; k++) ASSERT_EQ(BatchList_Add(&small, 0, nullptr, 1, k, 0, 0, 0), 1) << k;
  EXPECT_EQ(BatchList_Add(&small, 0, nullptr, 1, 51, 0, 0, 0), 0);
  EXPECT_EQ(small.count, 51);
  EXPECT_EQ(v.bucketCount[0], 50);
  EXPECT_EQ(BatchList_Add(&small, 0, nullptr, 1, 50, 0, 0, 0), 1);  // an open key still joins
  // A large list switched off refuses everything; the reset keeps the switch.
  RendScene.big[ListSolidBig].enabled = 0;
  EXPECT_EQ(BatchListBig_Add(&RendScene.big[ListSolidBig], 0, nullptr, 1, 1, 1, 0, 0), 0);
  RendScene_Reset(&RendScene);
  EXPECT_EQ(RendScene.big[ListSolidBig].enabled, 0);
  RendScene.big[ListSolidBig].enabled = 1;
  EXPECT_EQ(small.count, 0);
  EXPECT_EQ(small.head[1], nullptr);
  // A used scene built again: every list empty to its last entry and switched on again.
  for (void (*ctor)(t_RendScene*) : {RendScene_Ctor, RendScene_Ctor2}) {
    for (int k = 1; k <= 60; k++) BatchList_Add(&small, 0, &Fgrs.mf[700], 1, k, 2, 0, 0);
    for (int k = 1; k <= 60; k++) BatchListBig_Add(&big, 0, &Fgrs.mf[700], 1, k, 2, 0, 0);
    RendScene.big[ListSolidBig].enabled = 0;
    ctor(&RendScene);
    auto empty = [](const auto& l, int nom, int sceneIndex) {
      const auto* bytes = reinterpret_cast<const unsigned char*>(&l.e);
      bool zero = std::all_of(bytes, bytes + sizeof l.e, [](unsigned char c) { return c == 0; });
      for (const auto* h : l.head) zero = zero && !h;
      return zero && l.count == 0 && !l.last && l.nom == nom && l.enabled == 1 &&
             l.sceneIndex == sceneIndex;
    };
    const int smallOrder[] = {0, 2, 5, 6}, bigOrder[] = {1, 3, 4, 7, 8, 9};
    for (int i = 0; i < 4; i++) EXPECT_TRUE(empty(RendScene.small[i], i + 1, smallOrder[i])) << i;
    for (int i = 0; i < 6; i++) EXPECT_TRUE(empty(RendScene.big[i], i + 1, bigOrder[i])) << i;
    v = RendView{};
    RendScene.RendView_Cur = &v;
  }
  RendScene.RendView_Cur = nullptr;
}

TEST(SceneTables, GroundCommandsQuadsAndTheAreaQueue) {
  // A direction table whose entry i is (i, 1000 + i, 2000 + i) shows which entries a quad read.
  for (int i = 0; i < kDir361; i++)
    RendScene.Dir361View[i][0] = i, RendScene.Dir361View[i][1] = 1000 + i,
    RendScene.Dir361View[i][2] = 2000 + i;
  float q[12];
  auto entries = [&](float x, float y, float z, float s) {
    std::vector<int> e;
    for (int k = 0; k < 4; k++) e.push_back((int)((q[3 * k] - x) / s));
    (void)y, (void)z;
    return e;
  };
  ASSERT_EQ(Quad_Rotate(&DecalVerts, q, 1, 2, 3, 1, 90), q);
  EXPECT_EQ(entries(1, 2, 3, 1), (std::vector<int>{315, 45, 135, 225}));
  Quad_Rotate(&DecalVerts, q, 0, 0, 0, 1, 0);
  EXPECT_EQ(entries(0, 0, 0, 1), (std::vector<int>{225, 315, 45, 135}));
  Quad_Rotate(&DecalVerts, q, 0, 0, 0, 1, 360);
  EXPECT_EQ(entries(0, 0, 0, 1), (std::vector<int>{225, 315, 45, 135}));
  Quad_Rotate(&DecalVerts, q, 0, 0, 0, 1, -90);
  EXPECT_EQ(entries(0, 0, 0, 1), (std::vector<int>{135, 225, 315, 45}));
  // Far outside -360..360 the angle wraps round the circle instead of reading past the table.
  Quad_Rotate(&DecalVerts, q, 0, 0, 0, 1, 800);  // 800 = 2 x 360 + 80
  EXPECT_EQ(entries(0, 0, 0, 1), (std::vector<int>{305, 35, 125, 215}));
  Quad_Rotate(&DecalVerts, q, 0, 0, 0, 1, -1000);  // -1000 = -3 x 360 + 80
  EXPECT_EQ(entries(0, 0, 0, 1), (std::vector<int>{305, 35, 125, 215}));
  EXPECT_EQ(Quad_Rotate(&DecalVerts, nullptr, 0, 0, 0, 1, 0), nullptr);

  // Ground commands: kind 3 of size 2 at (10, 20); kind 5 at angle 200 reads 65, 155, 245, 335;
  // kinds 0 and 17 add nothing.
  DecalVerts.count = 0;
  DecalVerts.flat = 0;
  GroundCmd c{};
  c.kind = 3, c.x = 10, c.y = 20, c.size = 2;
  DecalQueue_Draw1(&c);
  ASSERT_EQ(DecalVerts.count, 4);
  const float sq[12] = {8, 18, 0, 12, 18, 0, 12, 22, 0, 8, 22, 0};
  for (int i = 0; i < 12; i++) EXPECT_EQ(DecalVerts.pos3[i], sq[i]) << i;
  EXPECT_EQ(DecalVerts.col[0], 1.0f);  // no colour mode: white
  c = GroundCmd{};
  c.kind = 5, c.size = 1, c.w5 = 200, c.colourMode = 3, c.colours[0] = 1;
  c.col = 3, c.ncols = 4, c.row = 2, c.nrows = 2;
  DecalQueue_Draw1(&c);
  ASSERT_EQ(DecalVerts.count, 8);
  const int at200[4] = {65, 155, 245, 335};
  for (int k = 0; k < 4; k++) EXPECT_EQ((int)DecalVerts.pos3[12 + 3 * k], at200[k]);
  const float red[4] = {1, 0, 0, 1};
  for (int i = 0; i < 4; i++) EXPECT_EQ(DecalVerts.col[16 + i], red[i]);
  EXPECT_FLOAT_EQ(DecalVerts.tex[8], 0.5f);  // column 3 of 4, row 2 of 2
  EXPECT_FLOAT_EQ(DecalVerts.tex[9], 0.5f);
  EXPECT_FLOAT_EQ(DecalVerts.tex[12], 0.75f);
  EXPECT_FLOAT_EQ(DecalVerts.tex[13], 1.0f);
  c.kind = 0;
  DecalQueue_Draw1(&c);
  c.kind = 17;
  DecalQueue_Draw1(&c);
  EXPECT_EQ(DecalVerts.count, 8);
  // A ground command's angle outside the table after one correction takes entry 0 unscaled.
  c = GroundCmd{};
  c.kind = 5, c.size = 50, c.w5 = 1000;
  DecalQueue_Draw1(&c);
  for (int k = 0; k < 4; k++) EXPECT_EQ(DecalVerts.pos3[24 + 3 * k + 1], 1000.0f) << k;

  // The quad arrays hold vertices 0..40800.
  float corners[12] = {};
  DecalVerts.count = 40796;
  EXPECT_EQ(VertArr_Add(&DecalVerts, corners, nullptr, nullptr), 40800);
  DecalVerts.count = 40797;
  EXPECT_EQ(VertArr_Add(&DecalVerts, corners, nullptr, nullptr), 40801);
  DecalVerts.count = 40798;
  EXPECT_EQ(VertArr_Add(&DecalVerts, corners, nullptr, nullptr), 40801);
  EXPECT_EQ(DecalVerts.count, 40798);
  DecalVerts.count = 0;
  float out[16];
  const float rgb[3] = {1, 0, 0};
  EXPECT_EQ(ColorArr_Fill(&DecalVerts, out, 5, rgb), nullptr);
  EXPECT_EQ(ColorArr_Fill(&DecalVerts, out, 3, nullptr), nullptr);

  // The area queue: 750 a frame, floors below 0 stored as 0, a request without a pair carries no
  // pair words of the request that used its slot before.
  DecalQueue.count = 0;
  Fgr* src = &Fgrs.mf[42];
  const int pair[2] = {7, 1};
  DecalQueue_Add({.src = src,
                  .kind = 2,
                  .filter = 3,
                  .radius = 40,
                  .w8 = 3,
                  .floor = -1,
                  .f = {1, 0, 0, 1},
                  .pair = {pair[0], pair[1]}});
  EXPECT_EQ(DecalQueue.req[0].floor, 0);
  EXPECT_EQ(DecalQueue.req[0].pair[1], 1);
  DecalQueue.count = 0;
  DecalQueue_Add(
      {.src = src, .kind = 1, .filter = 1, .radius = 40, .w8 = 1, .floor = 1, .f = {1, 0, 0, 1}});
  EXPECT_EQ(DecalQueue.req[0].pair[0], 0);
  EXPECT_EQ(DecalQueue.req[0].pair[1], 0);
  DecalQueue_Add(
      {.src = nullptr, .kind = 1, .filter = 1, .radius = 40, .w8 = 1, .floor = 1, .f = {1, 0, 0, 1}});
  EXPECT_EQ(DecalQueue.count, 1);
  for (int i = 1; i < 760; i++)
    DecalQueue_Add({.src = src, .kind = 1, .filter = 1, .radius = 40, .w8 = 1, .f = {1, 0, 0, 1}});
  EXPECT_EQ(DecalQueue.count, 750);
  DecalQueue.hitCount = 0;
  for (int i = 0; i < 60; i++) DecalQueue_AddPtr(&DecalQueue.req[i]);
  EXPECT_EQ(DecalQueue.hitCount, 50);
  DecalQueue.count = DecalQueue.hitCount = 0;
}
