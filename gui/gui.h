// The widget tree: one tree of rectangular widgets over the scene, laid out once from fractions of
// a base rectangle and an anchor code, drawn each widget clipped to its own box, offered the mouse
// before the field (exactly one widget per pass takes the hover and the event), cloned into numbered
// grids and torn down with the window. The widget record itself is gui/gui_win.h.
#pragma once

#include "gui/gui_win.h"

struct GuiTreeRec {
  GuiWin GuiRoot;        // the whole window; visible once Gui_InitRoot ran
  int GuiMouseTaken;     // a widget took the hover in the current pass
  int GuiMouseConsumed;  // an event callback of the current pass consumed the click
};
extern GuiTreeRec GuiTree;

// 1 when x <= px <= x + w and y <= py <= y + h (all four edges inside).
int Gui_PtInRect(int px, int py, int x, int y, int w, int h);
// The mouse in window pixels, y counted upward from the window's bottom edge.
void Gui_CursorPos(int* x, int* y);
void Gui_SetRoot(GuiCallback draw, GuiCallback event, int x, int y, int w, int h);
void Gui_InitRoot(int width, int height);

// The anchor codes: the corner of the parent a widget is placed from, read on a clock face (y up);
// the four codes of tens and five are the centre too, and the whole size base takes its rectangle.
enum GuiAnchor {
  kAnchorCentre = 0,
  kAnchorTopRight = 1,
  kAnchorRight = 3,
  kAnchorBottomRight = 5,
  kAnchorBottom = 6,
  kAnchorBottomLeft = 7,
  kAnchorLeft = 9,
  kAnchorTopLeft = 11,
  kAnchorTop = 12,
  kAnchorCentre25 = 25,
  kAnchorCentre45 = 45,
  kAnchorCentre65 = 65,
  kAnchorCentre85 = 85,
  kAnchorWhole = 100,
};

// Places win by an anchor code (any other is kept as 0, the centre); the size base is the parent
// with useParentSize set, else the root.
void Gui_Layout(GuiWin* win, int useParentSize, float fx, float fy, float fw, float fh, int anchor);
// A new invisible widget laid out under parent; null (nothing made) for a null parent.
GuiWin* Gui_New(GuiWin* parent, GuiCallback draw, GuiCallback event, float fx, float fy, float fw,
                float fh, int anchor, int useParentSize);

// The interface's 2D pass (inside Gl2D_Begin/Gl2D_End of the caller) and one subtree of it.
void Gui_DrawAll();
void Gui_DrawTree(GuiWin* win);
// Offers the mouse with a click code (GuiClick; kClickNone only hovers). 1 when a callback consumed
// the click.
int Gui_MouseAll(int code);
void Gui_MouseTree(GuiWin* win, int code);
int Gui_HitOwn(GuiWin* win, int rectOnly);
int Gui_ChildHit(GuiWin* win, int px, int py);

void Gui_SetStateTree(GuiWin* win, int number, int recurse);
int Gui_ChildY(GuiWin* win, int i);  // 1-based; win's own y when there is no such child
int Gui_ChildX(GuiWin* win, int i);

void Gui_CloneTree(GuiWin* dst, GuiWin* src, int dx, int dy, GuiWin* newParent);
GuiWin* Gui_CloneAbove(GuiWin* src);  // null when src has no parent
GuiWin* Gui_CloneLeft(GuiWin* src);
GuiWin* Gui_CloneBelow(GuiWin* src);
GuiWin* Gui_CloneRight(GuiWin* src);
// Numbers the template first, then makes the other cells row by row from the top-left.
void Gui_CloneGrid(GuiWin* tmpl, int cols, int rows, int first, int descending);
void Gui_ShiftX(GuiWin* win, int dx);
void Gui_ShiftY(GuiWin* win, int dy);
// Frees win's descendants and clears win (the root by default: the window's tear-down).
void Gui_DestroyTree(GuiWin* win = &GuiTree.GuiRoot);

// A plain frame: the widget's rectangle filled dark, outlined yellow while hovered, else red.
void Gl2D_FrameRect(GuiWin* win);
