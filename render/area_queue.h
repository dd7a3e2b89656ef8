// The per-frame area effect queue: requests that figures post during their update (a source, a
// kind, a radius and shape, a floor, a target filter and values for the consumer) and that the
// units' combat reads in the same frame, with the list of kind-2 requests that reached a unit.
// DecalQueue, DecalQueue_Add and DecalQueue_AddPtr keep the names the rest of the game knows them
// by, though they hold no decals: this is the area queue that the Area* records below feed. The
// ground commands that DecalQueue_Draw1 turns into quads are another thing (render/ground.h).
#pragma once

class Fgr;

constexpr int kAreaQueue = 750;
constexpr int kAreaHits = 50;

// A request's kind: a plain area, a pulse that strikes the units it reaches in the frame its count
// runs out, an aura that lends them its bonus entries.
enum AreaKind { kAreaPlain = 1, kAreaPulse = 2, kAreaAura = 3 };
// Whom it reaches: everyone, the source owner's side, the other sides, the source's bunker host.
enum AreaFilter { kAreaEveryone = 1, kAreaOwnSide = 2, kAreaOtherSides = 3, kAreaSameHost = 4 };
enum AreaShape { kAreaCircle = 0, kAreaSquare = 1 };
// What a contact does (the action word): an experience orb, a yield area, a detector.
enum AreaAction { kActOrb = 1, kActYield = 2, kActDetector = 3 };

// One request, also what a figure posts: built with designated initialisers, what a call leaves
// out is 0.
struct AreaReq {
  Fgr* src = nullptr;
  int w1 = 0, w2 = 0;  // carried (the slots of the figures whose Sta and FKu tables it applies)
  int kind = 0;        // AreaKind
  int count = 0;       // a pulse waits while it is above 0
  int filter = 0;      // AreaFilter
  int radius = 0;      // world units
  int shape = 0;       // AreaShape
  int w8 = 0, w9 = 0;  // carried (AreaAction, skill kind)
  int floor = 0;       // never below 0 once queued
  float f[4] = {};     // carried (colour)
  int pair[2] = {};    // carried; the second is the detector flag
};

struct t_AreaQueue {
  AreaReq req[kAreaQueue];
  int count;  // 0..750; set to 0 at the start of every frame's update
  AreaReq* hits[kAreaHits];
  int hitCount;  // 0..50
};
extern t_AreaQueue DecalQueue;

// Appends a copy of the request while fewer than 750 are queued, its floor raised to 0 when below;
// nothing without a source figure. A request that gives no pair carries two 0 words, never those of
// a previous frame's request in its slot.
void DecalQueue_Add(const AreaReq& req);
// Appends a request to the hit list while fewer than 50 are held; nothing for null.
void DecalQueue_AddPtr(AreaReq* r);
