// What the stand-ins of the services not built yet were asked to do during a stage test. The
// library's stand-ins of these two are weak; the definitions in pending_calls.cpp count instead.
#pragma once

struct StagesPendingCalls {
  int plitBuilds;  // PlitTextures_Build calls
  int plitLastFlag;
  int selClears;   // SelList_Clear calls
};
extern StagesPendingCalls gStagesPending;
