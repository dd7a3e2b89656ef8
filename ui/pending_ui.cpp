// Stand-ins for the interface services (see the header).
#include "ui/pending_ui.h"

#include <GL/gl.h>

#include <fstream>

#include "gm/org_base.h"
#include "platform/platform.h"
#include "shell/key_commands.h"
#include "shell/kmd_block.h"
#include "shell/konfig.h"
#include "shell/frame_clock.h"
#include "shell/window.h"

int ProgMode = 0;
int EditModeOn = 0;
int visUnderGround = 0;
int EdToolUsed = 0;
GuiWin* EdBoxWin = nullptr;
GuiWin* TextBoxFocused = nullptr;

int SetProgramMode(int mode) {
  if (mode < 1 || mode > 3) return 0;
  if (mode == 1) o2::anSleepEachFrame = FrameSleepMode1;
  else o2::anSleepEachFrame = mode == 2 ? 4 : 6;
  EditModeOn = mode == 3 ? 1 : 0;
  if (mode == 3) EdToolUsed = 0;
  ProgMode = mode;
  return 0;
}

void Gui_InitRoot(int, int) {}
void Gui_BuildAtStart() {}
void Gui_DestroyTree() {}

void Gui_CursorPos(int* x, int* y) {
  int cx = 0, cy = 0, wx = 0, wy = 0, ww = 0, wh = 0;
  Plat_CursorPos(&cx, &cy);
  Plat_WindowRect(&wx, &wy, &ww, &wh);
  *x = cx - wx;
  *y = WinHeight - (cy - wy);
}

int GuiList_Insert(GuiList* list, const std::string& text, std::string clr, int pos, int flag) {
  if (flag < 1) return 0;
  if (clr.size() > text.size()) clr.resize(text.size());
  else if (!clr.empty()) clr.resize(text.size(), clr.back());
  if (pos < 0 || pos >= (int)list->rows.size()) list->rows.emplace_back(text, clr);
  else list->rows.insert(list->rows.begin() + pos, {text, clr});
  return 1;
}

int GuiList_InsertByLen(GuiList* list, const std::string& text, const std::string& clr) {
  int pos = -1;
  for (int i = 0; i < (int)list->rows.size(); i++)
    if (list->rows[i].first.size() < text.size()) {
      pos = i;
      break;
    }
  return GuiList_Insert(list, text, clr, pos, 1);
}

int GuiList_SaveTxt(GuiList* list, const std::string& fileName) {
  if (list->rows.empty()) return 0;
  std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
  if (!out.is_open()) return 0;
  for (auto& r : list->rows) out << r.first << "\n";
  return 1;
}

int InpLine_SpecialCharOk(unsigned char) { return 0; }
int TextInput_Char(unsigned char) { return 0; }
int TextInput_SpecialKey(unsigned char) { return 0; }
int textEditStream(GuiWin*, int, int) { return 0; }

void Mode1_Frame(int focus) {
  FrameTimer_Tick();
  if (Window_DragByMouse()) return;
  if (focus) {
    Gui_CursorPos(&MouseX, &MouseY);
    Kmd_UpdAll();
  }
  glViewport(0, 0, WinWidth, WinHeight);
  glClearColor(0.1f, 0.12f, 0.18f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}
