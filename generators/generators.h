// Entries of the three source generators. Nothing in the game calls them: a developer runs them
// through gmgen or wires an entry to a call of their own.
#pragma once

// Drivers: read the tables, write the headers under "gm/".
void FgrAGen();
void Org_ReStart();
void ResAGen();

// In-game entry: with run 0 nothing happens; else the driver runs and a "done" box follows.
void FgrAuto(int run);
