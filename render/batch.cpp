// Batch lists: adds by the figures' queue procedures, bucketed per view; the draw of a view's run of
// buckets. The two list types differ only in their limits, so one template does both.
#include "render/batch.h"

#include <GL/gl.h>

#include <cstring>

#include "figures/fgr.h"
#include "render/ground.h"
#include "render/scene.h"
#include "render/texture.h"
#include "render/vert_arr.h"

// The lists live in the scene record, static storage that starts as zeroes: only the words that are
// not zero are written, so the entries' megabytes cost nothing at start-up until a frame fills them.
// A scene built again zeroes its lists before this.
template <int N, int K>
void BatchList_Init(t_BatchList<N, K>* l, int nom, int sceneIndex) {
  l->nom = nom;
  l->enabled = 1;
  l->sceneIndex = sceneIndex;
}

// Entries past the count are still zero from the last clear, so only the used ones are wiped.
template <int N, int K>
void BatchList_Clear(t_BatchList<N, K>* l) {
  int used = l->count < 0 ? 0 : (l->count > N ? N : l->count);
  std::memset(l->e, 0, sizeof(BatchEntry) * (used + 1));
  std::memset(l->head, 0, sizeof l->head);
  l->last = nullptr;
  l->count = 0;
}

template void BatchList_Init(BatchList*, int, int);
template void BatchList_Init(BatchListBig*, int, int);
template void BatchList_Clear(BatchList*);
template void BatchList_Clear(BatchListBig*);

namespace {

template <class L>
int FirstBucket(const L* l) {
  return RendScene.RendView_Cur ? RendScene.RendView_Cur->firstBucket[l->sceneIndex] : 0;
}

template <class L>
void SetFirst(L* l, int b) {
  if (RendScene.RendView_Cur) RendScene.RendView_Cur->firstBucket[l->sceneIndex] = b;
}

template <class L>
void CountUp(L* l) {
  if (RendScene.RendView_Cur) RendScene.RendView_Cur->bucketCount[l->sceneIndex] += 1;
}

template <class L>
int FreeBucket(const L* l, int from) {
  for (int b = from < 1 ? 1 : from; b <= L::kBuckets; b++)
    if (!l->head[b]) return b;
  return 0;
}

// The add rules of both types. A refusal after the count was raised leaves the entry in the list,
// in no bucket, never drawn.
template <class L>
int Add(L* l, int big, int decal, Fgr* f, int drawKind, int key, int tex, int key2, int match) {
  if (big && !l->enabled) return 0;
  if (l->count > L::kEntries - 1) return 0;
  if (decal != RendView_CurMode()) return 0;
  int first = FirstBucket(l);
  BatchEntry* e = &l->e[++l->count];
  e->match = (int16_t)match;
  e->key = (int16_t)key;
  e->tex = (int16_t)tex;
  e->key2 = (int16_t)key2;
  e->drawKind = (int16_t)drawKind;
  e->fgr = f;
  l->last = e;
  if (first == 0) {
    int b = FreeBucket(l, 1);
    if (!b) return 0;
    SetFirst(l, b);
    CountUp(l);
    e->next = l->head[b];
    l->head[b] = e;
    return 1;
  }
  if (first > L::kBuckets) return 0;
  for (int b = first; b <= L::kBuckets; b++) {
    BatchEntry* h = l->head[b];
    if (!h || h->key != e->key) continue;
    if ((e->match == 0 && h->match == 0) || (h->tex == e->tex && h->key2 == e->key2)) {
      e->next = h;
      l->head[b] = e;
      return 1;
    }
  }
  int b = FreeBucket(l, first);
  if (!b) return 0;
  CountUp(l);
  e->next = l->head[b];
  l->head[b] = e;
  return 1;
}

// An entry without a figure that carries a command or a callback (the member it goes in).
template <class L, class P>
int AddPayload(L* l, int big, int decal, P BatchEntry::*member, P payload, int drawKind, int key,
               int tex, int key2, int match) {
  if (!payload || !Add(l, big, decal, nullptr, drawKind, key, tex, key2, match)) return 0;
  if (l->last) {
    l->last->*member = payload;
    l->last = nullptr;
  }
  return 1;
}

void ClientArraysOff(int normals) {
  glDisableClientState(GL_VERTEX_ARRAY);
  if (normals) glDisableClientState(GL_NORMAL_ARRAY);
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
}

}  // namespace

int BatchList_Add(BatchList* l, int decal, Fgr* f, int drawKind, int key, int tex, int key2, int match) {
  return l ? Add(l, 0, decal, f, drawKind, key, tex, key2, match) : 0;
}
int BatchListBig_Add(BatchListBig* l, int decal, Fgr* f, int drawKind, int key, int tex, int key2,
                     int match) {
  return l ? Add(l, 1, decal, f, drawKind, key, tex, key2, match) : 0;
}
int BatchList_AddCmd(BatchList* l, int decal, const GroundCmd* cmd, int drawKind, int key, int tex,
                     int key2, int match) {
  return l ? AddPayload(l, 0, decal, &BatchEntry::cmd, cmd, drawKind, key, tex, key2, match) : 0;
}
int BatchListBig_AddCmd(BatchListBig* l, int decal, const GroundCmd* cmd, int drawKind, int key, int tex,
                        int key2, int match) {
  return l ? AddPayload(l, 1, decal, &BatchEntry::cmd, cmd, drawKind, key, tex, key2, match) : 0;
}
int BatchList_AddCallback(BatchList* l, int decal, BatchCallback cb, int drawKind, int key, int tex,
                          int key2, int match) {
  return l ? AddPayload(l, 0, decal, &BatchEntry::cb, cb, drawKind, key, tex, key2, match) : 0;
}
int BatchListBig_AddCallback(BatchListBig* l, int decal, BatchCallback cb, int drawKind, int key,
                             int tex, int key2, int match) {
  return l ? AddPayload(l, 1, decal, &BatchEntry::cb, cb, drawKind, key, tex, key2, match) : 0;
}

int BatchList_FirstBucket(const BatchList* l) { return FirstBucket(l); }
int BatchListBig_FirstBucket(const BatchListBig* l) { return FirstBucket(l); }
void BatchList_SetFirst(BatchList* l, int b) { SetFirst(l, b); }
void BatchListBig_SetFirst(BatchListBig* l, int b) { SetFirst(l, b); }
void BatchList_CountUp(BatchList* l) { CountUp(l); }
void BatchListBig_CountUp(BatchListBig* l) { CountUp(l); }

void Fgr_DrawBatched(Fgr* f) {
  if (f && f->ProcNomOnR) ProcFgr(f->ProcNomOnR, f);
}

int Wrap1000(BatchEntry* e) {
  if (e->key > 999) e->key = (int16_t)(e->key % 1000);
  return 1;
}

void BatchList_Draw(BatchList* l, int first, int count) {
  if (!l || first < 1 || count < 1) return;
  for (int b = first; b < first + count; b++) {
    if (b > BatchList::kBuckets || !l->head[b]) break;
    Wrap1000(l->head[b]);
    for (BatchEntry* e = l->head[b]; e; e = e->next) {
      if (e->tex > 0) Tex_Bind(&TexTable, e->tex);
      else Tex_Off();
      if (e->fgr) {
        e->fgr->OnR_inFgr = e->drawKind;
        Fgr_DrawBatched(e->fgr);
      } else if (e->cb) {
        e->cb(e->drawKind);
      }
    }
  }
  ClientArraysOff(1);
}

void BatchListBig_Draw(BatchListBig* l, int first, int count, int flat) {
  if (!l || first < 1 || count < 1) return;
  for (int b = first; b < first + count; b++) {
    if (b > BatchListBig::kBuckets || !l->head[b]) break;
    BatchEntry* h = l->head[b];
    DecalVerts.count = 0;
    DecalVerts.flat = flat;
    for (BatchEntry* e = h; e; e = e->next) {
      if (e->fgr) {
        e->fgr->OnR_inFgr = e->drawKind;
        Fgr_DrawBatched(e->fgr);
      } else if (DecalVerts.count + 3 < kDecalVerts) {
        if (e->cb) e->cb(e->drawKind);
        else if (e->cmd) DecalQueue_Draw1(e->cmd);
      }
    }
    if (DecalVerts.count > 3) {
      Gl_BindSceneArrays(h, flat);
      if (h->tex < 0) glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
      glDrawArrays(GL_QUADS, 0, DecalVerts.count);
      if (h->tex < 0) glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    }
  }
  ClientArraysOff(0);
}
