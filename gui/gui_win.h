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
  int clickCode;   // of the event being delivered: 1 left, 2 right, above 100000 a held repeat
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
