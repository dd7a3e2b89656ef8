// Modal windows of the x11 backend: the message box (OK, Yes/No), the open and save file dialogs,
// and the colour chooser. Each runs its own event loop until answered; events of the game window
// keep going to the message queue and the clipboard stays served meanwhile.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/x11_internal.h"

namespace {

struct Button {
  int x, y, w, h;
  const char* label;
  int id;
};

struct Modal {
  Window w;
  GC gc;
  XFontStruct* font;
  bool wide;  // the font has glyphs beyond Latin-1, drawn with 16-bit strings
  int width, height;
  int lineH, ascent;
};

constexpr unsigned long kBack = 0xE8E8E8, kInk = 0x101010, kFrame = 0x707070, kFocus = 0x2050C0,
                        kWhite = 0xFFFFFF, kError = 0xB00000;

XFontStruct* LoadFont(bool* wide) {
  static const char* names[] = {"-misc-fixed-medium-r-normal--13-*-*-*-*-*-iso10646-1",
                                "-*-*-medium-r-normal--13-*-*-*-*-*-iso10646-1",
                                "-*-*-*-*-*--*-*-*-*-*-*-iso10646-1", "fixed"};
  for (int i = 0; i < 4; i++) {
    XFontStruct* f = XLoadQueryFont(gX.dpy, names[i]);
    if (f) {
      *wide = f->min_byte1 != 0 || f->max_byte1 != 0;
      return f;
    }
  }
  *wide = false;
  return nullptr;
}

std::vector<XChar2b> Wide(const std::string& s1251) {
  std::vector<XChar2b> out;
  for (unsigned char c : s1251) {
    unsigned cp = Plat_1251ToUnicode(c);
    out.push_back(XChar2b{(unsigned char)(cp >> 8), (unsigned char)(cp & 0xFF)});
  }
  return out;
}

std::string Narrow(const std::string& s1251) {
  std::string out;
  for (unsigned char c : s1251) {
    unsigned cp = Plat_1251ToUnicode(c);
    out.push_back(cp < 0x100 ? (char)cp : '?');
  }
  return out;
}

int TextWidth(Modal* m, const std::string& s) {
  if (!m->font) return (int)s.size() * 6;
  if (m->wide) {
    std::vector<XChar2b> w = Wide(s);
    return XTextWidth16(m->font, w.data(), (int)w.size());
  }
  std::string n = Narrow(s);
  return XTextWidth(m->font, n.data(), (int)n.size());
}

void DrawText(Modal* m, int x, int y, const std::string& s, unsigned long colour) {
  XSetForeground(gX.dpy, m->gc, colour);
  if (m->wide) {
    std::vector<XChar2b> w = Wide(s);
    XDrawString16(gX.dpy, m->w, m->gc, x, y, w.data(), (int)w.size());
  } else {
    std::string n = Narrow(s);
    XDrawString(gX.dpy, m->w, m->gc, x, y, n.data(), (int)n.size());
  }
}

void Fill(Modal* m, int x, int y, int w, int h, unsigned long colour) {
  XSetForeground(gX.dpy, m->gc, colour);
  XFillRectangle(gX.dpy, m->w, m->gc, x, y, (unsigned)w, (unsigned)h);
}

void Frame(Modal* m, int x, int y, int w, int h, unsigned long colour) {
  XSetForeground(gX.dpy, m->gc, colour);
  XDrawRectangle(gX.dpy, m->w, m->gc, x, y, (unsigned)w, (unsigned)h);
}

void DrawButton(Modal* m, const Button& b, bool focused) {
  Fill(m, b.x, b.y, b.w, b.h, kWhite);
  Frame(m, b.x, b.y, b.w, b.h, focused ? kFocus : kFrame);
  if (focused) Frame(m, b.x + 1, b.y + 1, b.w - 2, b.h - 2, kFocus);
  std::string label = b.label;
  DrawText(m, b.x + (b.w - TextWidth(m, label)) / 2, b.y + (b.h + m->ascent) / 2 - 1, label, kInk);
}

bool Inside(const Button& b, int x, int y) {
  return x >= b.x && x < b.x + b.w && y >= b.y && y < b.y + b.h;
}

bool ModalOpen(Modal* m, int width, int height, const char* caption1251) {
  m->font = LoadFont(&m->wide);
  m->lineH = m->font ? m->font->ascent + m->font->descent + 2 : 15;
  m->ascent = m->font ? m->font->ascent : 11;
  m->width = width;
  m->height = height;
  // Centred over the game window when there is one, else on the screen.
  int cx = DisplayWidth(gX.dpy, gX.screen) / 2, cy = DisplayHeight(gX.dpy, gX.screen) / 2;
  if (gPlat.hasWindow) {
    cx = gPlat.winX + gPlat.winW / 2;
    cy = gPlat.winY + gPlat.winH / 2;
  }
  X11_TrapBegin();
  m->w = XCreateSimpleWindow(gX.dpy, gX.root, std::max(0, cx - width / 2), std::max(0, cy - height / 2),
                             (unsigned)width, (unsigned)height, 1, kFrame, kBack);
  if (X11_TrapEnd() || !m->w) {
    if (m->font) XFreeFont(gX.dpy, m->font);
    return false;
  }
  XSelectInput(gX.dpy, m->w,
               ExposureMask | KeyPressMask | ButtonPressMask | ButtonReleaseMask | Button1MotionMask |
                   StructureNotifyMask);
  XSetWMProtocols(gX.dpy, m->w, &gX.wmDelete, 1);
  if (gX.win) XSetTransientForHint(gX.dpy, m->w, gX.win);
  XSizeHints* sh = XAllocSizeHints();
  sh->flags = PMinSize | PMaxSize;
  sh->min_width = sh->max_width = width;
  sh->min_height = sh->max_height = height;
  XSetWMNormalHints(gX.dpy, m->w, sh);
  XFree(sh);
  std::string utf8 = Plat_Utf8From1251(caption1251);
  XStoreName(gX.dpy, m->w, Narrow(caption1251).c_str());
  XChangeProperty(gX.dpy, m->w, gX.netWmName, gX.utf8, 8, PropModeReplace,
                  (const unsigned char*)utf8.data(), (int)utf8.size());
  m->gc = XCreateGC(gX.dpy, m->w, 0, nullptr);
  if (m->font) XSetFont(gX.dpy, m->gc, m->font->fid);
  X11_MapAndFocus(m->w);
  return true;
}

void ModalClose(Modal* m) {
  XFreeGC(gX.dpy, m->gc);
  XDestroyWindow(gX.dpy, m->w);
  if (m->font) XFreeFont(gX.dpy, m->font);
  XSync(gX.dpy, False);
  // The focus goes back to the game window.
  if (gX.win && gX.mapped) {
    X11_TrapBegin();
    XSetInputFocus(gX.dpy, gX.win, RevertToParent, CurrentTime);
    X11_TrapEnd();
  }
}

// The next event of the modal window; everything else is handled as usual on the way.
void ModalNext(Modal* m, XEvent* ev) {
  for (;;) {
    XNextEvent(gX.dpy, ev);
    if (XFilterEvent(ev, 0)) continue;
    if (ev->xany.window == m->w && ev->type != SelectionRequest && ev->type != SelectionClear) return;
    X11_HandleEvent(ev);
  }
}

bool IsClose(XEvent* ev) {
  return ev->type == ClientMessage && ev->xclient.message_type == gX.wmProtocols &&
         (Atom)ev->xclient.data.l[0] == gX.wmDelete;
}

KeySym KeyOf(XEvent* ev) { return XLookupKeysym(&ev->xkey, 0); }

std::vector<std::string> SplitLines(const std::string& s) {
  std::vector<std::string> lines(1);
  for (char c : s) {
    if (c == '\n') lines.emplace_back();
    else if (c != '\r') lines.back().push_back(c);
  }
  return lines;
}

}  // namespace

int X11_MessageBox(const char* text, const char* caption, int flags) {
  bool yesNo = (flags & 0x0F) == MB_YESNO;
  int fallback = yesNo ? IDNO : IDOK;
  if (!gX.dpy) return fallback;
  std::vector<std::string> lines = SplitLines(text);
  Modal m = {};
  // Size from the text, measured with the font the window will use.
  bool wide;
  XFontStruct* probe = LoadFont(&wide);
  Modal measure = {};
  measure.font = probe;
  measure.wide = wide;
  int textW = 0;
  for (const std::string& l : lines) textW = std::max(textW, TextWidth(&measure, l));
  int lineH = probe ? probe->ascent + probe->descent + 2 : 15;
  if (probe) XFreeFont(gX.dpy, probe);
  bool icon = (flags & 0xF0) != 0;
  int width = std::min(std::max(textW + 40 + (icon ? 40 : 0), 240), 1200);
  int height = std::min((int)lines.size() * lineH + 80, 900);
  if (!ModalOpen(&m, width, height, caption)) return fallback;

  std::vector<Button> buttons;
  int by = height - 40;
  if (yesNo) {
    buttons.push_back({width / 2 - 90, by, 80, 26, "Yes", IDYES});
    buttons.push_back({width / 2 + 10, by, 80, 26, "No", IDNO});
  } else {
    buttons.push_back({width / 2 - 40, by, 80, 26, "OK", IDOK});
  }
  int focus = 0, result = 0;
  while (!result) {
    XEvent ev;
    ModalNext(&m, &ev);
    switch (ev.type) {
      case Expose:
        if (ev.xexpose.count) break;
        Fill(&m, 0, 0, width, height, kBack);
        if (icon) {
          Fill(&m, 16, 16, 24, 24, (flags & 0xF0) == MB_ICONEXCLAMATION ? 0xE0A000 : 0x3070D0);
          DrawText(&m, 25, 16 + (24 + m.ascent) / 2 - 1,
                   (flags & 0xF0) == MB_ICONEXCLAMATION ? "!" : "i", kWhite);
        }
        for (size_t i = 0; i < lines.size(); i++)
          DrawText(&m, (icon ? 56 : 20), 20 + m.ascent + (int)i * m.lineH, lines[i], kInk);
        for (size_t i = 0; i < buttons.size(); i++) DrawButton(&m, buttons[i], (int)i == focus);
        break;
      case ButtonPress:
        if (ev.xbutton.button != Button1) break;
        for (const Button& b : buttons)
          if (Inside(b, ev.xbutton.x, ev.xbutton.y)) result = b.id;
        break;
      case KeyPress: {
        KeySym ks = KeyOf(&ev);
        if (ks == XK_Return || ks == XK_KP_Enter || ks == XK_space) result = buttons[(size_t)focus].id;
        else if (ks == XK_Escape) result = fallback;
        else if (yesNo && ks == XK_y) result = IDYES;
        else if (yesNo && ks == XK_n) result = IDNO;
        else if (ks == XK_Tab || ks == XK_Left || ks == XK_Right) {
          focus = (focus + 1) % (int)buttons.size();
          XClearArea(gX.dpy, m.w, 0, 0, 0, 0, True);
        }
        break;
      }
      case ClientMessage:
        if (IsClose(&ev)) result = fallback;
        break;
    }
  }
  ModalClose(&m);
  return result;
}

// ---- file dialogs ----

namespace {

struct DirEntry {
  std::string name;  // 1251
  bool dir;
};

std::string DirPart(const std::string& entry) {
  size_t slash = entry.rfind('/');
  return slash == std::string::npos ? std::string() : entry.substr(0, slash + 1);
}

std::vector<DirEntry> ListDir(const std::string& dir1251) {
  std::vector<DirEntry> out;
  std::string fs = Plat_Utf8From1251(dir1251.empty() ? std::string(".") : dir1251);
  DIR* d = opendir(fs.c_str());
  if (!d) return out;
  while (dirent* e = readdir(d)) {
    std::string name = e->d_name;
    if (name == ".") continue;
    struct stat st;
    std::string full = fs + (fs.empty() || fs.back() == '/' ? "" : "/") + name;
    bool isDir = stat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    out.push_back({Plat_1251FromUtf8(name), isDir});
    if (out.size() >= 5000) break;  // a huge folder is shown in part
  }
  closedir(d);
  std::sort(out.begin(), out.end(), [](const DirEntry& a, const DirEntry& b) {
    if (a.dir != b.dir) return a.dir;
    return a.name < b.name;
  });
  return out;
}

}  // namespace

int X11_FileDialog(char* path, int cap, const char* title, int save) {
  if (!gX.dpy) return 0;
  Modal m = {};
  const int width = 560, rows = 16;
  if (!ModalOpen(&m, width, 0 + 140 + rows * 16, save ? "Save" : "Open")) return 0;
  const int listY = 70, rowH = m.lineH, height = m.height;
  std::string entry = path;  // 1251
  size_t caret = entry.size();
  std::string shownDir = "\x01";
  std::vector<DirEntry> list;
  int scroll = 0;
  std::string error;
  Button ok = {width - 200, height - 40, 80, 26, save ? "Save" : "Open", 1};
  Button cancel = {width - 100, height - 40, 80, 26, "Cancel", 0};
  int result = -1;
  std::string filter = std::string(title) + " (*.*)";

  auto accept = [&]() {
    std::string fs = Plat_Utf8From1251(entry);
    struct stat st;
    bool exists = stat(fs.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {  // a folder is opened, not chosen
      if (!entry.empty() && entry.back() != '/') entry += '/';
      caret = entry.size();
      return;
    }
    if ((int)entry.size() > cap - 1) {
      error = "The name is too long.";
      return;
    }
    if (!save && !exists) {
      error = "The file does not exist.";
      return;
    }
    if (save) {
      std::string dir = DirPart(fs);
      if (entry.empty() || entry.back() == '/') {
        error = "Type a file name.";
        return;
      }
      if (!dir.empty() && !(stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode))) {
        error = "The folder does not exist.";
        return;
      }
    }
    result = 1;
  };

  while (result < 0) {
    std::string dir = DirPart(entry);
    if (dir != shownDir) {
      list = ListDir(dir);
      shownDir = dir;
      scroll = 0;
    }
    XEvent ev;
    ModalNext(&m, &ev);
    bool redraw = false;
    switch (ev.type) {
      case Expose:
        if (ev.xexpose.count == 0) redraw = true;
        break;
      case ButtonPress: {
        int x = ev.xbutton.x, y = ev.xbutton.y;
        if (ev.xbutton.button == Button4 || ev.xbutton.button == Button5) {
          scroll += ev.xbutton.button == Button4 ? -3 : 3;
        } else if (ev.xbutton.button == Button1) {
          if (Inside(ok, x, y)) accept();
          else if (Inside(cancel, x, y)) result = 0;
          else if (y >= listY && y < listY + rows * rowH) {
            size_t i = (size_t)(scroll + (y - listY) / rowH);
            if (i < list.size()) {
              if (list[i].name == "..") {
                std::string d = dir;
                if (d.empty() || d == "../" || (d.size() >= 3 && d.compare(d.size() - 3, 3, "../") == 0))
                  entry = d + "../";
                else {
                  d.pop_back();
                  entry = DirPart(d);
                }
              } else {
                entry = dir + list[i].name + (list[i].dir ? "/" : "");
              }
              caret = entry.size();
              error.clear();
            }
          }
        }
        redraw = true;
        break;
      }
      case KeyPress: {
        KeySym ks = KeyOf(&ev);
        error.clear();
        if (ks == XK_Return || ks == XK_KP_Enter) accept();
        else if (ks == XK_Escape) result = 0;
        else if (ks == XK_BackSpace) {
          if (caret > 0) entry.erase(--caret, 1);
        } else if (ks == XK_Delete || ks == XK_KP_Delete) {
          if (caret < entry.size()) entry.erase(caret, 1);
        } else if (ks == XK_Left) {
          if (caret > 0) caret--;
        } else if (ks == XK_Right) {
          if (caret < entry.size()) caret++;
        } else if (ks == XK_Home) caret = 0;
        else if (ks == XK_End) caret = entry.size();
        else if (ks == XK_Page_Up) scroll -= rows;
        else if (ks == XK_Page_Down) scroll += rows;
        else {
          std::string typed = X11_KeyChars(&ev.xkey);
          for (char c : typed) {
            if ((unsigned char)c < 0x20 || entry.size() >= 4095) continue;
            entry.insert(caret++, 1, c);
          }
        }
        redraw = true;
        break;
      }
      case ClientMessage:
        if (IsClose(&ev)) result = 0;
        break;
    }
    int maxScroll = std::max(0, (int)list.size() - rows);
    scroll = std::clamp(scroll, 0, maxScroll);
    if (!redraw || result >= 0) continue;
    Fill(&m, 0, 0, width, height, kBack);
    DrawText(&m, 12, 8 + m.ascent, filter, kInk);
    Fill(&m, 10, 30, width - 20, rowH + 8, kWhite);
    Frame(&m, 10, 30, width - 20, rowH + 8, kFocus);
    // The entry scrolls so that the caret stays visible.
    size_t first = 0;
    while (first < caret && TextWidth(&m, entry.substr(first, caret - first)) > width - 40) first++;
    std::string visible = entry.substr(first);
    DrawText(&m, 14, 34 + m.ascent, visible, kInk);
    int cx = 14 + TextWidth(&m, entry.substr(first, caret - first));
    Fill(&m, cx, 33, 1, rowH + 2, kInk);
    Fill(&m, 10, listY, width - 20, rows * rowH, kWhite);
    for (int r = 0; r < rows && scroll + r < (int)list.size(); r++) {
      const DirEntry& e = list[(size_t)(scroll + r)];
      DrawText(&m, 16, listY + r * rowH + m.ascent, e.name + (e.dir ? "/" : ""), e.dir ? kFocus : kInk);
    }
    Frame(&m, 10, listY, width - 20, rows * rowH, kFrame);
    if (!error.empty()) DrawText(&m, 12, height - 22, error, kError);
    DrawButton(&m, ok, false);
    DrawButton(&m, cancel, false);
  }
  ModalClose(&m);
  if (result == 1) memcpy(path, entry.c_str(), entry.size() + 1);
  return result == 1 ? 1 : 0;
}

// ---- colour chooser ----

int X11_ChooseColor(unsigned* colour, unsigned custom[16]) {
  if (!gX.dpy) return 0;
  Modal m = {};
  const int width = 440, height = 250;
  if (!ModalOpen(&m, width, height, "Colour")) return 0;
  int ch[3] = {(int)(*colour & 0xFF), (int)((*colour >> 8) & 0xFF), (int)((*colour >> 16) & 0xFF)};
  const int barX = 120, barY = 16, barH = 22, barGap = 30;
  const int swY = 120, sw = 24, swGap = 4;
  int channel = 0, drag = -1, slot = 0, result = -1;
  Button add = {16, 196, 120, 26, "Add to custom", 2};
  Button ok = {width - 200, 196, 80, 26, "OK", 1};
  Button cancel = {width - 100, 196, 80, 26, "Cancel", 0};
  auto current = [&]() { return (unsigned)ch[0] | (unsigned)ch[1] << 8 | (unsigned)ch[2] << 16; };
  auto rgb = [](unsigned c) {
    return (unsigned long)((c & 0xFF) << 16 | (c & 0xFF00) | ((c >> 16) & 0xFF));
  };

  while (result < 0) {
    XEvent ev;
    ModalNext(&m, &ev);
    bool redraw = false;
    switch (ev.type) {
      case Expose: redraw = ev.xexpose.count == 0; break;
      case ButtonPress: {
        if (ev.xbutton.button != Button1) break;
        int x = ev.xbutton.x, y = ev.xbutton.y;
        for (int c = 0; c < 3; c++)
          if (y >= barY + c * barGap && y < barY + c * barGap + barH && x >= barX - 4 &&
              x < barX + 260) {
            drag = channel = c;
            ch[c] = std::clamp(x - barX, 0, 255);
          }
        for (int i = 0; i < 16; i++) {
          int sx = 16 + (i % 8) * (sw + swGap), sy = swY + (i / 8) * (sw + swGap);
          if (x >= sx && x < sx + sw && y >= sy && y < sy + sw) {
            slot = i;
            ch[0] = (int)(custom[i] & 0xFF);
            ch[1] = (int)((custom[i] >> 8) & 0xFF);
            ch[2] = (int)((custom[i] >> 16) & 0xFF);
          }
        }
        if (Inside(add, x, y)) {
          custom[slot] = current();
          slot = (slot + 1) % 16;
        }
        if (Inside(ok, x, y)) result = 1;
        if (Inside(cancel, x, y)) result = 0;
        redraw = true;
        break;
      }
      case MotionNotify:
        if (drag >= 0) {
          ch[drag] = std::clamp(ev.xmotion.x - barX, 0, 255);
          redraw = true;
        }
        break;
      case ButtonRelease: drag = -1; break;
      case KeyPress: {
        KeySym ks = KeyOf(&ev);
        if (ks == XK_Return || ks == XK_KP_Enter) result = 1;
        else if (ks == XK_Escape) result = 0;
        else if (ks == XK_Up) channel = (channel + 2) % 3;
        else if (ks == XK_Down || ks == XK_Tab) channel = (channel + 1) % 3;
        else if (ks == XK_Left) ch[channel] = std::max(0, ch[channel] - 1);
        else if (ks == XK_Right) ch[channel] = std::min(255, ch[channel] + 1);
        else if (ks == XK_Page_Down) ch[channel] = std::max(0, ch[channel] - 16);
        else if (ks == XK_Page_Up) ch[channel] = std::min(255, ch[channel] + 16);
        redraw = true;
        break;
      }
      case ClientMessage:
        if (IsClose(&ev)) result = 0;
        break;
    }
    if (!redraw || result >= 0) continue;
    Fill(&m, 0, 0, width, height, kBack);
    Fill(&m, 16, 16, 84, 84, rgb(current()));
    Frame(&m, 16, 16, 84, 84, kFrame);
    static const char* names[3] = {"R", "G", "B"};
    for (int c = 0; c < 3; c++) {
      int y = barY + c * barGap;
      for (int v = 0; v < 256; v += 4) {
        unsigned col = 0;
        col |= (unsigned)v << (8 * c);
        Fill(&m, barX + v, y, 4, barH, rgb(col));
      }
      Frame(&m, barX, y, 256, barH, c == channel ? kFocus : kFrame);
      Fill(&m, barX + ch[c] - 1, y - 2, 3, barH + 4, kWhite);
      Frame(&m, barX + ch[c] - 2, y - 3, 4, barH + 5, kInk);
      char num[16];
      snprintf(num, sizeof num, "%s %3d", names[c], ch[c]);
      DrawText(&m, barX + 266, y + (barH + m.ascent) / 2 - 1, num, kInk);
    }
    for (int i = 0; i < 16; i++) {
      int sx = 16 + (i % 8) * (sw + swGap), sy = swY + (i / 8) * (sw + swGap);
      Fill(&m, sx, sy, sw, sw, rgb(custom[i]));
      Frame(&m, sx, sy, sw, sw, i == slot ? kFocus : kFrame);
    }
    DrawButton(&m, add, false);
    DrawButton(&m, ok, false);
    DrawButton(&m, cancel, false);
  }
  ModalClose(&m);
  if (result == 1) *colour = current();
  return result == 1 ? 1 : 0;
}
