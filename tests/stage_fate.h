// What the frames after a load make of the stage taken, the oracle of the load's check: the
// per-frame sweep run over the live world until one resets nothing more, and what it left. A stage
// the check accepts must come out whole; one it refuses for what the sweeps do must come out harmed
// when it is taken without the check (read into the loader's scratch and committed as it stands),
// or holding what the death of a figure in play would harm.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "figures/chains.h"
#include "figures/stage.h"
#include "figures/stage_scratch.h"
#include "gm/org_base.h"

namespace stage_fate {

// A part of the live world as the game writes it, in memory: the base part (naming `location` as
// its current one) or the location part.
inline std::string SavedPart(int base, int location) {
  char* buf = nullptr;
  size_t n = 0;
  FILE* m = open_memstream(&buf, &n);
  if (base) Base_SaveTo(&Fgrs, m, location);
  else Etap_SaveTo(&Fgrs, m);
  fclose(m);
  std::string s(buf, n);
  free(buf);
  return s;
}

inline int LiveFigures(int first = 1, int last = kFgrsSlots - 1) {
  int n = 0;
  for (int i = first; i <= last; i++) n += Fgrs.mf[i].Status() != 0;
  return n;
}

// The game's sweep over the live world until one resets nothing more (each takes at most one more
// link of a holder chain) or one ends the game.
inline void SweepUntilStill() {
  for (int before = -1, now = LiveFigures(); now != before && !o2::NeedExit; now = LiveFigures()) {
    before = now;
    Fgrs.SweepDead();
  }
}

// Floors that a live figure carries in a slot that a take of these parts keeps (a location alone
// keeps the base part).
inline bool KeptFloors(bool baseRead, bool locRead) {
  for (int i = 1; i < kFgrsSlots; i++)
    if (!baseRead && !(locRead && i > FgrsBaseLast) && Fgr_HasLandBlocks(&Fgrs.mf[i])) return true;
  return false;
}

// The harm the sweeps do to a stage just taken whose parts and floors the scratch says it read,
// over a world whose kept figures carried floors or not; and what of it the death of a figure in
// play would harm.
struct Fate {
  bool ended;          // a sweep ended the game: a chain named a reset figure
  bool floorsLost;     // the floors read or kept have no land holder left: the next save loses the land
  bool partEmpty;      // a part read has no figure left: the game's save refuses the stage
  bool floorsHang;     // a land holder with floors hangs on a figure, whose death takes the land
  bool floorsOwned;    // ... or is worn or chained by one, whose reset takes it along
  bool foreignMember;  // a chain's member hangs on another figure or none: its death ends the game
  bool Whole() const {
    return !ended && !floorsLost && !partEmpty && !floorsHang && !floorsOwned && !foreignMember;
  }
};

inline Fate SweptFate(bool baseRead, bool locRead, bool landRead, bool keptFloors) {
  Fate f{};
  for (const Fgr& g : Fgrs.mf) {  // as taken, before the sweeps
    if (!Fgr_HasLandBlocks(&g)) continue;
    f.floorsHang |= g.pParent != nullptr;
    for (const Fgr& o : Fgrs.mf)
      for (Fgr* Fgr::*l : FgrLinksFrom(kFgrLinkOwned))
        f.floorsOwned |= &o != &g && o.Status() && o.*l == &g;
  }
  const int needExit = o2::NeedExit;
  o2::NeedExit = 0;
  SweepUntilStill();
  f.ended = o2::NeedExit != 0;
  o2::NeedExit = needExit;
  f.partEmpty = (baseRead && !LiveFigures(1, FgrsBaseLast)) ||
                (locRead && !LiveFigures(FgrsBaseLast + 1, kFgrsSlots - 1));
  int holders = 0;
  for (const Fgr& g : Fgrs.mf) holders += Fgr_HasLandBlocks(&g);
  f.floorsLost = (landRead || keptFloors) && holders == 0;
  for (Fgr& h : Fgrs.mf)
    for (Fgr* Fgr::*head : FgrLinksFrom(kFgrLinkHeads))
      if (h.Status())
        Fgr_Sub_ForEach(h.*head, [&](const Fgr* m) { f.foreignMember |= m->pParent != &h; });
  return f;
}

// Reads a base part (none: a location alone, over the live base) and a location part into the
// loader's scratch: the scratch, or null when a part does not read.
inline StageScratch* ReadParts(FILE* base, FILE* loc) {
  StageScratch* s = StageScratch_Begin();
  if (base && !StageRead_Base(s, base)) return nullptr;
  return StageRead_Location(s, loc) ? s : nullptr;
}

// The refusals of the check that say what the sweeps would do (the loader's reasons), and whether
// the fate of the stage taken without the check bears each out. The structural refusals before
// them (a chain naming an empty slot, a figure owning itself) are not among them: they refuse some
// stages the sweeps would leave whole (a tail link that no chain reaches, a loop of equipment).
inline bool IsSweepRefusal(const char* why) {
  for (const char* r : {"chain to a figure whose holder is gone", "floors without a land holder",
                        "no figure kept", "land holder with a holder link",
                        "land holder owned by a figure", "chain member with another holder"})
    if (why && strcmp(why, r) == 0) return true;
  return false;
}
inline bool BearsOut(const char* why, const Fate& f) {
  if (!strcmp(why, "chain to a figure whose holder is gone")) return f.ended;
  if (!strcmp(why, "floors without a land holder")) return f.floorsLost;
  if (!strcmp(why, "no figure kept")) return f.partEmpty;
  if (!strcmp(why, "land holder with a holder link")) return f.floorsHang;
  if (!strcmp(why, "land holder owned by a figure")) return f.floorsOwned;
  if (!strcmp(why, "chain member with another holder")) return f.foreignMember;
  return false;
}

// A stage just taken by the checked loader from these parts (read again for what they hold) comes
// out of its sweeps whole; keptFloors: the figures the take kept carried floors before it.
inline bool AcceptedWhole(FILE* base, FILE* loc, bool keptFloors) {
  StageScratch* s = ReadParts(base, loc);
  if (!s) return false;
  return SweptFate(s->baseRead, s->locRead, s->landRead, keptFloors).Whole();
}

// A stage refused for what its sweeps would do, read again and taken without the check: its fate
// must bear the refusal out. Answers 1 when it does (and when the refusal is of another kind).
inline bool RefusalBorneOut(FILE* base, FILE* loc, const char** why) {
  StageScratch* s = ReadParts(base, loc);
  if (!s) return true;  // refused while reading: nothing to take
  const int baseRead = s->baseRead, locRead = s->locRead, landRead = s->landRead;
  const bool keptFloors = KeptFloors(baseRead, locRead);
  StageScratch_Check(s, &Fgrs);
  *why = s->in.fail;
  if (!IsSweepRefusal(*why)) return true;
  StageScratch_Commit(s, &Fgrs);
  return BearsOut(*why, SweptFate(baseRead, locRead, landRead, keptFloors));
}

}  // namespace stage_fate
