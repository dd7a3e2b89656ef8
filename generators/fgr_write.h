// Internals shared by the two halves of the figure header writer.
#pragma once

#include <vector>

#include "generators/fgr_tables.h"

// The eleven lists of one run, in the writer's order.
struct FgrGenLists {
  const std::vector<GenFgrKind>& kinds;
  const std::vector<GenPropsPreset>& presets;
  const std::vector<GenFgrProp>& ints;
  const std::vector<GenFgrProp>& floats;
  const std::vector<GenFgrProp>& po1s;
  const std::vector<GenFgrProp>& po2s;
  const std::vector<GenFgrProp>& subs;
  const std::vector<GenProcRec>& procs;
  const std::vector<GenKombiRec>& kombis;
  const std::vector<GenBoeRec>& boes;
  const std::vector<GenKvRec>& channels;
};

// The first hit-bar with that number, null when there is none.
const GenBoeRec* FgrGen_FindBoe(const FgrGenLists& L, int bcNom);

// Each answers 0 when its file cannot be opened (nothing is written then).
int FgrGen_WritePre(const FgrGenLists& L, const char* path);
int FgrGen_WriteIn(const FgrGenLists& L, const char* path, const char* tailPath);
int FgrGen_WriteProc(const FgrGenLists& L, const char* path);
