// The widget tree of the three screens, built once at start-up.
#include "ui/screens.h"

#include <cstring>
#include <string>

#include "figures/stage.h"
#include "gui/gui.h"
#include "gui/gui_list.h"
#include "gui/text_box.h"
#include "shell/file_names.h"
#include "shell/window_state.h"
#include "ui/ed_palette.h"
#include "ui/fgr_panels.h"
#include "ui/hud.h"
#include "ui/info_texts.h"
#include "ui/org_panels.h"
#include "ui/play_buttons.h"
#include "ui/program_mode.h"
#include "ui/screen_buttons.h"
#include "ui/stage_buttons.h"
#include "world/figure_ops.h"
#include "world/ranks.h"

ScreensRec Screens;

namespace {

constexpr int kWindow = 0;  // sizes and offsets are fractions of the whole window
constexpr int kParent = 1;  // ... of the parent

void NoEvent(GuiWin*) {}

// The play and editor buttons of the start screen: their request callbacks answer a result the
// widget's event has no use for.
void PlayTest_Event(GuiWin* w) { Etap_RequestLoadDefault(w); }
void Editor_Event(GuiWin* w) { Etap_NewGameBtn(w); }

GuiWin* Shown(GuiWin* w) {
  if (w) w->visible = 1;
  return w;
}

GuiWin* Add(GuiWin* parent, GuiCallback draw, GuiCallback event, float fx, float fy, float fw, float fh,
            int anchor, int size) {
  return Shown(Gui_New(parent, draw, event, fx, fy, fw, fh, anchor, size));
}

// The window buttons (hide, close) in the right half of a top strip.
void WindowButtons(GuiWin* strip) {
  GuiWin* holder = Add(strip, TopStrip_Draw, nullptr, 0, 0, 0.5f, 1, kAnchorTopRight, kParent);
  Add(holder, HideBtn_Draw, HideBtn_Click, 0, 0, 0.4f, 0.9f, kAnchorBottomLeft, kParent);
  Add(holder, CloseBtn_Draw, CloseBtn_Click, 0, 0, 0.4f, 0.9f, kAnchorBottomRight, kParent);
}

// A text window: its box loaded from the file, the home, scroll and end buttons, the two lines.
GuiWin* TextWindow(GuiWin* holder, int number, float boxH, float lineAy, float lineBy, float lineH,
                   const std::string& file, GuiListHolder** list, char* name, GuiWin** lineA,
                   GuiWin** lineB) {
  GuiWin* box = Add(holder, TextBox_Draw, TextBox_OnClick, 0, 0, 1, boxH, kAnchorBottomLeft, kParent);
  box->listHolder = GuiList_LoadTxt(file, 1);
  *list = box->listHolder;
  std::memset(name, 0, 256);
  std::strncpy(name, file.c_str(), 255);
  box->textBoxFlag = 1;
  Gui_SetStateTree(box, number, 1);  // before its buttons: they keep number 0
  Add(box, TextWinHome_Draw, TextWinHome_Click, 0, 0.95f, 0.03f, 0.05f, kAnchorBottomRight, kParent);
  Add(box, TextWinScroll_Draw, TextWinScroll_Click, 0, 0.05f, 0.02f, 0.9f, kAnchorBottomRight, kParent)
      ->repeat = 1;
  Add(box, TextWinEnd_Draw, TextWinEnd_Click, 0, 0, 0.03f, 0.05f, kAnchorBottomRight, kParent);
  *lineA =
      Add(holder, TextWinSpecLine_Draw, NoEvent, 0, lineAy, 0.9f, lineH, kAnchorBottomLeft, kParent);
  Gui_SetStateTree(*lineA, number, 1);
  *lineB =
      Add(holder, TextWinFileLine_Draw, NoEvent, 0, lineBy, 0.9f, lineH, kAnchorBottomLeft, kParent);
  Gui_SetStateTree(*lineB, number, 1);
  return box;
}

void BuildStartScreen(GuiWin* panel) {
  GuiWin* column =
      Add(panel, Gl2D_FrameRect, nullptr, 0, 0.6f, 0.12f, 0.35f, kAnchorBottomRight, kWindow);
  Add(column, TextOpenBtn_Draw, TextWin_OpenFile, 0, 0.9f, 1, 0.1f, kAnchorBottomLeft, kParent);
  Add(column, TextSaveBtn_Draw, TextWin_SaveFile, 0, 0.8f, 1, 0.1f, kAnchorBottomLeft, kParent);
  Add(column, TextCopyBtn_Draw, TextEd_CopyButton, 0, 0.7f, 1, 0.1f, kAnchorBottomLeft, kParent);
  Add(column, TextPasteBtn_Draw, TextBox_PasteButton, 0, 0.6f, 1, 0.1f, kAnchorBottomLeft, kParent);
  // The first two of the empty frames lead to play and to the editor.
  Add(column, PlayTestBtn_Draw, PlayTest_Event, 0, 0.5f, 1, 0.1f, kAnchorBottomLeft, kParent);
  Add(column, EditorBtn_Draw, Editor_Event, 0, 0.4f, 1, 0.1f, kAnchorBottomLeft, kParent);
  const float frames[3] = {0.3f, 0.2f, 0.1f};
  for (float fy : frames)
    Add(column, Gl2D_FrameRect, nullptr, 0, fy, 1, 0.1f, kAnchorBottomLeft, kParent);
  Add(column, AuthorsBtn_Draw, NoEvent, 0, 0, 1, 0.1f, kAnchorBottomLeft, kParent);

  GuiWin* holder1 = Add(panel, nullptr, nullptr, 0.02f, 0.02f, 0.95f, 0.56f, kAnchorBottomLeft, kWindow);
  Screens.TextBox1 =
      TextWindow(holder1, 1, 0.9f, 0.9f, 0.95f, 0.05f, FileNames.gsFileAbout, &TextBoxes.TextBox1List,
                 TextBoxes.TextBox1Name, &Screens.TextWinLine1A, &Screens.TextWinLine1B);
  GuiWin* holder2 = Add(panel, nullptr, nullptr, 0.02f, 0.59f, 0.83f, 0.41f, kAnchorBottomLeft, kWindow);
  Screens.TextBox2 = TextWindow(holder2, 2, 0.875f, 0.875f, 0.9375f, 0.0625f, FileNames.gsFileScr,
                                &TextBoxes.TextBox2List, TextBoxes.TextBox2Name, &Screens.TextWinLine2A,
                                &Screens.TextWinLine2B);
  TextBoxes.TextBoxFocused = Screens.TextBox1;

  Screens.GuiTopStrip1 = Add(panel, nullptr, nullptr, 0, 0, 0.16f, 0.04f, kAnchorTopRight, kWindow);
  WindowButtons(Screens.GuiTopStrip1);
}

// A grid of cols x rows cells from a template made with Add: the template numbered 1 with its
// subtree, the cells numbered 1 upwards row by row from the top-left.
GuiWin* Grid(GuiWin* cell, int cols, int rows) {
  Gui_SetStateTree(cell, 1, 1);
  Gui_CloneGrid(cell, cols, rows, 1, 0);
  return cell;
}

GuiWin* Hidden(GuiWin* w) {
  if (w) w->visible = 0;
  return w;
}

// The top strips of play and the editor: the way back to the start screen (play's Esc; an empty
// frame in its place in the editor), the special-panel cycle and the window buttons.
void BuildTopStrip(GuiWin* panel, GuiWin** strip, int mode) {
  *strip = Add(panel, Gl2D_FrameRect, nullptr, 0, 0, 0.16f, 0.04f, kAnchorTopRight, kWindow);
  if (mode == kModePlay) Add(*strip, EscBtn_Draw, EscBtn_Click, 0, 0, 0.2f, 1, kAnchorTopLeft, kParent);
  else Add(*strip, Gl2D_FrameRect, nullptr, 0, 0, 0.2f, 1, kAnchorTopLeft, kParent);
  Add(*strip, PanelCycle_Draw, PanelCycle_Click, 0.22f, 0, 0.2f, 1, kAnchorTopLeft, kParent);
  WindowButtons(*strip);
}

// One value row (name bar, -, +, value cell) as a numbered template, cloned into 25 rows.
void ValueRows(GuiWin* list, GuiCallback name, GuiCallback sub, GuiCallback subClick, GuiCallback add,
               GuiCallback addClick, GuiCallback value, GuiCallback valueClick) {
  GuiWin* row = Add(list, Gl2D_FrameRect, nullptr, 0, 0, 1, 0.04f, kAnchorTopLeft, kParent);
  Gui_SetStateTree(row, 1, 1);
  Add(row, name, ValPanel_RowClick, 0, 0, 0.74f, 1, kAnchorBottomLeft, kParent);
  Add(row, sub, subClick, 0.6f, 0.15f, 0.07f, 0.7f, kAnchorBottomLeft, kParent);
  Add(row, add, addClick, 0.68f, 0.15f, 0.07f, 0.7f, kAnchorBottomLeft, kParent);
  Add(row, value, valueClick, 0.75f, 0.05f, 0.25f, 0.95f, kAnchorBottomLeft, kParent);
  Gui_CloneGrid(row, 1, 25, 1, 0);
}

// The named-variable panel of a screen: the float table on the left, the integer table on the right.
GuiWin* OrgPanel(GuiWin* screen) {
  GuiWin* frame =
      Add(screen, Gl2D_FrameRect, nullptr, 0.37f, 0.1f, 0.46f, 0.9f, kAnchorBottomLeft, kParent);
  Add(frame, KnoCb_LmbRmb, ValPanel_OrgFHdrClick, 0, 0, 0.45f, 0.05f, kAnchorTopLeft, kParent);
  ValueRows(Add(frame, nullptr, nullptr, 0, -0.05f, 0.47f, 0.94f, kAnchorTopLeft, kParent),
            ValPanel_OrgFInfo, ValPanel_OrgFSub, ValPanel_OrgFSubClick, ValPanel_OrgFAdd,
            ValPanel_OrgFAddClick, ValPanel_OrgF, ValPanel_OrgFValClick);
  Add(frame, KnoCb_LmbRmb, ValPanel_Org2HdrClick, 0.5f, 0, 0.45f, 0.05f, kAnchorTopLeft, kParent);
  ValueRows(Add(frame, nullptr, nullptr, 0.5f, -0.05f, 0.47f, 0.94f, kAnchorTopLeft, kParent),
            Org2_InfoLine, ValPanel_Org2Sub, ValPanel_Org2SubClick, ValPanel_Org2Add,
            ValPanel_Org2AddClick, ValPanel_Org2, ValPanel_Org2ValClick);
  return Hidden(frame);
}

// The editor's figure-property panel: editable rows with paging headers that show the page.
GuiWin* FgrPanelEdit(GuiWin* screen) {
  GuiWin* frame =
      Add(screen, Gl2D_FrameRect, nullptr, 0.3f, 0.1f, 0.53f, 0.9f, kAnchorBottomLeft, kParent);
  Add(frame, KnoCb_Adjust1, ValPanel_FgrFloHdrClick, 0.33f, 0, 0.3f, 0.05f, kAnchorTopLeft, kParent);
  ValueRows(Add(frame, nullptr, nullptr, 0.33f, -0.05f, 0.3f, 0.94f, kAnchorTopLeft, kParent),
            ValPanel_FgrFloName, ValPanel_FgrFloSub, ValPanel_FgrFloSubClick, ValPanel_FgrFloAdd,
            ValPanel_FgrFloAddClick, ValPanel_FgrFlo, ValPanel_FgrFloValClick);
  Add(frame, KnoCb_Adjust2, ValPanel_FgrIntHdrClick, 0.66f, 0, 0.3f, 0.05f, kAnchorTopLeft, kParent);
  ValueRows(Add(frame, nullptr, nullptr, 0.66f, -0.05f, 0.3f, 0.94f, kAnchorTopLeft, kParent),
            ValPanel_FgrIntName, ValPanel_FgrIntSub, ValPanel_FgrIntSubClick, ValPanel_FgrIntAdd,
            ValPanel_FgrIntAddClick, ValPanel_FgrInt, ValPanel_FgrIntValClick);
  return Hidden(frame);
}

// Play's figure-property panel: read-only rows without events, so a click on them goes on to the field.
GuiWin* FgrPanelPlay(GuiWin* screen) {
  GuiWin* frame =
      Add(screen, Gl2D_FrameRect, nullptr, 0.3f, 0.1f, 0.53f, 0.9f, kAnchorBottomLeft, kParent);
  Add(frame, KnoCb_LmbRmb, ValPanel_FgrFloHdrClick, 0.33f, 0, 0.3f, 0.05f, kAnchorTopLeft, kParent);
  GuiWin* floList = Add(frame, nullptr, nullptr, 0.33f, -0.05f, 0.3f, 0.94f, kAnchorTopLeft, kParent);
  Grid(Add(floList, ValPanel_FgrFloRow, nullptr, 0, 0, 1, 0.04f, kAnchorTopLeft, kParent), 1, 25);
  Add(frame, KnoCb_LmbRmb, ValPanel_FgrIntHdrClick, 0.66f, 0, 0.3f, 0.05f, kAnchorTopLeft, kParent);
  GuiWin* intList = Add(frame, nullptr, nullptr, 0.66f, -0.05f, 0.3f, 0.94f, kAnchorTopLeft, kParent);
  Grid(Add(intList, ValPanel_FgrIntRow, nullptr, 0, 0, 1, 0.04f, kAnchorTopLeft, kParent), 1, 25);
  return Hidden(frame);
}

// The floor box with the minimap, a square of 0.188 window widths, and its floor button.
void FloorBox(GuiWin* panel) {
  GuiWin* box = Add(panel, FloorBox_Draw, nullptr, 0, 0, 0.188f,
                    0.188f * (float)Win.WinWidth / (float)Win.WinHeight, kAnchorTopLeft, kWindow);
  Add(box, FloorBtn_Draw, FloorBtn_Click, 0, 0, 0.1f, 0.1f, kAnchorBottomRight, kParent);
}

// The four captain icons: squares of 0.03 window widths, each two widths right of the one before
// and lifted a little more.
void CaptainIcons(GuiWin* strip) {
  const int dx = (int)(0.03 * Win.WinWidth), dy = (int)(0.0067 * Win.WinHeight);
  GuiWin* icon = Add(strip, CaptainIcon_Draw, CaptainIcon_Click, 0, 0, 0.03f,
                     0.03f * (float)Win.WinWidth / (float)Win.WinHeight, kAnchorBottomLeft, kWindow);
  Gui_SetStateTree(icon, 1, 1);
  Gui_ShiftY(icon, dy);
  for (int n = 2; n <= 4; n++) {
    icon = Shown(Gui_CloneRight(icon));
    Gui_SetStateTree(icon, n, 1);
    Gui_ShiftX(icon, dx);
    Gui_ShiftY(icon, dy);
  }
}

// The unit panel: items, filters, skills and cargo of the selected unit; a click on its frame
// closes it.
void BuildUnitPanel(GuiWin* panel) {
  Screens.HudUnitPanel = Add(panel, Gl2D_FrameRect, HudUnitPanel_CloseClick, 0, -0.28f, 0.72f, 0.6f,
                             kAnchorTopRight, kWindow);
  GuiWin* top = Add(Screens.HudUnitPanel, Gl2D_FrameRect, nullptr, 0.2f, 0.9f, 0.7f, 0.08f,
                    kAnchorBottomLeft, kParent);
  Grid(Add(top, Gl2D_FrameRect, nullptr, 0, 0, 1.0f / 15, 1, kAnchorTopLeft, kParent), 15, 1);
  GuiWin* filters = Add(Screens.HudUnitPanel, Gl2D_FrameRect, nullptr, 0, 0.2f, 0.12f, 0.6f,
                        kAnchorBottomLeft, kParent);
  Grid(Add(filters, KnoCb_Bad, nullptr, 0, 0, 0.5f, 0.125f, kAnchorTopLeft, kParent), 1, 8);
  Grid(Add(filters, KnoCb_Good, nullptr, 0.5f, 0, 0.5f, 0.125f, kAnchorTopLeft, kParent), 1, 8);
  GuiWin* slots = Add(Screens.HudUnitPanel, Gl2D_FrameRect, nullptr, 0.2f, 0.2f, 0.1f, 0.5f,
                      kAnchorBottomLeft, kParent);
  Grid(Add(slots, KnoCb_ItemSlots, SuitCell_Click, 0, 0, 1, 1.0f / 3, kAnchorTopLeft, kParent), 1, 3);
  GuiWin* boxA = Add(Screens.HudUnitPanel, Gl2D_FrameRect, nullptr, 0.32f, 0.5f, 0.25f, 0.2f,
                     kAnchorBottomLeft, kParent);
  Grid(Add(boxA, Gl2D_FrameRect, nullptr, 0, 0, 0.25f, 0.5f, kAnchorTopLeft, kParent), 4, 2);
  GuiWin* boxB = Add(Screens.HudUnitPanel, Gl2D_FrameRect, nullptr, 0.3f, 0.2f, 0.3f, 0.25f,
                     kAnchorBottomLeft, kParent);
  Grid(Add(boxB, Gl2D_FrameRect, nullptr, 0, 0, 0.2f, 0.5f, kAnchorTopLeft, kParent), 5, 2);
  GuiWin* skills = Add(Screens.HudUnitPanel, Gl2D_FrameRect, nullptr, 0.6f, 0.15f, 0.4f, 0.4f,
                       kAnchorBottomLeft, kParent);
  Grid(Add(skills, KnoCb_SkilH2, nullptr, 0, 0, 0.2f, 1.0f / 3, kAnchorTopLeft, kParent), 5, 3);
  GuiWin* items = Add(Screens.HudUnitPanel, Gl2D_FrameRect, nullptr, 0.02f, 0.02f, 0.96f, 0.12f,
                      kAnchorBottomLeft, kParent);
  Grid(Add(items, KnoCb_ItemInfo, CargoCell_Click, 0, 0, 1.0f / 15, 1, kAnchorTopLeft, kParent), 15, 1);
  Hidden(Screens.HudUnitPanel);
}

// Four info panels in one place, each a frame of numbered cells; all start hidden.
GuiWin* InfoPanel(GuiWin* panel, GuiCallback draw, GuiCallback innerDraw, float innerH, int innerAnchor,
                  GuiCallback cellDraw, float cellW, float cellH, int cols, int rows) {
  GuiWin* info = Add(panel, draw, nullptr, -0.15f, -0.1f, 0.5f, 0.16f, kAnchorTopRight, kWindow);
  GuiWin* inner = Add(info, innerDraw, nullptr, 0, 0, 1, innerH, innerAnchor, kParent);
  Grid(Add(inner, cellDraw, nullptr, 0, 0, cellW, cellH, kAnchorTopLeft, kParent), cols, rows);
  return Hidden(info);
}

void BuildPlayScreen(GuiWin* panel) {
  Add(panel, PauseBtn_Draw, PauseBtn_Click, 0.7f, 0.9f, 0.11f, 0.07f, kAnchorBottomLeft, kWindow);

  Screens.UnitDebugBox = Add(panel, nullptr, nullptr, 0, -0.05f, 0.19f, 0.15f, kAnchorTopRight, kWindow);
  Add(Screens.UnitDebugBox, UnitBoxTitle_Draw, UnitBoxTitle_Click, 0, 0, 1, 0.2f, kAnchorTopLeft,
      kParent);
  Add(Screens.UnitDebugBox, UnitDbg_Draw, nullptr, 0.05f, -0.2f, 0.95f, 0.2f, kAnchorTopLeft, kParent);
  Add(Screens.UnitDebugBox, UnitDbgRank_Draw, nullptr, 0.1f, -0.4f, 0.9f, 0.2f, kAnchorTopLeft, kParent);
  Add(Screens.UnitDebugBox, UnitDbgCounts_Draw, nullptr, 0.15f, -0.6f, 0.85f, 0.2f, kAnchorTopLeft,
      kParent);
  GuiWin* guests =
      Add(Screens.UnitDebugBox, nullptr, nullptr, 0.2f, -0.8f, 0.8f, 0.2f, kAnchorTopLeft, kParent);
  Grid(Add(guests, KnoCb_GuestInfo, HudUnitPanel_OpenClick, 0, 0, 1.0f / 3, 1, kAnchorTopLeft, kParent),
       3, 1);

  Screens.CaptainCells =
      Add(panel, nullptr, nullptr, -0.01f, -0.2f, 0.12f, 0.32f, kAnchorTopRight, kWindow);
  Grid(Add(Screens.CaptainCells, Gui_DrawFgrPreview, CaptainCell_Click, 0, 0, 1.0f / 3, 1.0f / 7,
           kAnchorTopLeft, kParent),
       3, 7);

  Screens.InfoPanel1 = InfoPanel(panel, Gl2D_FrameRect, Gl2D_FrameRect, 0.6f, kAnchorBottomLeft,
                                 Gl2D_FrameRect, 1.0f / 9, 0.5f, 9, 2);
  Screens.InfoPanel2 = InfoPanel(panel, KnoCb_CaptainIs, nullptr, 0.8f, kAnchorTopRight, KnoCb_Skil,
                                 0.2f, 1.0f / 3, 5, 3);
  Screens.LiftGuestPanel = InfoPanel(panel, Gl2D_FrameRect, Gl2D_FrameRect, 0.4f, kAnchorBottomLeft,
                                     Gl2D_FrameRect, 0.2f, 0.5f, 5, 2);
  Screens.UnitSpellsPanel = InfoPanel(panel, Gl2D_FrameRect, Gl2D_FrameRect, 0.9f, kAnchorBottomLeft,
                                      Gl2D_FrameRect, 0.125f, 0.5f, 8, 2);
  BuildUnitPanel(panel);

  Add(panel, SaveTest2Btn_Draw, SaveTest2Btn_Click, 0, 0.1f, 0.1f, 0.035f, kAnchorBottomLeft, kWindow);
  // The way back to the saved stage, just under the button that saves it.
  Add(panel, LoadTest2Btn_Draw, LoadTest2Btn_Click, 0, 0.065f, 0.1f, 0.035f, kAnchorBottomLeft, kWindow);

  Screens.SideResBar = Add(panel, nullptr, nullptr, 0.2f, 0, 0.5f, 0.04f, kAnchorTopLeft, kWindow);
  Grid(Add(Screens.SideResBar, KnoCb_SideRes, nullptr, 0, 0, 1.0f / 6, 1, kAnchorTopLeft, kParent), 6,
       1);
  Screens.CaptainIconStrip =
      Add(panel, nullptr, nullptr, 0.2f, -0.05f, 0.21f, 0.08f, kAnchorTopLeft, kWindow);
  CaptainIcons(Screens.CaptainIconStrip);

  Screens.OrgPanel_Play = OrgPanel(panel);
  Screens.FgrPanel_Play = FgrPanelPlay(panel);
  FloorBox(panel);

  Screens.MsgPanel = Add(panel, MsgPanel_Draw, MsgPanel_Click, 0, 0, 1, 1, kAnchorWhole, kWindow);
  Add(Screens.MsgPanel, KnoCb_CaptainOrigin, MsgPanel_Click, 0.2f, 0.7f, 0.6f, 0.1f, kAnchorBottomLeft,
      kParent);
  GuiWin* offerSkills = Add(Screens.MsgPanel, Gl2D_FrameRect, MsgPanel_Click, 0.2f, 0.3f, 0.6f, 0.3f,
                            kAnchorBottomLeft, kParent);
  Grid(Add(offerSkills, KnoCb_SkilH3, MsgPanel_Click, 0, 0, 0.2f, 1.0f / 3, kAnchorTopLeft, kParent), 5,
       3);
  GuiWin* choices = Add(Screens.MsgPanel, Gl2D_FrameRect, MsgPanel_Click, 0.2f, 0.15f, 0.6f, 0.1f,
                        kAnchorBottomLeft, kParent);
  Grid(Add(choices, KnoCb_SkilUpHint, KnoCb_RangChoice, 0, 0, 1.0f / 3, 1, kAnchorBottomLeft, kParent),
       3, 1);
  Hidden(Screens.MsgPanel);
  // The rank-up offers queue only once there is a panel to show them; the screen's own draw shows
  // and hides it on their requests.
  Ranks.RangPanelExists = 1;
  panel->draw = PlayScreen_Draw;

  Screens.CodeWinBox =
      Hidden(Add(panel, Gl2D_FrameRect, nullptr, 0.2f, 0.12f, 0.65f, 0.4f, kAnchorBottomLeft, kWindow));
  Screens.CodeWinText = Add(Screens.CodeWinBox, TextWin_Draw, CodeWin_Click, 0.05f, 0.05f, 0.9f, 0.9f,
                            kAnchorBottomLeft, kParent);
  // From here a trigger's message has its window; the text box takes its rows when it is filled.
  CodeWin.CodeWinReady = Screens.CodeWinBox && Screens.CodeWinText ? 1 : 0;
  // The places of a scroll bar's top, track and bottom.
  Add(Screens.CodeWinBox, Gl2D_FrameRect, nullptr, 0.95f, 0.9f, 0.04f, 0.1f, kAnchorBottomLeft, kParent);
  Add(Screens.CodeWinBox, Gl2D_FrameRect, nullptr, 0.956f, 0.1f, 0.035f, 0.8f, kAnchorBottomLeft,
      kParent);
  Add(Screens.CodeWinBox, Gl2D_FrameRect, nullptr, 0.95f, 0, 0.04f, 0.1f, kAnchorBottomLeft, kParent);

  BuildTopStrip(panel, &Screens.GuiTopStrip2, kModePlay);
}

// What the editor's screen shares with play: the value panels and the floor box. Its tool box,
// palette and click modes lie under them, its selected-figure box over them.
void BuildEditorShared(GuiWin* panel) {
  Screens.OrgPanel_Edit = OrgPanel(panel);
  Screens.FgrPanel_Edit = FgrPanelEdit(panel);
  FloorBox(panel);
}

// The editor's save button saves at once through the save dialog; its click code does not matter.
void EtapSave_Event(GuiWin*) { Etap_SaveFromGui(); }

// The editor: its tool box (the 3 x 10 palette, the save button, the current tool, the page
// button), the value panels and floor box it shares with play, the selected-figure box with the six
// click modes, the top strip.
void BuildEditorScreen(GuiWin* panel) {
  Screens.EditorBox =
      Add(panel, Gl2D_FrameRect, nullptr, 0, 0.1f, 0.3f, 0.3f, kAnchorBottomLeft, kWindow);
  GuiWin* palette =
      Add(Screens.EditorBox, Gl2D_FrameRect, nullptr, 0.01f, 0, 0.98f, 0.9f, kAnchorBottomLeft, kParent);
  Grid(Add(palette, EdPalette_Draw, EdPalette_Click, 0, 0, 1.0f / 3, 0.1f, kAnchorTopLeft, kParent), 3,
       10);
  Add(Screens.EditorBox, EtapSaveBtn_Draw, EtapSave_Event, 0, 0.91f, 0.4f, 0.09f, kAnchorBottomLeft,
      kParent);
  Add(Screens.EditorBox, EdPaletteCur_Draw, nullptr, 0.4f, 0.91f, 0.4f, 0.09f, kAnchorBottomLeft,
      kParent);
  Add(Screens.EditorBox, PageBtn_Draw, nullptr, 0.8f, 0.91f, 0.19f, 0.09f, kAnchorBottomLeft, kParent);
  BuildEditorShared(panel);
  GuiWin* selected =
      Add(panel, EdSelFgr_Draw, nullptr, 0.85f, 0.875f, 0.15f, 0.075f, kAnchorBottomLeft, kWindow);
  Grid(Add(selected, ClickMode_Caption, ClickMode_Click, 0, 0, 1.0f / 6, 0.4f, kAnchorTopLeft, kParent),
       6, 1);
  BuildTopStrip(panel, &Screens.GuiTopStrip3, kModeEditor);
}

}  // namespace

void Gui_Build() {
  if (!GuiTree.GuiRoot.visible) return;
  GuiWin* panels[3];
  for (int i = 0; i < 3; i++)
    panels[i] = Gui_New(&GuiTree.GuiRoot, nullptr, nullptr, 0, 0, 1, 1, kAnchorWhole, kWindow);
  Screens.GuiPanelMode1 = panels[0];
  Screens.GuiPanelMode2 = panels[1];
  Screens.GuiPanelMode3 = panels[2];
  Screens.GuiPanelMode1->visible = 1;
  Screens.GuiHintStrip1 =
      Gui_New(&GuiTree.GuiRoot, nullptr, nullptr, 0.1f, 0, 0.8f, 0.1f, kAnchorBottomLeft, kWindow);
  Screens.GuiHintStrip2 =
      Gui_New(&GuiTree.GuiRoot, nullptr, nullptr, 0.1f, 0, 0.8f, 0.1f, kAnchorBottomLeft, kWindow);
  Screens.GuiHintStrip3 =
      Gui_New(&GuiTree.GuiRoot, nullptr, nullptr, 0.1f, 0, 0.8f, 0.1f, kAnchorBottomLeft, kWindow);
  BuildStartScreen(Screens.GuiPanelMode1);
  BuildPlayScreen(Screens.GuiPanelMode2);
  BuildEditorScreen(Screens.GuiPanelMode3);
}

void Gui_BuildAtStart() { Gui_Build(); }
