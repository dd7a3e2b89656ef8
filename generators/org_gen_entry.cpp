// Entry of the named-variable generator for a developer's button or call: the run, then the
// closing box. Kept apart so that a tool linking only the driver needs no window layer.
#include "generators/org_gen.h"
#include "platform/platform.h"

void OrgAuto(int run) {
  if (!run) return;
  Org_ReStart();
  Plat_MessageBox("done", "Org2", MB_OK);
}
