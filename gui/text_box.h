// Text boxes: the multi-line text windows of the start screen. Their rows live in the widget's row
// store; one box at a time has the keyboard (TextBoxFocused) and there is one selection for the
// whole program, belonging to the focused box. Editing (keys, characters, click, drag), the
// selection, drawing, clipboard, file open and save; the rows are coloured by gui/paint_words.h.
#pragma once

#include <string>

#include "gui/gui_list.h"
#include "gui/gui_win.h"
#include "platform/platform.h"

constexpr int kTextRowHeight = 18;  // pixels of one row
constexpr int kTextMargin = 5;      // text starts this far right of the box's left edge

// The selection. Of the two ends the later one is on the later line, or on the same line with the
// greater column; both ends' characters are selected.
struct TextBoxCaretRec {
  int on;                   // a selection exists
  int aLine, aCol, aX, aY;  // the anchor: where the selection began (x after its character
  int mLine, mCol, mX, mY;  //   when it is the later end); the moving end
  int sLine, sCol;          // the earlier end, worked out before a deletion; sLine -1: a paste
                            //   had nothing to delete
  int dragState;            // 0 idle, 1 pressed, 2 dragging
  int pressX, pressY;
  int dragDone;  // a drag ended: the next click keeps the selection
};

// The text boxes' state: which box has the keyboard, the one selection, the file of each of the
// start screen's two boxes.
struct TextBoxRec {
  GuiWin* TextBoxFocused;  // the box that receives keys
  TextBoxCaretRec TextBoxCaret;
  char TextBox1Name[256];  // the file name shown and used by each box
  char TextBox2Name[256];
  GuiListHolder* TextBox1List;  // the rows each box was loaded with
  GuiListHolder* TextBox2List;
};
extern TextBoxRec TextBoxes;

// The key codes of textEditStream: the caret keys by their virtual-key codes, the scrolls with Ctrl
// as 300 plus the arrow's code (Ctrl with Left or Right is passed but does nothing of its own), the
// editing commands from 501.
constexpr int kTextCtrl = 300;
enum TextEditCode {
  kTextPageUp = VK_PRIOR,
  kTextPageDown = VK_NEXT,
  kTextEnd = VK_END,
  kTextHome = VK_HOME,
  kTextLeft = VK_LEFT,
  kTextUp = VK_UP,
  kTextRight = VK_RIGHT,
  kTextDown = VK_DOWN,
  kTextDelete = VK_DELETE,
  kTextCtrlLeft = kTextCtrl + VK_LEFT,
  kTextScrollUp = kTextCtrl + VK_UP,
  kTextCtrlRight = kTextCtrl + VK_RIGHT,
  kTextScrollDown = kTextCtrl + VK_DOWN,
  kTextSelectAll = 501,
  kTextReserved = 502,  // does nothing
  kTextCut = 503,
  kTextCopy = 504,
  kTextPaste = 505,
};

// The key handler. Characters come from the window procedure with code 0 (only while the start
// screen is shown); key codes from the start-screen frame with character 0.
int textEditStream(GuiWin* box, int c, int code);
void TextBox_OnClick(GuiWin* win);
void TextBox_OnMouseDrag();
void TextBox_PlaceCaretAtMouse();
void TextBox_GoLine(int oldRow);
void TextBox_GoColumn(int oldCol);
void TextBox_SelectAll();
void TextBox_UpdateCaretX();
void TextBox_UpdateSelX();
void TextBox_DragClear();
int TextBox_DragState();

// The selection, below both the editing and the clipboard (text_box_selection.cpp).
bool TextBox_AnchorIsLater();  // the anchor is the later end
// A selection that names a row the focused box no longer has is dropped (with a log line): false
// then, and when there is none.
bool TextBox_SelectionValid();
void Sel_RectOrder();  // the earlier end into sLine, sCol
void TextBox_DeleteSel();
// Puts a caret that lies past the text on its last row (on the first, as the draw shows it, when the
// first visible row lies past it too) and the caret column within its row.
void TextBox_ClampCaret(GuiWin* box);

// Drawing: the start screen's boxes (settings colours, selection) and the play screen's code window.
void TextBox_Draw(GuiWin* win);
void TextWin_Draw(GuiWin* win);
void TextBox_DrawSel(GuiWin* win, int rowHeight, float alpha);
void TextBox_DrawPanel(GuiWin* win, const char* label, const char* hintTitle, int font, const char* clr,
                       int skipFront, int skipBack);

// Clipboard: Windows-1251 text, CR LF between rows.
void TextEd_ClipboardCopy();
void TextEd_Copy();
void TextEd_CopyButton(GuiWin* w);
void TextEd_Cut();
int TextEd_SelectionSize();  // bytes of the copy text with its terminating zero
void TextEd_CopySelection(char* dst);
void TextBox_Paste();
void TextBox_PasteButton(GuiWin* w);
void TextBox_PasteClipboard();
void TextBox_InsertText(const char* text);
void TextWin_CopyToClip(GuiWin* w);
// A developer callback: consumes the click and logs the clipboard's text.
void Clip_LogText(GuiWin* w);

// Files: each box keeps the name of its file.
void TextWin_OpenFile(GuiWin* w);
void TextWin_SaveFile(GuiWin* w);
void TextBox_FileNameToDlg();
// What the last failed open or save of box 1 or 2 says (its special line shows it); "" otherwise.
const char* TextBox_FileStatus(int number);
void TextWin_SaveFileNoName(GuiWin* w);
void TextWin_OpenFileShared(GuiWin* w);
