// The widget tree of the three screens, built once at start-up.
#include "ui/screens.h"

#include <cstring>
#include <string>

#include "shell/file_names.h"
#include "ui/gui.h"
#include "ui/gui_list.h"
#include "ui/program_mode.h"
#include "ui/screen_buttons.h"
#include "ui/text_box.h"
#include "world/stage_requests.h"

GuiWin* GuiHintStrip1 = nullptr;
GuiWin* GuiHintStrip2 = nullptr;
GuiWin* GuiHintStrip3 = nullptr;
GuiWin* GuiTopStrip1 = nullptr;
GuiWin* GuiTopStrip2 = nullptr;
GuiWin* GuiTopStrip3 = nullptr;
GuiWin* TextBox1 = nullptr;
GuiWin* TextBox2 = nullptr;
GuiWin* TextWinLine1A = nullptr;
GuiWin* TextWinLine1B = nullptr;
GuiWin* TextWinLine2A = nullptr;
GuiWin* TextWinLine2B = nullptr;

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

GuiWin* Add(GuiWin* parent, GuiCallback draw, GuiCallback event, float fx, float fy, float fw, float fh, int anchor,
            int size) {
  return Shown(Gui_New(parent, draw, event, fx, fy, fw, fh, anchor, size));
}

// The window buttons (hide, close) in the right half of a top strip.
void WindowButtons(GuiWin* strip) {
  GuiWin* holder = Add(strip, TopStrip_Draw, nullptr, 0, 0, 0.5f, 1, 1, kParent);
  Add(holder, HideBtn_Draw, HideBtn_Click, 0, 0, 0.4f, 0.9f, 7, kParent);
  Add(holder, CloseBtn_Draw, CloseBtn_Click, 0, 0, 0.4f, 0.9f, 5, kParent);
}

// A text window: its box loaded from the file, the home, scroll and end buttons, the two lines.
GuiWin* TextWindow(GuiWin* holder, int number, float boxH, float lineAy, float lineBy, float lineH,
                   const std::string& file,
                   GuiListHolder** list, char* name, GuiWin** lineA, GuiWin** lineB) {
  GuiWin* box = Add(holder, TextBox_Draw, TextBox_OnClick, 0, 0, 1, boxH, 7, kParent);
  box->listHolder = GuiList_LoadTxt(file, 1);
  *list = box->listHolder;
  std::memset(name, 0, 256);
  std::strncpy(name, file.c_str(), 255);
  box->textBoxFlag = 1;
  Gui_SetStateTree(box, number, 1);  // before its buttons: they keep number 0
  Add(box, TextWinHome_Draw, TextWinHome_Click, 0, 0.95f, 0.03f, 0.05f, 5, kParent);
  Add(box, TextWinScroll_Draw, TextWinScroll_Click, 0, 0.05f, 0.02f, 0.9f, 5, kParent)->repeat = 1;
  Add(box, TextWinEnd_Draw, TextWinEnd_Click, 0, 0, 0.03f, 0.05f, 5, kParent);
  *lineA = Add(holder, TextWinSpecLine_Draw, NoEvent, 0, lineAy, 0.9f, lineH, 7, kParent);
  Gui_SetStateTree(*lineA, number, 1);
  *lineB = Add(holder, TextWinFileLine_Draw, NoEvent, 0, lineBy, 0.9f, lineH, 7, kParent);
  Gui_SetStateTree(*lineB, number, 1);
  return box;
}

void BuildStartScreen(GuiWin* panel) {
  GuiWin* column = Add(panel, Gl2D_FrameRect, nullptr, 0, 0.6f, 0.12f, 0.35f, 5, kWindow);
  Add(column, TextOpenBtn_Draw, TextWin_OpenFile, 0, 0.9f, 1, 0.1f, 7, kParent);
  Add(column, TextSaveBtn_Draw, TextWin_SaveFile, 0, 0.8f, 1, 0.1f, 7, kParent);
  Add(column, TextCopyBtn_Draw, TextEd_CopyButton, 0, 0.7f, 1, 0.1f, 7, kParent);
  Add(column, TextPasteBtn_Draw, TextBox_PasteButton, 0, 0.6f, 1, 0.1f, 7, kParent);
  // The first two of the empty frames lead to play and to the editor.
  Add(column, PlayTestBtn_Draw, PlayTest_Event, 0, 0.5f, 1, 0.1f, 7, kParent);
  Add(column, EditorBtn_Draw, Editor_Event, 0, 0.4f, 1, 0.1f, 7, kParent);
  const float frames[3] = {0.3f, 0.2f, 0.1f};
  for (float fy : frames) Add(column, Gl2D_FrameRect, nullptr, 0, fy, 1, 0.1f, 7, kParent);
  Add(column, AuthorsBtn_Draw, NoEvent, 0, 0, 1, 0.1f, 7, kParent);

  GuiWin* holder1 = Add(panel, nullptr, nullptr, 0.02f, 0.02f, 0.95f, 0.56f, 7, kWindow);
  TextBox1 = TextWindow(holder1, 1, 0.9f, 0.9f, 0.95f, 0.05f, gsFileAbout, &TextBox1List, TextBox1Name, &TextWinLine1A,
                        &TextWinLine1B);
  GuiWin* holder2 = Add(panel, nullptr, nullptr, 0.02f, 0.59f, 0.83f, 0.41f, 7, kWindow);
  TextBox2 = TextWindow(holder2, 2, 0.875f, 0.875f, 0.9375f, 0.0625f, gsFileScr, &TextBox2List, TextBox2Name, &TextWinLine2A,
                        &TextWinLine2B);
  TextBoxFocused = TextBox1;

  GuiTopStrip1 = Add(panel, nullptr, nullptr, 0, 0, 0.16f, 0.04f, 1, kWindow);
  WindowButtons(GuiTopStrip1);
}

// The top strips of play and the editor: the way back to the start screen (play's Esc), and the
// window buttons. Their screens' other parts are built with play and the editor.
void BuildTopStrip(GuiWin* panel, GuiWin** strip, int mode) {
  *strip = Add(panel, Gl2D_FrameRect, nullptr, 0, 0, 0.16f, 0.04f, 1, kWindow);
  if (mode == 2) Add(*strip, EscBtn_Draw, EscBtn_Click, 0, 0, 0.2f, 1, 11, kParent);
  else Add(*strip, Gl2D_FrameRect, nullptr, 0, 0, 0.2f, 1, 11, kParent);
  WindowButtons(*strip);
}

}  // namespace

void Gui_Build() {
  if (!GuiRoot.visible) return;
  GuiWin* panels[3];
  for (int i = 0; i < 3; i++) panels[i] = Gui_New(&GuiRoot, nullptr, nullptr, 0, 0, 1, 1, 100, kWindow);
  GuiPanelMode1 = panels[0];
  GuiPanelMode2 = panels[1];
  GuiPanelMode3 = panels[2];
  GuiPanelMode1->visible = 1;
  GuiHintStrip1 = Gui_New(&GuiRoot, nullptr, nullptr, 0.1f, 0, 0.8f, 0.1f, 7, kWindow);
  GuiHintStrip2 = Gui_New(&GuiRoot, nullptr, nullptr, 0.1f, 0, 0.8f, 0.1f, 7, kWindow);
  GuiHintStrip3 = Gui_New(&GuiRoot, nullptr, nullptr, 0.1f, 0, 0.8f, 0.1f, 7, kWindow);
  BuildStartScreen(GuiPanelMode1);
  BuildTopStrip(GuiPanelMode2, &GuiTopStrip2, 2);
  BuildTopStrip(GuiPanelMode3, &GuiTopStrip3, 3);
}

void Gui_BuildAtStart() { Gui_Build(); }
