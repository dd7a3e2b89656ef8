// The widget record as the layers below the interface touch it: the click code of the last mouse
// offer and the consumed flag that a callback sets when it used the click (the clipboard callback
// of the dialogs, the stage request buttons). It lives here, below every layer whose callbacks take
// a widget; the widget tree (ui/gui.h) makes, lays out and offers the mouse to widgets.
#pragma once

struct GuiWin {
  int clickCode;  // of the last mouse offer; 2 = right button
  int consumed;   // a callback used the click
};
