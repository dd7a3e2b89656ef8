// The scratch stage a stage file is read into before the live world takes it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/records.h"
#include "figures/side.h"
#include "gm/org_base.h"
#include "shell/binfile.h"

// A saved cell: height, occupant and holder numbers (as for a location), word 0's bytes.
struct StageLandCell {
  float h;
  int occ;
  int hold;
  uint8_t w0[4];
};

struct StageScratch {
  Fgr fig[kFgrsSlots];
  uint8_t have[kFgrsSlots];      // the slot was read from the file
  uint8_t recKind[kFgrsSlots];   // 1 unit record, 2 item record, 0 none
  uint8_t landFlag[kFgrsSlots];  // the figure carried both floors
  t_UNIT un[kFgrsSlots];
  t_item item[kFgrsSlots];
  StageLandCell land[2][kLandCells];
  int side[kSides][kSideWords];
  int org2[sizeof org2n / sizeof org2n[0]];
  float orgF[sizeof orgFn / sizeof orgFn[0]];
  int landRead, sidesRead, orgRead, baseRead, locRead;
  int stored[2];         // the figure count the base part (0) and the location part (1) gave
  int loc;               // location number of a base part, 0 none
  int idHigh;            // the highest running number of a figure read, a dropped one too
  int cur;               // slot being read (0: read and dropped)
  BinIn in;              // the part's stream; in.fail says why it is refused (null while it reads well)
  const char* failPart;  // the part a refusal of the check lies in, when it lies in one
  // The world the take would leave, made by the check on a copy of the live container and swept
  // there as the game's frames would sweep it; its links point into itself, its figures at the
  // shared empty records.
  t_Fgrs after;
};

// A floor as a land block, gathered and written whole.
struct StageLandBlock {
  char head[8];
  int cols, rows;
  StageLandCell cell[kLandCells];
  char tail[8];
};
static_assert(sizeof(StageLandCell) == 16 && sizeof(StageLandBlock) == 16 + kLandCells * 16 + 8,
              "a block as stored");
// A side record as stored: its values, then its technologies of three tagged groups (76 bytes
// each); the part's chunk has an 8-byte tag before it.
constexpr size_t kStageSideBytes = kSideValueCount * 4 + kSideTechs * 76;

// The stdio buffer a stage file is written or read through while it is open (one file at a time).
// It stays in the core's cache: the small values gather in it, whole land floors pass it by in one
// transfer, and the disk sees a few large writes and reads. (A buffer the size of a whole part
// measured slower: every byte then went through memory twice.)
constexpr size_t kStageFileBuf = 256u << 10;

// The stage files' state: the part being read, the file buffer, and the work areas of the writers,
// readers and checks, too large for the stack (one stage file is open at a time).
struct t_StageIo {
  StageScratch* gStageRead;  // the scratch stage the chunk readers fill while a part is read; else null
  char gStageFileBuf[kStageFileBuf];
  int GameEasyLevel;                           // nothing sets it: figures of an easier game stay active
  StageLandBlock landBlock;                    // a floor being saved (1 MiB)
  unsigned char sideOut[8 + kStageSideBytes];  // a side record being saved, with its tag
  unsigned char sideIn[kStageSideBytes];       // a side record being read
  uint8_t chainColor[kFgrsSlots];              // the link-loop check: 0 unseen, 1 on the path, 2 done
  int chainStack[kFgrsSlots], chainEdge[kFgrsSlots];
};
extern t_StageIo StageIo;

StageScratch* StageScratch_Begin();
// Reads a base part and a location part and takes both, or neither: the location number, or 0.
int Stage_LoadPair(FILE* base, FILE* loc);
int StageRead_Base(StageScratch* s, FILE* f);      // the stored location, or 0 (s->in.fail says why)
int StageRead_Location(StageScratch* s, FILE* f);  // 1 when read whole
// 1 when the world the take would leave (the scratch with the live figures it keeps) can be
// played and saved again. The check takes the figures into a copy of the live container (s->after)
// as the take would, and refuses when a chain names an empty slot, a figure owns itself through its
// equipment, chain heads and chain tails (its reset would never end), or a land holder that keeps
// floors has a holder link or is worn or chained by a figure (the floors would go with that
// figure); then it runs the game's own sweep on the copy until a sweep resets nothing more, and
// refuses when a sweep ends the game (a chain names a reset figure), when a chain's member names
// another holder than the chain's (the game would end when that one goes), when a part read is
// left without a figure, or when floors read or kept are left without a land holder. Nothing live
// is touched, the log hears nothing of the copy.
int StageScratch_Check(StageScratch* s, t_Fgrs* c);
// Takes the parts read into the live world (slots reset first, extra records handed out, the
// running figure number raised to the highest read).
void StageScratch_Commit(StageScratch* s, t_Fgrs* c);
// The figure half of the take, on the container it is given: the slots the parts replace reset,
// the figures read copied in with their links into c, each still without its extra record, patch
// registration or floors (those reach beyond the container: StageScratch_TakeExtras).
void StageScratch_TakeFigures(StageScratch* s, t_Fgrs* c);
// Gives the figure in live slot `slot` what its chunk carried beside the blocks.
void StageScratch_TakeExtras(StageScratch* s, int slot, Fgr* f);
// A figure of an easier game than the one played starts inactive.
void Stage_TakeEasyLevel(Fgr* f);
// Writes the floors read into LandSurface and LandUnder.
void StageScratch_TakeLand(StageScratch* s, t_Fgrs* c);
// The figure of container c that a link read from a file names (links are read into Fgrs).
Fgr* Stage_Rebase(Fgr* p, t_Fgrs* c);
int Fgr_HasLandBlocks(const Fgr* f);
