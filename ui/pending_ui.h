// Stand-ins for the interface services that the shell, the figure model and the stage requests call,
// until the interface is built; each entry is deleted when its real one lands.
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
extern int EditModeOn;      // 1 only in the stage editor
extern int visUnderGround;  // the floor on show: 0 surface, 1 underground
extern int EdToolUsed;      // the editor's field tools were used since mode 3 was entered
extern GuiWin* EdBoxWin;    // the editor box (palette and save button), once built
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
