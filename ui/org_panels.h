// The value panels of the named variables: the 250 integers and 150 floats 25 rows at a time, each
// row a name bar whose look tells the variable's flags, - and + buttons that step an editable value
// within its range, and a value cell that starts a typed edit through the value-input line. The
// "spe" button cycles the special panels of play and of the editor. The row pieces (the name bar,
// the value cell, the steps) serve the figure-property panels too.
#pragma once

#include <string>

#include "gui/gui_win.h"
#include "gui/value_input.h"

struct OrgPanelsRec {
  int ValPage_Org2;  // 0..225: row r shows integer ValPage_Org2 + r
  int ValPage_OrgF;  // 0..125
  int SpePanelMode;  // 0 none, 1 the named variables, 2 the figure properties
  // Texts formatted for one use: hint titles, and captions and row texts.
  char HintTitleBuf[256];
  char CaptionBuf[256];
  char HintTitleClrBuf[128];
};
extern OrgPanelsRec OrgPanels;

void ValPanel_Org2HdrClick(GuiWin* w);
void ValPanel_OrgFHdrClick(GuiWin* w);
void ValPanel_RowClick(GuiWin* w);  // a name bar only takes the click
void Org2_InfoLine(GuiWin* w);
void ValPanel_OrgFInfo(GuiWin* w);
void ValPanel_Org2(GuiWin* w);
void ValPanel_OrgF(GuiWin* w);
void ValPanel_Org2ValClick(GuiWin* w);
void ValPanel_OrgFValClick(GuiWin* w);
// The - and + buttons: a draw half and an event half (Click) each.
void ValPanel_Org2Sub(GuiWin* w);
void ValPanel_Org2Add(GuiWin* w);
void ValPanel_OrgFSub(GuiWin* w);
void ValPanel_OrgFAdd(GuiWin* w);
void ValPanel_Org2SubClick(GuiWin* w);
void ValPanel_Org2AddClick(GuiWin* w);
void ValPanel_OrgFSubClick(GuiWin* w);
void ValPanel_OrgFAddClick(GuiWin* w);
void PanelCycle_Draw(GuiWin* w);
void PanelCycle_Click(GuiWin* w);
void LangSwitch_Draw(GuiWin* w);
void LangSwitch_Click(GuiWin* w);

// A row's name bar: the background by visp (textures 70..72) or a light veil under coloured names,
// the blue double frame when the frame flag is set, the text with its shadow.
void ValPanel_Bar(GuiWin* w, const char* text, const char* clr, int* frameFlag, int* visp);
// The value hint of variable n in the hint box, with its second line.
void ValPanel_Org2Text(int n, const char* line2);
void ValPanel_OrgFText(int n, const char* line2);

// Pieces of a value row that the figure-property panels share. A value cell looks one of four
// ways; the caller sets the hint of the first two and draws the text of the value (not while it
// is typed).
enum ValCellLook { kValCellEditing, kValCellFree, kValCellGreyed, kValCellReadOnly };
// Background and marks of a cell whose value is at p while the line's request of its kind targets
// `target`: brown when read-only; else blue-grey with the input field (p being typed), an outline
// (nothing of its kind requested) or nothing (another value of its kind requested).
ValCellLook ValPanel_Cell(GuiWin* w, int readOnly, const void* p, const void* target);
void ValPanel_CellText(GuiWin* w, ValCellLook look, const std::string& text);
// Hint lines of the cell's two looks that show one.
inline constexpr const char* kValHintCancel = "// Правый Klik == отмена";
inline constexpr const char* kValHintStart = "// Любой клик == старт ввода";
// A value cell's click: a right click on the value being typed cancels its edit; any other click
// asks the line to edit the value within the range (has 0: without one). A range the line would
// not enforce is refused, so a typed value never leaves the range.
template <typename T>
void ValPanel_CellClick(GuiWin* w, const InpValueKind<T>& k, T* p, int has, T a, T b);
// One step of a value, then held to the range when it has one.
template <typename T>
void ValPanel_Step(T* p, T step, int has, T a, T b);
// The value hint of cell n holding value (its range when has is set) in the hint box, with its
// second line.
template <typename T>
void ValPanel_ValueHint(const InpValueKind<T>& k, int n, T value, int has, T a, T b, const char* line2);
// The hint of a - (sign < 0) or + button of cell n of the cells named `cells`.
template <typename T>
std::string ValPanel_StepHint(const InpValueKind<T>& k, int sign, T step, const char* cells, int n);
// A paging header's click: a right click turns 25 rows on, any other 25 back, held to 0..last.
void ValPanel_Page(GuiWin* w, int* page, int last);
// A - or + button's frame, and its hint while hovered and its value (at p) is not being typed.
void ValPanel_StepFrame(GuiWin* w, const void* p, const void* target, const std::string& hint);
// Copies at most 127 characters of text into a buffer of at least 128 bytes, terminated.
void ValPanel_Cut127(char* dst, const std::string& text);
