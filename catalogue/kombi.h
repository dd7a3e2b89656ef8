// Combination presets (kombis): a figure built together with the figures under it.
#pragma once

class Fgr;

// A kombi by its negative number, for side forBaner (when above 0); toBase makes base figures and
// leaves the main one inactive. 0 or more gives none.
Fgr* Fgr_Create(int n, int forBaner, int toBase);
