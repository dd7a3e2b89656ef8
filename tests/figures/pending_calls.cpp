// Counting definitions of the stand-ins the stage requests call (they replace the weak ones).
#include "pending_calls.h"

#include "world/land_tiles.h"

StagesPendingCalls gStagesPending;

void PlitTextures_Build(int flag) {
  gStagesPending.plitBuilds++;
  gStagesPending.plitLastFlag = flag;
}
