// The play screen's shared panel words.
#include "ui/hud.h"

GuiWin* UnitDebugBox = nullptr;
GuiWin* CaptainCells = nullptr;
GuiWin* InfoPanel1 = nullptr;
GuiWin* InfoPanel2 = nullptr;
GuiWin* LiftGuestPanel = nullptr;
GuiWin* UnitSpellsPanel = nullptr;
GuiWin* HudUnitPanel = nullptr;
GuiWin* SideResBar = nullptr;
GuiWin* CaptainIconStrip = nullptr;
GuiWin* MsgPanel = nullptr;
GuiWin* CodeWinBox = nullptr;
GuiWin* CodeWinText = nullptr;

namespace {

void Show(GuiWin* w, int v) {
  if (w) w->visible = v > 0 ? 1 : 0;
}

}  // namespace

void InfoPanel2_Show(int v) { Show(InfoPanel2, v); }
void LiftGuestPanel_Show(int v) { Show(LiftGuestPanel, v); }
void UnitSpellsPanel_Show(int v) { Show(UnitSpellsPanel, v); }
