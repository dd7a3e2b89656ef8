// The per-frame area effect queue: requests that figures post during their update (a source, a
// kind, a radius and shape, a floor, a target filter and values for the consumer) and that the
// units' combat reads in the same frame, with the list of kind-2 requests that reached a unit.
#pragma once

class Fgr;

constexpr int kAreaQueue = 750;
constexpr int kAreaHits = 50;

struct AreaReq {
  Fgr* src;
  int w1, w2;   // carried
  int kind;     // 1 area, 2 pulse, 3 aura
  int count;    // a kind-2 request waits while it is above 0
  int filter;   // target rule 1..4
  int radius;   // world units
  int shape;    // 0 circle, 1 square
  int w8, w9;   // carried (action, skill kind)
  int floor;    // never below 0
  float f[4];   // carried (colour)
  int pair[2];  // from the optional pair; the second is the detector flag
};

struct t_AreaQueue {
  AreaReq req[kAreaQueue];
  int count;  // 0..750; set to 0 at the start of every frame's update
  AreaReq* hits[kAreaHits];
  int hitCount;  // 0..50
};
extern t_AreaQueue DecalQueue;

// Appends a request while fewer than 750 are queued; nothing for a null figure. Without a pair the
// request's two pair words are 0, never a previous frame's.
void DecalQueue_Add(Fgr* f, int w1, int w2, int kind, int count, int filter, float radius, int shape,
                    int floor, int w8, int w9, const int* pair, float f1, float f2, float f3, float f4);
// Appends a request to the hit list while fewer than 50 are held; nothing for null.
void DecalQueue_AddPtr(AreaReq* r);
