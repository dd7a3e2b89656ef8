// The small world the two stage targets load their inputs over, and the promises they check: a
// refused file leaves the figures, land cells, sides and named variables byte for byte as they
// were, and one refused for what the sweeps would do, taken without the check, is harmed as the
// refusal says; an accepted one passes the per-frame link check, comes out of the sweeps until
// still whole (the game goes on, the floors and each part keep what saves them), plays a few frames
// of the game, still saves, makes a new figure and resets.
#pragma once
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/play_frame.h"
#include "figures/stage.h"
#include "figures/stage_scratch.h"
#include "fuzz_common.h"
#include "shell/clock.h"
#include "shell/frame_clock.h"
#include "shell/log.h"
#include "shell/random.h"
#include "tests/stage_fate.h"
#include "world/paths.h"
#include "world/selection.h"

namespace stage_fuzz {

// The stage name the targets load; every location file of it ("stage.etp01".."stage.etp99")
// is a link to "stage.loc", so a base part reaches the location part whichever location it names.
inline const char* const kName = "stage.etp";
inline const char* const kLocFile = "stage.loc";

inline std::vector<char> gFigures, gKle, gSides, gOrg;

inline void MakeWorld() {
  Records_ResetPools();
  Fgrs.ResetAll();
  for (int i = 0; i < 4; i++) {
    Fgr* f = Fgrs.AddFgr(i % 2 ? 20 : 112, 1);
    if (f) f->zap015 = i;
  }
  for (int i = 0; i < 3; i++) Fgrs.AddFgr(i % 2 ? 301 : 112, 0);
  Fgrs.mf[501].P_FireTarg = &Fgrs.mf[2];
  Fgrs.mf[1].P2_Sub_Gruz = &Fgrs.mf[502];
  Fgrs.mf[502].pParent = &Fgrs.mf[1];
  StageReq.EtapLocationNom = 1;
}

template <class T>
void Snap(std::vector<char>& v, const T& x) {
  v.assign(reinterpret_cast<const char*>(&x), reinterpret_cast<const char*>(&x) + sizeof x);
}
template <class T>
bool Same(const std::vector<char>& v, const T& x) {
  return v.size() == sizeof x && memcmp(v.data(), &x, sizeof x) == 0;
}
template <class T>
void Restore(const std::vector<char>& v, T& x) {
  memcpy(static_cast<void*>(&x), v.data(), sizeof x);
}

inline std::string SavePart(int base) { return stage_fate::SavedPart(base, 1); }

// Once: the links of every location name, and the small world.
inline void Begin(int* argc, char*** argv) {
  Fuzz_Begin(argc, argv);
  for (int n = 1; n <= 99; n++) {
    char link[32];
    snprintf(link, sizeof link, "%s%02d", kName, n);
    if (symlink(kLocFile, link) != 0) abort();
  }
  MakeWorld();
}

// The land, sides and named variables every input starts from, taken before the first input
// (saving, as the seeds do, sets the side records' start values).
inline void RememberLandSidesOrg() {
  Snap(gKle, Land.LandSurface.kle);
  gKle.insert(gKle.end(), reinterpret_cast<const char*>(Land.LandUnder.kle),
              reinterpret_cast<const char*>(Land.LandUnder.kle) + sizeof Land.LandUnder.kle);
  Snap(gSides, Sides.SideTab);
  Snap(gOrg, org2n);
  gOrg.insert(gOrg.end(), reinterpret_cast<const char*>(orgFn),
              reinterpret_cast<const char*>(orgFn) + sizeof orgFn);
}

inline bool LandSidesOrgAsBefore() {
  const size_t k = sizeof Land.LandSurface.kle, o = sizeof org2n;
  return memcmp(gKle.data(), Land.LandSurface.kle, k) == 0 &&
         memcmp(gKle.data() + k, Land.LandUnder.kle, k) == 0 && Same(gSides, Sides.SideTab) &&
         memcmp(gOrg.data(), org2n, o) == 0 && memcmp(gOrg.data() + o, orgFn, sizeof orgFn) == 0;
}

inline void RestoreLandSidesOrg() {
  const size_t k = sizeof Land.LandSurface.kle, o = sizeof org2n;
  memcpy(static_cast<void*>(Land.LandSurface.kle), gKle.data(), k);
  memcpy(static_cast<void*>(Land.LandUnder.kle), gKle.data() + k, k);
  Restore(gSides, Sides.SideTab);
  memcpy(org2n, gOrg.data(), o);
  memcpy(orgFn, gOrg.data() + o, sizeof orgFn);
}

// An accepted stage plays frames as the game plays it, so that every value the file brought meets
// the game's procedures; the clock and the random numbers start alike for every input.
constexpr int kPlayFrames = 10;
inline void PlayFrames() {
  Clock_SetManual(true, 5000);
  FrameClock.MsLast = TimeGetMs();
  RandSeed(1);
  GameTick = t_GameTick{0, {}, 1};
  SelList_Clear();
  PassMaps_Rebuild();
  for (int i = 0; i < kPlayFrames; i++) {
    Clock_Advance(100);
    FrameTimer_Tick();
    GameUpdate();
  }
}

// Before each input: the small world again, its figures remembered.
inline void BeforeInput() {
  if (gKle.empty()) RememberLandSidesOrg();
  MakeWorld();
  Snap(gFigures, Fgrs.mf);
}

// The parts of the last input, opened again for the oracle: the base file unless the location was
// loaded alone, and the location file.
struct Parts {
  FILE* base;
  FILE* loc;
  explicit Parts(bool whole) : base(whole ? fopen(kName, "rb") : nullptr), loc(fopen(kLocFile, "rb")) {}
  ~Parts() {
    if (base) fclose(base);
    if (loc) fclose(loc);
  }
};

// After the loader answered (whole: a base and its location, else a location alone): the promises
// of a refusal or of an acceptance; then the next input starts from the same land, sides and named
// variables.
inline void AfterInput(int accepted, bool whole) {
  if (!accepted) {
    if (!Same(gFigures, Fgrs.mf)) abort();  // a refusal changed the figures
    if (!LandSidesOrgAsBefore()) abort();   // ... or the land, sides or named variables
    const Parts p(whole);
    const char* why = nullptr;
    if (p.loc && !stage_fate::RefusalBorneOut(p.base, p.loc, &why))
      abort();  // refused for what the sweeps would do, and taken they do no such harm
    if (stage_fate::IsSweepRefusal(why)) {  // it was taken
      Fgrs.ResetAll();
      RestoreLandSidesOrg();
    }
    return;
  }
  o2::NeedExit = 0;
  for (int i = 1; i < kFgrsSlots; i++)
    if (Fgrs.mf[i].Status()) Fgrs.mf[i].KillDeadLinks();
  if (o2::NeedExit) abort();  // an accepted file left a dead chain member
  {
    const Parts p(whole);
    // The small world has no land holder: a location alone keeps no floors.
    if (!p.loc || !stage_fate::AcceptedWhole(p.base, p.loc, false))
      abort();  // ... or one the sweeps end the game with, or leave without its land or a part
  }
  PlayFrames();
  if (o2::NeedExit) abort();  // ... or one whose frames end the game
  SavePart(1);
  SavePart(0);
  Fgrs.AddFgr(112, 1);  // a figure made after the load takes the next running number
  Fgrs.ResetAll();
  RestoreLandSidesOrg();
}

}  // namespace stage_fuzz
