// Stand-ins for the land patch and decal registration that a loaded figure asks for, until the world
// builds them, and the record of what every subsystem's stand-ins were asked to do, which the tests
// of the stage requests read.
#pragma once

class Fgr;

void Fgr_SetSpeLosk(Fgr* f, int nom, int underGround);  // becomes Fgr::SetSpeLosk
void Fgr_SetSpeDecal(Fgr* f, int nom);                  // becomes Fgr::SetSpeDecal

struct StagesPendingCalls {
  int plitBuilds;    // PlitTextures_Build calls
  int plitLastFlag;
  int selClears;     // SelList_Clear calls
  int newWorlds;     // ProjX_CreateLandAndBunkers calls
};
extern StagesPendingCalls gStagesPending;
