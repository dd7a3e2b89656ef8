// The area effect queue and its hit list.
#include "render/area_queue.h"

t_AreaQueue DecalQueue;

void DecalQueue_Add(Fgr* f, int w1, int w2, int kind, int count, int filter, float radius, int shape,
                    int floor, int w8, int w9, const int* pair, float f1, float f2, float f3, float f4) {
  if (!f || DecalQueue.count < 0 || DecalQueue.count >= kAreaQueue) return;
  AreaReq* r = &DecalQueue.req[DecalQueue.count++];
  r->src = f;
  r->w1 = w1, r->w2 = w2;
  r->kind = kind;
  r->count = count;
  r->filter = filter;
  r->radius = (int)radius;
  r->shape = shape;
  r->floor = floor > 0 ? floor : 0;
  r->w8 = w8, r->w9 = w9;
  r->f[0] = f1, r->f[1] = f2, r->f[2] = f3, r->f[3] = f4;
  // A reused slot must not carry the detector flag of an earlier request.
  r->pair[0] = pair ? pair[0] : 0;
  r->pair[1] = pair ? pair[1] : 0;
}

void DecalQueue_AddPtr(AreaReq* r) {
  if (!r || DecalQueue.hitCount < 0 || DecalQueue.hitCount >= kAreaHits) return;
  DecalQueue.hits[DecalQueue.hitCount++] = r;
}
