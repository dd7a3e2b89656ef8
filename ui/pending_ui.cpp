// Stand-ins for the interface services not built yet: each body is empty and is deleted when its
// real one lands. Grouped by the header that declares it.
#include "ui/screens.h"

// --- ui/screens.h
GuiWin* MsgPanel;
void InfoPanel2_Show(int) {}
void LiftGuestPanel_Show(int) {}
void UnitSpellsPanel_Show(int) {}
void Gui_SetToggleFlag(int) {}
