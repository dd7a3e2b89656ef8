// Figure upkeep: captain skills, marks with a lifetime, and the boost triggers a static boost
// building places for a captain.
#pragma once

class Fgr;

// Skill adds: put the skill into the holder's skill chain and give it its three levels (base
// clamped to 1..4, the others to 0..4, written back). A refused add consumes the skill.
int Fgr_Skil_Add(Fgr* holder, Fgr* skil, int& base, int& ext2, int& ext3);
int Fgr_Skil_Add2(Fgr* holder, Fgr* skil, int& base, int& ext2, int& ext3);
int Fgr_Skil_Add3(Fgr* holder, Fgr* skil, int& base, int& ext2, int& ext3);
int Fgr_Skil_Add4(Fgr* holder, Fgr* skil, int& base, int& ext2, int& ext3);
int Fgr_Skil_Add5(Fgr* holder, Fgr* skil, int& base, int& ext2, int& ext3);
int Fgr_Skil_Add6(Fgr* holder, Fgr* skil, int& base, int& ext2, int& ext3);
int Fgr_Skil_Add7(Fgr* holder, Fgr* skil, int& base, int& ext2, int& ext3);
int Fgr_Skil_Add8(Fgr* holder, Fgr* skil, int& base, int& ext2, int& ext3);
int Fgr_Skil_Add9(Fgr* holder, Fgr* skil, int& base, int& ext2, int& ext3);
int Fgr_Skil_Add10(Fgr* holder, Fgr* skil, int& base, int& ext2, int& ext3);
int Fgr_Skil_Add11(Fgr* holder, Fgr* skil, int& base, int& ext2, int& ext3);
int Fgr_Skil_Add12(Fgr* holder, Fgr* skil, int& base, int& ext2, int& ext3);
void Fgr_Skil_Remove(Fgr* holder, Fgr* skil);

int Fgr_StaticBoost_Attach(Fgr* boost, Fgr* captain);
int Fgr_StaticBoost_Link(Fgr* boost, Fgr* captain);
int Fgr_StaticBoost_LinkOnce(Fgr* boost, Fgr* captain, int attach);
