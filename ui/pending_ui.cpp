// Stand-ins for the interface services not built yet: each body is empty and is deleted when its
// real one lands. Grouped by the header that declares it.
#include "ui/buttons.h"
#include "ui/editor_frame.h"
#include "ui/hud.h"
#include "ui/screens.h"

// --- ui/editor_frame.h
void Field_DrawMarkers() {}
void FieldRect_ScrollInput() {}
void EditorFrame_Update() {}

// --- ui/buttons.h
GuiWin* GuiDrawingWin = nullptr;

// --- ui/screens.h and ui/hud.h
GuiWin* MsgPanel;
GuiWin* InfoPanel1 = nullptr;
int ValPage_FgrInt = 0;
int ValPage_FgrFlo = 0;
void InfoPanel2_Show(int) {}
void LiftGuestPanel_Show(int) {}
void UnitSpellsPanel_Show(int) {}
void VisFloor_SwitchIfReq() {}
int Slot3_DropInactive() { return 0; }
