// Stand-ins for the interface services that start-up, the window procedure and the text-screen frame
// call, until the interface lands; each is deleted when its real one is merged.
#pragma once

#include <string>
#include <utility>
#include <vector>

// The widget fields the shell touches.
struct GuiWin {
  int clickCode;  // of the last mouse offer; 2 = right button
  int consumed;   // a callback used the click
};

// A list of (text, colour-code string) rows.
struct GuiList {
  std::vector<std::pair<std::string, std::string>> rows;
};

extern int ProgMode;
extern int EditModeOn;  // defined with the world's mode flags
extern GuiWin* TextBoxFocused;

int SetProgramMode(int mode);
void Gui_InitRoot(int width, int height);
void Gui_BuildAtStart();
void Gui_DestroyTree();
void Gui_CursorPos(int* x, int* y);

int GuiList_Insert(GuiList* list, const std::string& text, std::string clr, int pos, int flag);
int GuiList_InsertByLen(GuiList* list, const std::string& text, const std::string& clr);
int GuiList_SaveTxt(GuiList* list, const std::string& fileName);

int InpLine_SpecialCharOk(unsigned char key);
int TextInput_Char(unsigned char c);
int TextInput_SpecialKey(unsigned char key);
int textEditStream(GuiWin* box, int c, int code);

// The text-screen frame: clock, drag, key commands, a cleared picture.
void Mode1_Frame(int focus);
