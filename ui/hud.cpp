// The play screen's shared panel words.
#include "ui/hud.h"

#include "figures/fgr.h"
#include "figures/mode_words.h"
#include "render/field.h"
#include "shell/geometry.h"
#include "ui/screens.h"
#include "world/selection.h"

HudRec Hud;

namespace {

void Show(GuiWin* w, int v) {
  if (w) w->visible = v > 0 ? 1 : 0;
}

}  // namespace

void InfoPanel2_Show(int v) { Show(Screens.InfoPanel2, v); }
void LiftGuestPanel_Show(int v) { Show(Screens.LiftGuestPanel, v); }
void UnitSpellsPanel_Show(int v) { Show(Screens.UnitSpellsPanel, v); }
void Gui_SetToggleFlag(int v) { Show(Screens.InfoPanel1, v); }

void VisFloor_SwitchIfReq() {
  if (!FieldMouse.FloorSwitchReq) return;
  FieldMouse.FloorSwitchReq = 0;
  WorldMouse.PointOrderFgr = nullptr;
  WorldMouse.PointOrderSig = 0;
  visUnderGround = visUnderGround == 0 ? 1 : 0;
}

int Slot3_DropInactive() {
  if (Slot3_IsSet() && Fgr::Active(Geo.DragSlot.fgr)) return 1;
  Slot3_Clear();
  return 0;
}
