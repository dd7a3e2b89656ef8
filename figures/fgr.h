// The figure record: the generated data part with its hand-written tail, and the small free
// functions around it (slot numbers for links, kind names, ring offsets).
#pragma once
#include <cstdint>
#include <cstdio>
#include <span>

#include "figures/records.h"

#include "gm/fgr.h"

constexpr int FgrsBaseLast = 500;

// Every link field of the figure record, in record order: pParent, the one-way links, pPrev, the
// owned links, pTail and the chain heads. A stage's rebase walks all of them, a reset and the loop
// check of a stage follow the owned links and everything after them, the chain code the heads.
// figures/fgr.cpp checks the table against the generated counts and the record's layout, so a link
// added to the generator's tables fails the build until it stands here.
inline constexpr Fgr* Fgr::*const kFgrLinks[] = {
    &Fgr::pParent,       &Fgr::P_FireTarg,   &Fgr::P_AutoTarg,    &Fgr::P_Border,
    &Fgr::P_Ataker1,     &Fgr::P_Ataker2,    &Fgr::P_Ataker3,     &Fgr::P_TrigFrom,
    &Fgr::P_Guest,       &Fgr::P_PrepZak1,   &Fgr::P_PrepZak2,    &Fgr::pPrev,
    &Fgr::P2_UseHelm,    &Fgr::P2_UseSuit,   &Fgr::P2_UseCar,     &Fgr::pTail,
    &Fgr::P2_Sub_UseGun, &Fgr::P2_Sub_UseKm, &Fgr::P2_Sub_UseDet, &Fgr::P2_Sub_UseSkil,
    &Fgr::P2_Sub_MetGd,  &Fgr::P2_Sub_MetBd, &Fgr::P2_Sub_Gruz,   &Fgr::P2_Sub_Unit,
    &Fgr::P2_Sub_Kno};
constexpr int kFgrLinkPrev = 1 + Fgr_Po1PropsKlv;              // pPrev
constexpr int kFgrLinkOwned = kFgrLinkPrev + 1;                // the first owned link
constexpr int kFgrLinkTail = kFgrLinkOwned + Fgr_Po2PropsKlv;  // pTail
constexpr int kFgrLinkHeads = kFgrLinkTail + 1;                // the first chain head
constexpr int kFgrLinkCount = kFgrLinkHeads + Fgr_SubPropsKlv;

// The links of the table from index `first` to its end.
constexpr std::span<Fgr * Fgr::*const> FgrLinksFrom(int first) {
  return std::span<Fgr * Fgr::*const>(kFgrLinks).subspan(first);
}

// What FgrEd_AdrFromName found.
const int inFgrNonType0 = 0;
const int inFgrIntType1 = 1;
const int inFgrFloType2 = 2;

// The slot number a link is saved as: nom, less 500 in a location part (none gives 0 or -500).
int Fgr_NomForLink(const Fgr* f, int forLocation);
int Fgr_Slot_Nom(Fgr* link, int forLocation);
int Fgr_AlwaysFalse();
// A point on a circle of radius r in one of 45 directions (8..360 degrees).
void RandRingOffset(float r, float* x, float* y);
int Kind_DefaultSeven(int kind, int* a, int* b, int* c, int* d, int* e, int* f, int* g);
// 1 when the figure (a squad by its first unit) belongs to the side.
int Fgr_IsOwnedBy(const Fgr* f, int side);
// The name shown for a figure: its item or unit record's name, else its kind's name.
const char* Fgr_ItemNameText(Fgr* f);

// Fgr::DrawVisible: the scene offers the figure to its views this frame: it has a queue procedure,
// exists (in the editor any kind, in play only active) and is a camera, the land holder or stands
// on the floor shown.
int Fgr_DrawVisible(const Fgr* f);
// The property preset of a bunker kind 201..205 (prHasBunker1 ... prNekBunker1), else 0.
int Bunker_PropsOfKind(int kind);
