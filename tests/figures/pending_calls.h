// What the stand-ins of the services not built yet were asked to do during a stage test. The
// library's stand-in of the tile build is weak; the definition in pending_calls.cpp counts instead.
#pragma once

struct StagesPendingCalls {
  int plitBuilds;  // PlitTextures_Build calls
  int plitLastFlag;
};
extern StagesPendingCalls gStagesPending;
