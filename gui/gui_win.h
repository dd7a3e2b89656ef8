// The widget record. Only the toolkit and the layers above it see it: the world and the figure model
// never touch a widget, they ask the interface by request words (the code window's message, the
// rank-up panel, the program mode). The widget tree (gui/gui.h) makes, lays out, draws and offers
// the mouse to widgets. All words are 32-bit; the rectangle is in window pixels with y growing
// upwards.
#pragma once

#include <vector>

struct GuiList;
struct GuiWin;

typedef void (*GuiCallback)(GuiWin*);

// The click codes a widget's event is delivered with (its clickCode, the code Gui_MouseAll offers).
// Any code above kClickRepeat is a held-button repeat, which only a widget with its repeat flag
// takes; the start screen's frame sends the right button's while it is held (its scroll bar drags).
enum GuiClick {
  kClickNone = 0,  // the mouse only hovers
  kClickLeft = 1,
  kClickRight = 2,
  kClickRepeat = 100000,
  kClickRightHeld = kClickRepeat + kClickRight,
};
inline int Gui_ClickIsRepeat(int code) { return code > kClickRepeat; }

// What a text widget's rows hang on (the rows themselves are gui/gui_list.h's).
struct GuiListHolder {
  int flag;        // 1 when the loader was asked to mark it
  GuiList* rows;   // null: the holder is free
  void* reserved;  // stays null
};

struct GuiWin {
  int x, y, w, h;  // lower-left corner and size
  int anchor;      // the anchor code the layout kept (0 for an unknown one)
  int hover;       // the cursor is over the widget's own area (last mouse pass)
  int clickCode;   // of the event being delivered (GuiClick): left, right or a held-button repeat
  int number;      // cell number: which item of a grid the widget shows
  int consumed;    // an event callback used the click
  GuiWin* parent;  // null only for the root
  GuiListHolder* listHolder;      // the rows of a text box, else null
  std::vector<GuiWin*> children;  // owned, in creation order; null entries are skipped
  GuiCallback draw;
  GuiCallback event;
  int visible;  // 0 hides the widget and its subtree from drawing and from the mouse
  // The text-box block.
  int redraw;   // column-moved mark
  int boxWord;  // remembered column that Up and Down return to
  int caretCol;
  int cursorRow;  // caret row counted from the first visible row
  int firstRow;
  int rowsDrawn;  // counted by the last draw
  int visibleRows;
  int textBoxFlag;  // modified: the start screen recolours the rows and clears it
  int repeat;       // 1: the widget receives held-button repeat codes
};
