// Stand-in for the named variables the shell uses, until the generated tables land.
#include "figures/pending_figures_shell.h"

namespace o2 {
int NeedExit = 0;
int NeedScreen = 0;
int EngText = 1;
int anFocusFlag = 0;
int anSleepEachFrame = 10;
int GamePause = 0;
}  // namespace o2

void Org_LoadAtStart() {
  o2::NeedExit = 0;
  o2::NeedScreen = 0;
  o2::EngText = 1;
  o2::anFocusFlag = 0;
  o2::anSleepEachFrame = 10;
  o2::GamePause = 0;
}

int Sizeof_t_item() { return 518; }
int Sizeof_t_UNIT() { return 1442; }
int Sizeof_Fgr() { return 0; }
