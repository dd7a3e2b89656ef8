// The stage editor's tool box: the palette of 25 land and object tools (one of them current, applied
// to the picked land cell by the field mouse) and its save button, the six click modes that decide
// what a right click on the field does to the selected figure, and the box naming the selected
// figure's kind.
#pragma once

#include "gui/gui_win.h"

constexpr int kEdPaletteTools = 25;  // tools 26..30 of the 3 x 10 grid do nothing
// The click modes: what a right click on the field does to the selected figure. Plain attacks a
// figure or moves to the ground; link makes the clicked figure the one selected figure's
// activateFgr; the march modes set its march points 1..4 on the ground.
enum ClickModeNum {
  kEdClickPlain = 1,
  kEdClickLink,
  kEdClickMarch1,
  kEdClickMarch2,
  kEdClickMarch3,
  kEdClickMarch4
};
constexpr int kEdClickModes = kEdClickMarch4;

struct EdPaletteRec {
  int EdPaletteTool;              // the current tool 1..30; set only by a left click on the palette
  int ClickMode = kEdClickPlain;  // ClickModeNum
};
extern EdPaletteRec EdPalette;

// Applies the current tool to PickCell on the floor shown; with drag set only tools 1..10 act, and
// a cell that already carries the tool's four type bytes is left alone (painting stays on a cell
// for many frames). A cell that is not valid changes nothing, EdModified included.
void EdPalette_Apply(int drag);

// Palette cell callbacks: the cell's own number is its tool.
void EdPalette_DrawTool(GuiWin* w, int tool);
void EdPalette_Draw(GuiWin* w);
void EdPaletteCur_Draw(GuiWin* w);
void EdPalette_Click(GuiWin* w);
void PageBtn_Draw(GuiWin* w);
void EtapSaveBtn_Draw(GuiWin* w);  // the stage save button of the tool box

// Click-mode cells 1..6 and the selected-figure box: nothing outside the editor.
void ClickMode_Caption(GuiWin* w);
void ClickMode_Click(GuiWin* w);
void EdSelFgr_Draw(GuiWin* w);
