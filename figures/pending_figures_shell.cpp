// Stand-in for the named variables the shell uses, until the generated tables land.
#include "figures/pending_figures_shell.h"

// NeedExit is stood in by the generated code's own pending file.
namespace o2 {
static int cells[5] = {0, 1, 0, 10, 0};
int& NeedScreen = cells[0];
int& EngText = cells[1];
int& anFocusFlag = cells[2];
int& anSleepEachFrame = cells[3];
int& GamePause = cells[4];
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
