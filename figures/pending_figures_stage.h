// Stand-ins for the stage-file parts of a figure chunk that follow its links (run-time tail and
// the extra record), until the stage files are built.
#pragma once
#include <cstdio>

class Fgr;

void priv_FgrExtra_SaveTo(Fgr* pF, FILE* ff, int forLocation);
void priv_FgrExtra_LoadFrom(Fgr* pF, FILE* ff, int forLocation);
