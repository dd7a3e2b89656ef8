// The program mode switch.
#include "ui/program_mode.h"

#include "gm/org_base.h"
#include "gui/value_input.h"
#include "platform/platform.h"
#include "shell/konfig.h"
#include "ui/screens.h"

namespace {

// The platform counts show and hide calls like the desktop's display counter, on which alternating
// switches would leave the cursor shown in play. The mode wants it plainly shown or hidden: the
// count is brought to 0 (shown) or -1 (hidden).
void SystemCursor(int show) {
  int c = Plat_ShowCursor(show);
  const int want = show ? 0 : -1;
  while (c > want) c = Plat_ShowCursor(0);
  while (c < want) c = Plat_ShowCursor(1);
}

}  // namespace

int SetProgramMode(int mode) {
  if (mode < kModeStart || mode > kModeEditor) return 1;
  // An edit left running would take the next mode's typing, unseen, and write it into its target.
  if (mode != ModeWords.ProgMode) InpEditReq_CancelAll(&ValueInput.InpEditReq);
  GuiWin* panels[3] = {Screens.GuiPanelMode1, Screens.GuiPanelMode2, Screens.GuiPanelMode3};
  for (GuiWin* p : panels)
    if (p) p->visible = 0;
  if (panels[mode - kModeStart]) panels[mode - kModeStart]->visible = 1;
  if (mode == kModeStart) o2::anSleepEachFrame = Konfig.FrameSleepMode1;
  else o2::anSleepEachFrame = mode == kModePlay ? 4 : 6;
  SystemCursor(mode != kModePlay);
  EditModeOn = mode == kModeEditor ? 1 : 0;
  if (mode == kModeEditor) ModeWords.EdModified = 0;
  ModeWords.ProgMode = mode;
  return 0;
}
