// Combination presets (kombis): a figure built together with the figures under it (a unit with its
// gun and buttons, a captain with gun, skills, buttons and spell book, a squad with its members, a
// builder with its build buttons). A kombi answers its main figure or none; one that fails part way
// (a full container) answers none and leaves what it made before the failing step. Members a squad
// has no room for are built and let go.
#pragma once

class Fgr;

// A kombi by its negative number, for side forBaner (when above 0); toBase makes base figures and
// leaves the main one inactive. 0 or more gives Fgr_CreateNone (none).
Fgr* Fgr_Create(int n, int forBaner, int toBase);
Fgr* Fgr_CreateNone();
// A builder for the player's side, placed on the cell of the floor on show and ordered to it.
void Fgr_CreateForPlayer(int cell);
// A builder for the bunker's side on the bunker's first held cell (dXKlv) of its floor.
void Fgr_CreateForOwner(Fgr* bunker);

// The steps of the kombi bodies. Kombi_NewUnit and Kombi_NewSquad answer the figure or null (a
// figure that is no unit, or no squad holder, is freed). Kombi_AttachPart adds a gun of the kind in
// the parent's slot range; on failure it frees the part and the parent. Kombi_FillSquad builds count
// members by kombi number (a member that cannot be built is skipped, one without room is freed);
// when the squad got no member it is freed and 0 answered.
Fgr* Kombi_NewUnit(int kind, int preset, int toBase, int forBaner);
Fgr* Kombi_NewSquad(int kind, int preset, int toBase);
int Kombi_AttachPart(int kind, int preset, Fgr* parent);
int Kombi_FillSquad(int kombi, Fgr* squad, int forBaner, int count);
int Captain_AddKno3(Fgr* captain);              // 1 when all three captain buttons were made
int Unit_AddBookZak(Fgr* unit, int magikVers);  // a spell book in P_PrepZak1, else P_PrepZak2

// Gives captain skill skil (1..12) with levels a (base), b and c; a level above 99 is relative: it
// adds value - 100 to the existing skill's level. Answers the skill adder's result, or 0.
int Unit_SetChars(Fgr* unit, int skil, int a, int b, int c);

// A location unit on a cell with one or two guns; null (nothing left) unless every step worked.
Fgr* Unit_CreateAtCell(int kind, int preset, int owner, int cell, int orderCell, int floor, int partKind,
                       int partPreset, int part2Kind, int part2Preset);
// The same on the cell at a random point of the ring of that radius around (x, z).
Fgr* Unit_CreateNear(int kind, int preset, int owner, float x, float z, float radius, int floor,
                     int partKind, int partPreset);
