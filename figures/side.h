// The side table: five records of 7173 words (stocks, bunker kind, tagged value blocks, the two
// per-frame figure lists and 500 technologies): their layout, and the player's side with the side
// switch and the range of sides a player may take.
#pragma once
#include "shell/geometry.h"

constexpr int kSides = 5;
constexpr int kSideWords = 7173;
constexpr int kSideTechs = 500;
constexpr int kTechWords = 13;

// Word numbers of a side record.
constexpr int kSideSeenList = 0;  // entry i (1..299) at word i: enemy figures seen this frame
constexpr int kSideSeenCount = 300;
constexpr int kSideOwnList = 301;  // entry i (1..299) at word 301 + i: own figures of this frame
constexpr int kSideOwnCount = 601;
constexpr int kSideListMax = 299;  // entries of either list
constexpr int kSideId = 602;
constexpr int kSideEner = 603;
constexpr int kSideMat = 604;
constexpr int kSideGem1 = 605;  // gems 1..4
constexpr int kSideGem2 = 606;
constexpr int kSideGem3 = 607;
constexpr int kSideGem4 = 608;
constexpr int kSideBunkerSetA = 610;  // two further values that every bunker kind's defaults set
constexpr int kSideBunkerSetB = 612;
constexpr int kSideLevel = 614;  // 0, 25, 50, 75 or 100; cleared each frame with the four after it
constexpr int kSideLevelLast = kSideLevel + 4;
constexpr int kSideBunker = 626;  // bunker kind 201..205
constexpr int kSideTagAkd = 627;  // five tagged blocks of 9 words
constexpr int kSideTagAng = 636;
constexpr int kSideTagHas = 645;
constexpr int kSideTagNek = 654;
constexpr int kSideTagNat = 663;
// Value i (1..8) of the tagged block whose tag stands at word `tag`.
constexpr int SideBlockValue(int tag, int i) { return tag + i; }
constexpr int kSideLastValue = 672;
constexpr int kSideTech0 = 673;  // technology t at 673 + 13 * t
constexpr int kSideValueFirst = kSideId;
constexpr int kSideValueCount = kSideLastValue - kSideValueFirst + 1;  // 71 words saved with a stage

static_assert(kSideTech0 + kTechWords * kSideTechs == kSideWords, "the technologies end the record");

struct t_Sides {
  // Record k (0..4) is side k + 1. Figure lists hold slot numbers, not pointers.
  int SideTab[kSides][kSideWords];
  int PlayerSide = 2;  // the player's side 1..5; 2 at start
};
extern t_Sides Sides;

// The record of side 1..5; null for any other number, so a caller tests one pointer, not a range.
inline int* Side_Rec(int side) {
  return side >= 1 && side <= kSides ? Sides.SideTab[side - 1] : nullptr;
}

// The player's side after the side-switch key: 2 when it was 3, else 3. The developer runs take
// the side a switch would give as the computer's.
inline int Side_Switch(int side) { return side == 3 ? 2 : 3; }

// The player's sides for which each frame keeps the side lists (and the minimap marks them): 2..5,
// never side 1, which the spawners' waves fight for.
constexpr int kPlayerSideFirst = 2;
inline int Side_IsPlayable(int side) { return side >= kPlayerSideFirst && side <= kSides; }

// Four ASCII bytes as one little-endian word ("LAkd" and the other block tags).
constexpr int SideTagWord(const char (&s)[5]) {
  return (int)((unsigned)(unsigned char)s[0] | (unsigned)(unsigned char)s[1] << 8 |
               (unsigned)(unsigned char)s[2] << 16 | (unsigned)(unsigned char)s[3] << 24);
}

// Technology t (0..499) of record k (0..4) viewed as an entry; null outside the table.
TechEntry* Side_Tech(int k, int t);
