// The area effect queue and its hit list.
#include "render/area_queue.h"

t_AreaQueue DecalQueue;

void DecalQueue_Add(const AreaReq& req) {
  if (!req.src || DecalQueue.count < 0 || DecalQueue.count >= kAreaQueue) return;
  AreaReq* r = &DecalQueue.req[DecalQueue.count++];
  *r = req;
  if (r->floor < 0) r->floor = 0;
}

void DecalQueue_AddPtr(AreaReq* r) {
  if (!r || DecalQueue.hitCount < 0 || DecalQueue.hitCount >= kAreaHits) return;
  DecalQueue.hits[DecalQueue.hitCount++] = r;
}
