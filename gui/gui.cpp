// The widget tree: layout, the 2D pass, the mouse pass, clones and grids, tear-down.
#include "gui/gui.h"

#include <GL/gl.h>

#include <cmath>

#include "platform/platform.h"
#include "render/gl2d.h"
#include "render/texture.h"
#include "shell/window_state.h"

GuiTreeRec GuiTree;

namespace {

void FreeChildren(GuiWin* win);

// The static clean-up at exit frees what the window's tear-down did not (runs before GuiRoot goes).
struct RootCleanup {
  ~RootCleanup() { FreeChildren(&GuiTree.GuiRoot); }
} gRootCleanup;

int KnownAnchor(int a) {
  switch (a) {
    case kAnchorTopRight:
    case kAnchorRight:
    case kAnchorBottomRight:
    case kAnchorBottom:
    case kAnchorBottomLeft:
    case kAnchorLeft:
    case kAnchorTopLeft:
    case kAnchorTop:
    case kAnchorCentre25:
    case kAnchorCentre45:
    case kAnchorCentre65:
    case kAnchorCentre85:
    case kAnchorWhole: return a;
    default: return 0;
  }
}

// A fresh widget: no children, parent, list or callbacks; invisible; every word zero.
GuiWin* Gui_Fresh() { return new GuiWin{}; }

void Attach(GuiWin* parent, GuiWin* child) {
  child->parent = parent;
  parent->children.push_back(child);
}

GuiWin* CloneBeside(GuiWin* src, int dx, int dy) {
  if (!src || !src->parent) return nullptr;
  GuiWin* n = Gui_Fresh();
  Gui_CloneTree(n, src, dx, dy, nullptr);
  return n;
}

// Frees the subtree under win (not win itself).
void FreeChildren(GuiWin* win) {
  for (GuiWin* c : win->children) {
    if (!c) continue;
    FreeChildren(c);
    delete c;
  }
  win->children.clear();
}

}  // namespace

int Gui_PtInRect(int px, int py, int x, int y, int w, int h) {
  return x <= px && px <= x + w && y <= py && py <= y + h ? 1 : 0;
}

void Gui_CursorPos(int* x, int* y) {
  int cx = 0, cy = 0, wx = 0, wy = 0, ww = 0, wh = 0;
  Plat_CursorPos(&cx, &cy);
  Plat_WindowRect(&wx, &wy, &ww, &wh);
  *x = cx - wx;
  *y = Win.WinHeight - (cy - wy);
}

void Gui_SetRoot(GuiCallback draw, GuiCallback event, int x, int y, int w, int h) {
  GuiTree.GuiRoot.draw = draw;
  GuiTree.GuiRoot.event = event;
  GuiTree.GuiRoot.x = x;
  GuiTree.GuiRoot.y = y;
  GuiTree.GuiRoot.w = w;
  GuiTree.GuiRoot.h = h;
  GuiTree.GuiRoot.anchor = kAnchorCentre;
}

void Gui_InitRoot(int width, int height) {
  Gui_SetRoot(nullptr, nullptr, 0, 0, width, height);
  GuiTree.GuiRoot.visible = 1;
}

void Gui_Layout(GuiWin* win, int useParentSize, float fx, float fy, float fw, float fh, int anchor) {
  if (!win) return;
  win->anchor = KnownAnchor(anchor);
  const GuiWin* s = useParentSize && win->parent ? win->parent : &GuiTree.GuiRoot;
  if (win->anchor == kAnchorWhole) {
    win->x = s->x;
    win->y = s->y;
    win->w = s->w;
    win->h = s->h;
    return;
  }
  const GuiWin* p = win->parent ? win->parent : &GuiTree.GuiRoot;
  const float sw = (float)s->w, sh = (float)s->h;
  const int w = (int)(std::fabs(fw) * sw), h = (int)(std::fabs(fh) * sh);
  const float px = (float)p->x, py = (float)p->y, pw = (float)p->w, ph = (float)p->h;
  const float left = px, right = px + pw - (float)w, centreX = px + pw * 0.5f - (float)(w / 2);
  const float top = py + ph - (float)h, bottom = py, middleY = py + ph * 0.5f - (float)(h / 2);
  float ax = centreX, ay = middleY;
  switch (win->anchor) {
    case kAnchorTopLeft:
      ax = left;
      ay = top;
      break;
    case kAnchorTop:
      ax = centreX;
      ay = top;
      break;
    case kAnchorTopRight:
      ax = right;
      ay = top;
      break;
    case kAnchorLeft:
      ax = left;
      ay = middleY;
      break;
    case kAnchorRight:
      ax = right;
      ay = middleY;
      break;
    case kAnchorBottomLeft:
      ax = left;
      ay = bottom;
      break;
    case kAnchorBottom:
      ax = centreX;
      ay = bottom;
      break;
    case kAnchorBottomRight:
      ax = right;
      ay = bottom;
      break;
    default: break;  // the centre
  }
  win->x = (int)((float)(int)ax + fx * sw);
  win->y = (int)((float)(int)ay + fy * sh);
  win->w = w;
  win->h = h;
}

GuiWin* Gui_New(GuiWin* parent, GuiCallback draw, GuiCallback event, float fx, float fy, float fw,
                float fh, int anchor, int useParentSize) {
  if (!parent) return nullptr;
  GuiWin* win = Gui_Fresh();
  win->draw = draw;
  win->event = event;
  Attach(parent, win);
  Gui_Layout(win, useParentSize, fx, fy, fw, fh, anchor);
  return win;
}

void Gui_DrawAll() {
  glViewport(0, 0, GuiTree.GuiRoot.w, GuiTree.GuiRoot.h);
  glDisable(GL_DEPTH_TEST);
  glDepthMask(GL_FALSE);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0, GuiTree.GuiRoot.w, 0, GuiTree.GuiRoot.h, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  Gui_DrawTree(&GuiTree.GuiRoot);
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
}

void Gui_DrawTree(GuiWin* win) {
  if (!win || !win->visible) return;
  // Each widget clips to its own box, one pixel larger: a child is not clipped to its parent.
  glScissor(win->x - 1, win->y - 1, win->w + 2, win->h + 2);
  glEnable(GL_SCISSOR_TEST);
  if (win->draw) win->draw(win);
  for (size_t i = 0; i < win->children.size(); i++)
    if (win->children[i]) Gui_DrawTree(win->children[i]);
  glDisable(GL_SCISSOR_TEST);
}

int Gui_MouseAll(int code) {
  GuiTree.GuiMouseTaken = 0;
  GuiTree.GuiMouseConsumed = 0;
  Gui_MouseTree(&GuiTree.GuiRoot, code);
  return GuiTree.GuiMouseConsumed;
}

void Gui_MouseTree(GuiWin* win, int code) {
  if (!win || !win->visible) return;
  win->hover = 0;
  if (!GuiTree.GuiMouseTaken && Gui_HitOwn(win, 0)) {
    win->hover = 1;
    int fires =
        (Gui_ClickIsRepeat(code) && win->repeat) || (code > kClickNone && !Gui_ClickIsRepeat(code));
    if (fires && win->event) {
      win->clickCode = code;
      win->consumed = 0;
      win->event(win);
      if (win->consumed) GuiTree.GuiMouseConsumed = 1;
    } else {
      win->clickCode = kClickNone;
    }
    GuiTree.GuiMouseTaken = 1;
  }
  // A callback may have grown the children: index, never iterators.
  for (size_t i = win->children.size(); i-- > 0;)
    if (win->children[i]) Gui_MouseTree(win->children[i], code);
}

int Gui_HitOwn(GuiWin* win, int rectOnly) {
  if (!win) return 0;
  int x = 0, y = 0;
  Gui_CursorPos(&x, &y);
  if (!Gui_PtInRect(x, y, win->x, win->y, win->w, win->h)) return 0;
  if (rectOnly) return 1;
  return Gui_ChildHit(win, x, y) ? 0 : 1;
}

int Gui_ChildHit(GuiWin* win, int px, int py) {
  if (!win) return 0;
  for (size_t i = win->children.size(); i-- > 0;) {
    const GuiWin* c = win->children[i];
    if (c && Gui_PtInRect(px, py, c->x, c->y, c->w, c->h)) return 1;
  }
  return 0;
}

void Gui_SetStateTree(GuiWin* win, int number, int recurse) {
  if (!win) return;
  win->number = number;
  if (!recurse) return;
  for (GuiWin* c : win->children) Gui_SetStateTree(c, number, 1);
}

int Gui_ChildY(GuiWin* win, int i) {
  if (!win) return 0;
  if (i < 1 || i > (int)win->children.size() || !win->children[i - 1]) return win->y;
  return win->children[i - 1]->y;
}

int Gui_ChildX(GuiWin* win, int i) {
  if (!win) return 0;
  if (i < 1 || i > (int)win->children.size() || !win->children[i - 1]) return win->x;
  return win->children[i - 1]->x;
}

void Gui_CloneTree(GuiWin* dst, GuiWin* src, int dx, int dy, GuiWin* newParent) {
  if (!src || !dst) return;
  dst->x = src->x + dx;
  dst->y = src->y + dy;
  dst->w = src->w;
  dst->h = src->h;
  dst->anchor = src->anchor;
  dst->hover = src->hover;
  dst->clickCode = src->clickCode;
  dst->number = src->number;
  dst->visible = src->visible;
  dst->draw = src->draw;
  dst->event = src->event;
  if (!dst->parent) {
    GuiWin* p = newParent ? newParent : src->parent;
    if (p) Attach(p, dst);
  }
  // src's children are read by index: src may be an ancestor of dst.
  const size_t n = src->children.size();
  for (size_t i = 0; i < n; i++) {
    GuiWin* c = src->children[i];
    if (!c) continue;
    GuiWin* fresh = Gui_Fresh();
    Attach(dst, fresh);
    Gui_CloneTree(fresh, c, dx, dy, dst);
  }
}

GuiWin* Gui_CloneAbove(GuiWin* src) { return src ? CloneBeside(src, 0, src->h) : nullptr; }
GuiWin* Gui_CloneLeft(GuiWin* src) { return src ? CloneBeside(src, -src->w, 0) : nullptr; }
GuiWin* Gui_CloneBelow(GuiWin* src) { return src ? CloneBeside(src, 0, -src->h) : nullptr; }
GuiWin* Gui_CloneRight(GuiWin* src) { return src ? CloneBeside(src, src->w, 0) : nullptr; }

void Gui_CloneGrid(GuiWin* tmpl, int cols, int rows, int first, int descending) {
  if (!tmpl) return;
  tmpl->number = first;
  const int step = descending ? -1 : 1;
  int next = first + step;
  GuiWin* rowFirst = tmpl;
  for (int r = 0; r < rows; r++) {
    if (r > 0) {
      rowFirst = Gui_CloneBelow(rowFirst);
      if (!rowFirst) return;
      Gui_SetStateTree(rowFirst, next, 1);
      next += step;
    }
    GuiWin* cell = rowFirst;
    for (int c = 1; c < cols; c++) {
      cell = Gui_CloneRight(cell);
      if (!cell) return;
      Gui_SetStateTree(cell, next, 1);
      next += step;
    }
  }
}

void Gui_ShiftX(GuiWin* win, int dx) {
  if (!win || dx == 0) return;
  win->x += dx;
  for (GuiWin* c : win->children) Gui_ShiftX(c, dx);
}

void Gui_ShiftY(GuiWin* win, int dy) {
  if (!win || dy == 0) return;
  win->y += dy;
  for (GuiWin* c : win->children) Gui_ShiftY(c, dy);
}

void Gui_DestroyTree(GuiWin* win) {
  if (!win) return;
  win->draw = nullptr;
  win->event = nullptr;
  win->visible = 0;
  win->parent = nullptr;
  win->listHolder = nullptr;
  FreeChildren(win);
  win->hover = 0;
  win->number = 0;
  win->redraw = win->boxWord = win->caretCol = win->cursorRow = win->firstRow = 0;
  win->rowsDrawn = win->visibleRows = win->textBoxFlag = win->repeat = 0;
}

void Gl2D_FrameRect(GuiWin* win) {
  if (!win) return;
  const float x = (float)win->x, y = (float)win->y, w = (float)win->w, h = (float)win->h;
  Tex_Off();
  Gl_BlendMode(kBlendAlpha);
  glColor4f(0.5f, 0.2f, 0.0f, 0.3f);
  Gl2D_TexRect(x, y, w, h, 1, 0, 1);
  glDisable(GL_BLEND);
  if (win->hover) glColor4f(1, 1, 0, 1);
  else glColor4f(1, 0, 0, 1);
  Gl2D_TexRect(x, y, w, h, 0, 0, 1);
}
