// The play screen's panels that the frames show and hide (their widgets are Screens', ui/screens.h;
// the world asks for them by request words), and the small steps of the play and editor frames
// around them: the floor switch and the dragged item.
#pragma once

struct HudRec {
  // The first property each of the selected figure's value panels shows (integers 0..191, floats
  // 0..31); their paging headers show it too.
  int ValPage_FgrInt;
  int ValPage_FgrFlo;
};
extern HudRec Hud;

// Show (v above 0) or hide the panel; nothing before the build. Gui_SetToggleFlag is InfoPanel1's.
void InfoPanel2_Show(int v);
void LiftGuestPanel_Show(int v);
void UnitSpellsPanel_Show(int v);
void Gui_SetToggleFlag(int v);

// The floor on show toggles when the switch was requested; a figure carried for a point order is
// dropped with it.
void VisFloor_SwitchIfReq();
// The dragged item stays (1) while the slot is whole and its holder active; else it is cleared (0).
int Slot3_DropInactive();
