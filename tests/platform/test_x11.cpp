// The x11 backend against a private Xvfb server: window, keys through XTest, characters, mouse,
// focus, minimise, close, and the clipboard both ways. Skipped when Xvfb is not installed.
#include <gtest/gtest.h>

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <GL/gl.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <atomic>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "test_files.h"
#include "xvfb_fixture.h"

namespace {

class X11Test : public ::testing::Test {
 protected:
  XvfbServer xvfb;
  Display* t = nullptr;  // the test's own connection, acting as the user and other programs
  std::string display;

  void SetUp() override {
    // Threads of the tests play the user on connections of their own while the layer uses its
    // own: Xlib then needs its locks.
    XInitThreads();
    const char* bin = FindXvfb();
    if (!bin) GTEST_SKIP() << "no Xvfb binary";
    std::string err = xvfb.Start(bin);
    ASSERT_EQ(err, "");
    display = xvfb.display;
    setenv("DISPLAY", display.c_str(), 1);
    setenv("TOLV_VIDEO", "x11", 1);
    XSetErrorHandler(IgnoreXError);  // the backend installs its own once it opens the display
    t = XOpenDisplay(display.c_str());
    ASSERT_NE(t, nullptr);
    Plat_Shutdown();
  }

  void TearDown() override {
    Plat_Shutdown();
    if (t) XCloseDisplay(t);
    xvfb.Stop();
  }

  // Pumps the layer until the message arrives (true) or the wait's limit passes.
  bool WaitFor(unsigned message, PlatMsg* out = nullptr) {
    bool found = false;
    WaitUntil([&] {
      PlatMsg m;
      while (!found && Plat_PeekMessage(&m)) {
        if (m.message == message) {
          if (out) *out = m;
          found = true;
        }
      }
      return found;
    });
    return found;
  }

  // Everything the window received up to a marker key tapped now: the server delivers in order, so
  // once the marker's release is here, everything sent before it has come. The window must hold
  // the focus; the marker's own messages are left out.
  std::vector<PlatMsg> Drain() {
    Key(XK_F12, true);
    Key(XK_F12, false);
    std::vector<PlatMsg> all;
    bool marker = false;
    WaitUntil([&] {
      PlatMsg m;
      while (!marker && Plat_PeekMessage(&m)) {
        if ((m.message == WM_KEYDOWN || m.message == WM_KEYUP) && m.wparam == (uintptr_t)VK_F12)
          marker = m.message == WM_KEYUP;
        else all.push_back(m);
      }
      return marker;
    });
    EXPECT_TRUE(marker) << "the marker key never came";
    return all;
  }

  // Pumps the layer, handing every message to take, until done() answers true (true) or the
  // wait's limit passes: for what comes without the focus.
  template <class Take, class Done>
  bool PumpUntil(Take take, Done done) {
    return WaitUntil([&] {
      PlatMsg m;
      while (Plat_PeekMessage(&m)) take(m);
      return done();
    });
  }

  void Key(KeySym ks, bool down) {
    XTestFakeKeyEvent(t, XKeysymToKeycode(t, ks), down, 0);
    XSync(t, False);
  }

  void StartWindow() {
    ASSERT_EQ(Plat_Init(), 1);
    ASSERT_EQ(Plat_Backend(), PLAT_X11);
    ASSERT_EQ(Plat_CreateWindow(0, 0, 320, 240, "tolv"), PLAT_CREATE_OK);
    Plat_ShowWindow();
    ASSERT_TRUE(WaitFor(WM_SETFOCUS));
  }

  Window OurWindow() {
    Window focus;
    int revert;
    XGetInputFocus(t, &focus, &revert);
    return focus;
  }
};

// The word parameters of the messages of one kind, in order.
std::vector<uintptr_t> Params(const std::vector<PlatMsg>& v, unsigned message) {
  std::vector<uintptr_t> out;
  for (const PlatMsg& m : v)
    if (m.message == message) out.push_back(m.wparam);
  return out;
}
size_t CountMsg(const std::vector<PlatMsg>& v, unsigned message) { return Params(v, message).size(); }

}  // namespace

TEST_F(X11Test, KeysCharactersAndPolling) {
  StartWindow();
  EXPECT_EQ(Plat_IsActive(), 1);
  glClearColor(0, 1, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  Plat_SwapBuffers();

  Key(XK_a, true);
  PlatMsg m;
  ASSERT_TRUE(WaitFor(WM_KEYDOWN, &m));
  EXPECT_EQ(m.wparam, (uintptr_t)'A');
  EXPECT_EQ(m.lparam & (1 << 30), 0);
  EXPECT_EQ(Plat_KeyIsDown('A'), 1);
  ASSERT_TRUE(WaitFor(WM_CHAR, &m));
  EXPECT_EQ(m.wparam, (uintptr_t)'a');
  Key(XK_a, false);
  ASSERT_TRUE(WaitFor(WM_KEYUP, &m));
  EXPECT_EQ(m.wparam, (uintptr_t)'A');
  EXPECT_EQ(Plat_KeyIsDown('A'), 0);

  // Shift gives capitals; the shift key is both VK_SHIFT and VK_LSHIFT when polled.
  Key(XK_Shift_L, true);
  ASSERT_TRUE(WaitFor(WM_KEYDOWN, &m));
  EXPECT_EQ(m.wparam, (uintptr_t)VK_SHIFT);
  EXPECT_EQ(Plat_KeyIsDown(VK_SHIFT), 1);
  EXPECT_EQ(Plat_KeyIsDown(VK_LSHIFT), 1);
  EXPECT_EQ(Plat_KeyIsDown(VK_RSHIFT), 0);
  Key(XK_a, true);
  ASSERT_TRUE(WaitFor(WM_CHAR, &m));
  EXPECT_EQ(m.wparam, (uintptr_t)'A');
  Key(XK_a, false);
  Key(XK_Shift_L, false);

  // Enter types 13; Delete types nothing.
  Key(XK_Return, true);
  Key(XK_Return, false);
  Key(XK_Delete, true);
  Key(XK_Delete, false);
  std::vector<PlatMsg> all = Drain();
  EXPECT_EQ(Params(all, WM_KEYDOWN), (std::vector<uintptr_t>{VK_RETURN, VK_DELETE}));
  EXPECT_EQ(Params(all, WM_CHAR), std::vector<uintptr_t>{13});

  // Alt and keys under it are system keys and type nothing.
  Key(XK_Alt_L, true);
  Key(XK_f, true);
  Key(XK_f, false);
  Key(XK_Alt_L, false);
  all = Drain();
  EXPECT_EQ(CountMsg(all, WM_KEYDOWN), 0u);
  EXPECT_EQ(CountMsg(all, WM_CHAR), 0u);
  EXPECT_EQ(CountMsg(all, WM_SYSKEYDOWN), 2u);
  for (const PlatMsg& g : all) {
    if (g.message != WM_SYSKEYDOWN) continue;
    EXPECT_NE(g.lparam & kKeyAltHeld, 0);  // Alt+F4 closes by it
  }
}

TEST_F(X11Test, CyrillicKeysTypeWindows1251) {
  StartWindow();
  // Put a Cyrillic letter alone on a free key code: no virtual key, one 1251 character.
  const KeyCode free = SpareKey(t);
  ASSERT_NE(free, 0);
  KeySym ef[2] = {XK_Cyrillic_ef, XK_Cyrillic_EF};
  XChangeKeyboardMapping(t, free, 2, ef, 1);
  XSync(t, False);
  Drain();  // the mapping change reaches the layer
  TapCode(t, free);
  std::vector<PlatMsg> all = Drain();
  EXPECT_EQ(Params(all, WM_CHAR), std::vector<uintptr_t>{0xF4});  // ф
  EXPECT_EQ(CountMsg(all, WM_KEYDOWN), 0u);
}

// A Cyrillic first layout still gives the letter and punctuation keys the virtual keys of their
// place on the keyboard, as the desktop does, so letter commands and Ctrl+C work; the characters
// typed are the layout's own.
TEST_F(X11Test, KeysKeepTheirVirtualKeysUnderANonLatinFirstLayout) {
  if (access("/usr/bin/setxkbmap", X_OK) != 0) GTEST_SKIP() << "no setxkbmap";
  StartWindow();
  struct Place {
    const char* name;  // the key's place
    int vk;
    unsigned char typed;  // Windows-1251, Russian layout
  };
  const Place places[] = {{"AC01", 'A', 0xF4},
                          {"AD01", 'Q', 0xE9},
                          {"AB03", 'C', 0xF1},
                          {"AC10", VK_OEM_1, 0xE6},
                          {"AB08", VK_OEM_COMMA, 0xE1}};
  for (const char* layout : {"ru,us", "ru"}) {
    std::string cmd = std::string("setxkbmap -display ") + display + " -layout " + layout;
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    Drain();  // the new mapping reaches the layer
    XkbDescPtr xkb = XkbGetMap(t, 0, XkbUseCoreKbd);
    ASSERT_NE(xkb, nullptr);
    ASSERT_EQ(XkbGetNames(t, XkbKeyNamesMask, xkb), Success);
    for (const Place& p : places) {
      int kc = 0;
      for (int k = xkb->min_key_code; k <= xkb->max_key_code && !kc; k++)
        if (strncmp(xkb->names->keys[k].name, p.name, XkbKeyNameLength) == 0) kc = k;
      ASSERT_NE(kc, 0) << p.name;
      TapCode(t, (KeyCode)kc);
      const std::vector<PlatMsg> all = Drain();
      EXPECT_EQ(Params(all, WM_KEYDOWN), std::vector<uintptr_t>{(uintptr_t)p.vk})
          << layout << " " << p.name;
      EXPECT_EQ(Params(all, WM_CHAR), std::vector<uintptr_t>{p.typed}) << layout << " " << p.name;
    }
    XkbFreeKeyboard(xkb, 0, True);
  }
}

// AltGr chooses characters (as Ctrl+Alt does on the desktop): what it types arrives, and the keys
// under it are no system keys.
TEST_F(X11Test, AltGrTypesItsCharacters) {
  if (access("/usr/bin/setxkbmap", X_OK) != 0) GTEST_SKIP() << "no setxkbmap";
  StartWindow();
  std::string cmd = std::string("setxkbmap -display ") + display + " -layout de";
  ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
  Drain();
  Key(XK_ISO_Level3_Shift, true);
  for (KeySym ks : {XK_q, XK_e}) TapKey(t, ks);
  Key(XK_ISO_Level3_Shift, false);
  std::vector<PlatMsg> all = Drain();
  EXPECT_EQ(Params(all, WM_CHAR), (std::vector<uintptr_t>{'@', 0x88}));  // the euro sign in Windows-1251
  EXPECT_EQ(CountMsg(all, WM_SYSKEYDOWN), 0u);
  EXPECT_EQ(CountMsg(all, WM_KEYDOWN), 3u);
}

TEST_F(X11Test, MouseFocusMinimiseAndClose) {
  StartWindow();
  Window ours = OurWindow();
  XTestFakeMotionEvent(t, 0, 50, 60, 0);
  XTestFakeButtonEvent(t, 1, True, 0);
  XSync(t, False);
  PlatMsg m;
  ASSERT_TRUE(WaitFor(WM_LBUTTONDOWN, &m));
  EXPECT_EQ(m.lparam & 0xFFFF, 50);
  EXPECT_EQ((m.lparam >> 16) & 0xFFFF, 60);
  EXPECT_EQ(Plat_KeyIsDown(VK_LBUTTON), 1);
  int x, y;
  Plat_CursorPos(&x, &y);
  EXPECT_EQ(x, 50);
  EXPECT_EQ(y, 60);
  XTestFakeButtonEvent(t, 1, False, 0);
  XTestFakeButtonEvent(t, 3, True, 0);
  XSync(t, False);
  ASSERT_TRUE(WaitFor(WM_RBUTTONDOWN));
  EXPECT_EQ(Plat_KeyIsDown(VK_RBUTTON), 1);
  XTestFakeButtonEvent(t, 3, False, 0);
  XSync(t, False);
  ASSERT_TRUE(WaitFor(WM_RBUTTONUP));

  // Moving the window moves its origin on the screen.
  Plat_MoveWindow(20, 30, 320, 240);
  int wx = -1, wy = -1;
  PumpUntil([](const PlatMsg&) {},
            [&] {
              Plat_WindowRect(&wx, &wy, nullptr, nullptr);
              return wx == 20 && wy == 30;
            });
  EXPECT_EQ(wx, 20);
  EXPECT_EQ(wy, 30);

  XSetInputFocus(t, PointerRoot, RevertToPointerRoot, CurrentTime);
  XSync(t, False);
  ASSERT_TRUE(WaitFor(WM_KILLFOCUS));
  EXPECT_EQ(Plat_IsActive(), 0);

  XUnmapWindow(t, ours);
  XSync(t, False);
  ASSERT_TRUE(WaitFor(WM_SIZE, &m));
  EXPECT_EQ(m.wparam, SIZE_MINIMIZED);
  EXPECT_EQ(Plat_IsMinimised(), 1);
  XMapWindow(t, ours);
  XSync(t, False);
  ASSERT_TRUE(WaitFor(WM_SIZE, &m));
  EXPECT_EQ(m.wparam, SIZE_RESTORED);
  EXPECT_EQ(Plat_IsMinimised(), 0);

  // The close button of a window manager arrives as the delete-window protocol.
  SendDeleteWindow(t, ours);
  EXPECT_TRUE(WaitFor(WM_CLOSE));
  EXPECT_EQ(Plat_ShowCursor(0), -1);  // hiding and showing the cursor on a real window
  EXPECT_EQ(Plat_ShowCursor(1), 0);
}

// Minimised as the desktop reports it: whatever order the server's events come in, the messages
// leave the window procedure's activity flag off until the window is restored. The flag's rules,
// from the window procedure: size minimised clears it, size restored and the focus set it, an
// activation sets it unless its high word says minimised.
TEST_F(X11Test, MinimisingIsSeenAsMinimisedWhetherUnmappedOrHiddenByTheWindowManager) {
  StartWindow();
  Window ours = OurWindow();
  int active = 1;
  auto play = [&](const std::vector<PlatMsg>& all) {
    for (const PlatMsg& m : all) {
      if (m.message == WM_SIZE && m.wparam == SIZE_MINIMIZED) active = 0;
      if (m.message == WM_SIZE && m.wparam == SIZE_RESTORED) active = 1;
      if (m.message == WM_ACTIVATE && ((m.wparam >> 16) & 0xFFFF) == 0) active = 1;
      if (m.message == WM_SETFOCUS) active = 1;
    }
  };
  // Each step waits for the state it leads to; a message arriving against it afterwards would
  // show in the next step's start.
  auto until = [&](int wantActive, int wantMinimised) {
    return PumpUntil([&](const PlatMsg& m) { play({m}); },
                     [&] { return active == wantActive && Plat_IsMinimised() == wantMinimised; });
  };
  // Unmapped while it holds the focus (the focus leaves after the unmap).
  XUnmapWindow(t, ours);
  XSync(t, False);
  EXPECT_TRUE(until(0, 1));
  EXPECT_EQ(active, 0);
  EXPECT_EQ(Plat_IsMinimised(), 1);
  XMapWindow(t, ours);
  XSync(t, False);
  XSetInputFocus(t, ours, RevertToParent, CurrentTime);
  XSync(t, False);
  EXPECT_TRUE(until(1, 0));
  EXPECT_EQ(active, 1);
  EXPECT_EQ(Plat_IsMinimised(), 0);

  // A window manager that keeps the window mapped marks it iconic and hidden instead.
  Atom wmState = XInternAtom(t, "WM_STATE", False), net = XInternAtom(t, "_NET_WM_STATE", False);
  Atom hidden = XInternAtom(t, "_NET_WM_STATE_HIDDEN", False);
  long iconic[2] = {IconicState, 0};
  XChangeProperty(t, ours, wmState, wmState, 32, PropModeReplace, (unsigned char*)iconic, 2);
  XChangeProperty(t, ours, net, XA_ATOM, 32, PropModeReplace, (unsigned char*)&hidden, 1);
  XSetInputFocus(t, PointerRoot, RevertToPointerRoot, CurrentTime);
  XSync(t, False);
  EXPECT_TRUE(until(0, 1));
  EXPECT_EQ(active, 0);
  EXPECT_EQ(Plat_IsMinimised(), 1);
  long normal[2] = {NormalState, 0};
  XChangeProperty(t, ours, wmState, wmState, 32, PropModeReplace, (unsigned char*)normal, 2);
  XDeleteProperty(t, ours, net);
  XSync(t, False);
  EXPECT_TRUE(until(1, 0));
  EXPECT_EQ(active, 1);
  EXPECT_EQ(Plat_IsMinimised(), 0);
}

TEST_F(X11Test, ClipboardServedAndFetched) {
  ASSERT_EQ(Plat_Init(), 1);
  // Works before any game window exists.
  ASSERT_EQ(Plat_ClipboardSetText("строка1\r\nline2", 15), 1);
  EXPECT_EQ(Plat_ClipboardHasText(), 1);
  EXPECT_STREQ(Plat_ClipboardGetText(), "строка1\r\nline2");

  // Another program asks for UTF-8 and gets LF line breaks.
  Atom clipboard = XInternAtom(t, "CLIPBOARD", False), utf8 = XInternAtom(t, "UTF8_STRING", False);
  Atom prop = XInternAtom(t, "TEST_PROP", False), targets = XInternAtom(t, "TARGETS", False);
  Window tw = XCreateSimpleWindow(t, DefaultRootWindow(t), 0, 0, 1, 1, 0, 0, 0);
  XConvertSelection(t, clipboard, utf8, prop, tw, CurrentTime);
  XSync(t, False);
  XEvent ev;
  bool notified = WaitUntil([&] {
    PlatMsg m;
    Plat_PeekMessage(&m);  // our pump serves the request
    return XCheckTypedWindowEvent(t, tw, SelectionNotify, &ev) != 0;
  });
  ASSERT_TRUE(notified);
  ASSERT_EQ(ev.xselection.property, prop);
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  XGetWindowProperty(t, tw, prop, 0, 1024, True, AnyPropertyType, &type, &format, &count, &after, &data);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(std::string((char*)data, count),
            "\xD1\x81\xD1\x82\xD1\x80\xD0\xBE\xD0\xBA\xD0\xB0"
            "1\nline2");
  XFree(data);

  // Another program owns it: the layer fetches and converts to 1251 with CR LF.
  XSetSelectionOwner(t, clipboard, tw, CurrentTime);
  XSync(t, False);
  std::atomic<bool> stop{false};
  std::thread owner([&] {
    while (!stop) {
      XEvent e;
      if (XCheckTypedWindowEvent(t, tw, SelectionRequest, &e)) {
        XSelectionRequestEvent* r = &e.xselectionrequest;
        const char text[] = "\xD0\x81\xD0\xB6\nx";  // Ёж LF x
        if (r->target == targets) {                 // what every owner answers: the forms it offers
          Atom offered[2] = {targets, utf8};
          XChangeProperty(t, r->requestor, r->property, XA_ATOM, 32, PropModeReplace,
                          (const unsigned char*)offered, 2);
        } else {
          XChangeProperty(t, r->requestor, r->property, utf8, 8, PropModeReplace,
                          (const unsigned char*)text, (int)sizeof text - 1);
        }
        XSelectionEvent reply = {};
        reply.type = SelectionNotify;
        reply.requestor = r->requestor;
        reply.selection = r->selection;
        reply.target = r->target;
        reply.property = r->target == utf8 || r->target == targets ? r->property : 0;
        reply.time = r->time;
        XSendEvent(t, r->requestor, False, 0, (XEvent*)&reply);
        XSync(t, False);
      } else {
        Plat_SleepMs(2);
      }
    }
  });
  const char* got = Plat_ClipboardGetText();
  stop = true;
  owner.join();
  ASSERT_NE(got, nullptr);
  EXPECT_STREQ(got, "Ёж\r\nx");
  XDestroyWindow(t, tw);
}

TEST_F(X11Test, ClipboardTextOnlyWhenOfferedPiecesWholeAndOurCopyServedToXclip) {
  ASSERT_EQ(Plat_Init(), 1);
  Atom clipboard = XInternAtom(t, "CLIPBOARD", False);
  auto waitOwnerChange = [&](Window from) {
    Window w = 0;
    WaitUntil([&] {
      w = XGetSelectionOwner(t, clipboard);
      return w != 0 && w != from;
    });
    return w != from ? w : (Window)0;
  };
  // An owner that offers a picture only: no text to paste.
  ProcessGuard png(XclipOwner(display, "image/png", "\x89PNG not text", "clip_png.bin"));
  if (!png.pid) GTEST_SKIP() << "no xclip";
  Window first = waitOwnerChange(0);
  ASSERT_NE(first, 0u);
  EXPECT_EQ(Plat_ClipboardHasText(), 0);
  EXPECT_EQ(Plat_ClipboardGetText(), nullptr);

  // A text larger than one request of xclip's arrives in pieces, and whole.
  std::string big;
  for (int i = 0; big.size() < 1500000; i++)
    big += "\xD1\x81\xD1\x82\xD1\x80 line " + std::to_string(i) + "\n";
  ProcessGuard text(XclipOwner(display, "UTF8_STRING", big, "clip_big.txt"));
  ASSERT_NE(waitOwnerChange(first), 0u);
  png.Stop();
  EXPECT_EQ(Plat_ClipboardHasText(), 1);
  const char* got = Plat_ClipboardGetText();
  ASSERT_NE(got, nullptr);
  // What was sent, in Windows-1251 with CR LF.
  std::string w1251(big.size() + 1, '\0');
  Plat_Utf8To1251(big.c_str(), &w1251[0], (int)w1251.size());
  w1251.resize(strlen(w1251.c_str()));
  const std::string crlf = CrLf(w1251);
  EXPECT_EQ(strlen(got), crlf.size());
  EXPECT_TRUE(crlf == got);

  // What the game copied, another program pastes, as long as the game runs.
  ASSERT_EQ(Plat_ClipboardSetText("копия\r\nтекст", 12), 1);
  text.Stop();
  for (int round = 0; round < 2; round++) {
    std::string got = XclipRead(display, "clip_out" + std::to_string(round) + ".txt", [] {
      PlatMsg m;
      while (Plat_PeekMessage(&m)) {
      }  // our pump serves the request
    });
    EXPECT_EQ(got, "\xD0\xBA\xD0\xBE\xD0\xBF\xD0\xB8\xD1\x8F\n\xD1\x82\xD0\xB5\xD0\xBA\xD1\x81\xD1\x82");
  }
}

// The desktop's dialogs, as zenity shows them, answered by keys from a thread of the test: the
// size question before the window exists, a message tied to the window (its text shown as
// written, not as markup), the colour chooser, and a chosen name the game cannot hold.
TEST_F(X11Test, TheDesktopsQuestionMessageColourAndFileDialogs) {
  if (!HasZenity()) GTEST_SKIP() << "no zenity";
  QuietDialogs();
  ASSERT_EQ(Plat_Init(), 1);
  std::thread yes(AnswerDialogOn, display, "WindowSize", std::vector<DialogStep>{{0, XK_Return, ""}},
                  nullptr);
  EXPECT_EQ(Plat_MessageBox("Большое окно?\r\nBig window?", "WindowSize(Размер окна)", MB_YESNO), IDYES);
  yes.join();
  std::thread no(AnswerDialogOn, display, "WindowSize", std::vector<DialogStep>{{0, XK_Escape, ""}},
                 nullptr);
  EXPECT_EQ(Plat_MessageBox("Big window?", "WindowSize", MB_YESNO), IDNO);
  no.join();

  StartWindow();
  const Window ours = OurWindow();
  Window owner = 0, box = 0;
  std::thread message([&] {
    Display* u = XOpenDisplay(display.c_str());
    box = AnswerDialog(u, "Error", {});
    if (box) {
      XGetTransientForHint(u, box, &owner);
      AnswerWindow(u, box, {{0, XK_Return, ""}});
      EndDialog(u, box, XK_Return);
    }
    XCloseDisplay(u);
  });
  EXPECT_EQ(Plat_MessageBox("a<b & c", "Error", MB_OK | MB_ICONEXCLAMATION), IDOK);
  message.join();
  EXPECT_NE(box, 0u);
  EXPECT_EQ(owner, ours) << "the message is not tied to the game window";

  // The chooser's colour entry has the focus with the start colour selected: a colour typed over
  // it, Enter takes it, Alt+S the chooser's Select button.
  unsigned colour = 0x00302010, custom[16] = {};
  custom[3] = 0x00ABCDEF;
  std::vector<DialogStep> typed = {{XK_Shift_L, XK_3, ""}};  // #336699
  for (KeySym k : {XK_3, XK_3, XK_6, XK_6, XK_9, XK_9, XK_Return}) typed.push_back({0, k, ""});
  typed.push_back({XK_Alt_L, XK_s, ""});
  std::thread pick(AnswerDialogOn, display, "Colour", typed, nullptr);
  EXPECT_EQ(Plat_ChooseColor(&colour, custom), 1);
  pick.join();
  EXPECT_EQ(colour, 0x00996633u);
  EXPECT_EQ(custom[3], 0x00ABCDEFu);
  std::thread cancel(AnswerDialogOn, display, "Colour", std::vector<DialogStep>{{0, XK_Escape, ""}},
                     nullptr);
  EXPECT_EQ(Plat_ChooseColor(&colour, custom), 0);
  cancel.join();
  EXPECT_EQ(colour, 0x00996633u);

  // A save over a file that exists asks first: the question's Cancel goes back to the chooser,
  // its Replace answers the file.
  ASSERT_TRUE(WriteAll("kept.txt", "old"));
  char kept[512] = "kept.txt";
  Window cancelled = 0, replaced = 0;
  bool chooserStayed = false;
  std::thread replace([&] {
    Display* u = XOpenDisplay(display.c_str());
    const Window chooser = AnswerDialog(u, "Save", {});
    cancelled = AnswerReplaceQuestion(u, chooser, XK_Escape);
    chooserStayed = !WindowGone(u, chooser);
    if (chooserStayed) replaced = AnswerReplaceQuestion(u, chooser, XK_Return);
    if (!WaitUntil([&] { return WindowGone(u, chooser); })) SendDeleteWindow(u, chooser);
    XCloseDisplay(u);
  });
  EXPECT_EQ(Plat_SaveFileDialog(kept, sizeof kept, "Any type"), 1);
  replace.join();
  EXPECT_NE(cancelled, 0u) << "no question before a file is replaced";
  EXPECT_TRUE(chooserStayed) << "the question's Cancel did not go back to the chooser";
  EXPECT_NE(replaced, 0u);
  char cwd[256] = "";
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  EXPECT_EQ(std::string(kept), std::string(cwd) + "/kept.txt");

  // A file whose name has a letter without a Windows-1251 form: chosen, refused with a box, and
  // the dialog answers cancel.
  const std::string greek = "x_\xCE\xBB.txt";  // x_λ.txt
  ASSERT_TRUE(WriteAll(greek, "?"));
  Typist typist;
  ASSERT_TRUE(typist.Bind(t, greek));
  char path[256] = "";
  bool refused = false;
  std::thread open([&] {
    Display* u = XOpenDisplay(display.c_str());
    const Window chooser =
        AnswerDialog(u, "Open", {{XK_Control_L, XK_l, ""}, {0, 0, greek}, {0, XK_Return, ""}}, &typist);
    // The refusal comes in a window of its own once the chooser has gone.
    if (chooser) EndDialog(u, chooser, XK_Return);
    const Window box = AnswerDialog(u, "Open", {{0, XK_Return, ""}});
    if (box) EndDialog(u, box, XK_Return);
    refused = box != 0 && box != chooser;
    XCloseDisplay(u);
  });
  EXPECT_EQ(Plat_OpenFileDialog(path, sizeof path, "Any file"), 0);
  open.join();
  EXPECT_TRUE(refused);
  EXPECT_STREQ(path, "");
}

// Under a window manager (openbox, its stock configuration) the dialogs the game waits on stand
// above the game window and have the focus: as they open, after a click on the game window, after
// the game window takes the focus itself, and after the game window is minimised and restored as a
// task bar does it. zenity ties its boxes to the game window by itself, but not its file chooser,
// which fell behind the game window. The chooser comes through a zenity on PATH that runs the real
// one as its child, so that its windows name another process than the one the game started; other
// windows shown meanwhile are made the dialog's by what they say of their process and name, or left
// alone. After each move the test waits until the window manager has handled it, so a dialog left
// behind cannot pass for one brought back; a dialog is moved on only while it held, so that a
// failure ends within one wait.
TEST_F(X11Test, TheDialogsStayAboveTheGameWindowWithTheFocusUnderAWindowManager) {
  if (!HasZenity()) GTEST_SKIP() << "no zenity";
  if (!FindOpenbox()) GTEST_SKIP() << "no openbox";
  QuietDialogs();
  const std::filesystem::path home = TestScratchDir("x11_wm_");
  const std::string path = getenv("PATH") ? getenv("PATH") : "";
  ProcessGuard wm(StartOpenbox(display, home.string(), path));
  ASSERT_NE(wm.pid, 0);
  ASSERT_TRUE(WaitUntil([&] { return WindowManagerRuns(t); })) << ReadAll(home / "openbox.out");
  StartWindow();
  const Window ours = OurWindow();
  int width = 0, height = 0;
  Plat_WindowRect(nullptr, nullptr, &width, &height);

  // Windows another program shows while the chooser is open: the dialog's when they say its
  // process (by their client leader here, the chooser), or say none and are named zenity.
  struct Stranger {
    const char* name;
    long pid;     // its _NET_WM_PID, 0 for none
    bool leader;  // its client leader is the chooser
    bool adopted;
  };
  const Stranger strangers[] = {{"zenity", (long)getpid(), false, false},  // the game's own process
                                {"other", 0, false, false},
                                {"zenity", 0, false, true},
                                {"other", 0, true, true}};

  // The user, on a connection of its own while the layer waits on the dialog named caption; the
  // dialog is answered by the key end at last. failed names the first move after which the dialog
  // was not where it belongs.
  struct Seen {
    Window dialog = 0;
    std::string failed;
  };
  auto user = [&](const char* caption, KeySym end, bool withStrangers, Seen* seen) {
    Display* u = XOpenDisplay(display.c_str());
    Window dialog = 0;
    if (!WaitUntil([&] { return (dialog = ManagedNamed(u, caption)) != 0; }))
      return XCloseDisplay(u), void();
    seen->dialog = dialog;
    auto onTop = [&] { return StackedAbove(u, dialog, ours) && HasFocus(u, dialog); };
    auto clicked = [&] {
      // Moved off the game window's left part, where the click goes.
      XMoveWindow(u, dialog, width + 10, 10);
      int rx = 0, ry = 0;
      Window child;
      XTranslateCoordinates(u, ours, DefaultRootWindow(u), 40, 40, &rx, &ry, &child);
      XTestFakeMotionEvent(u, -1, rx, ry, 0);
      XSync(u, False);
      if (!WaitUntil([&] { return WindowUnderPointer(u) == ours; })) return false;
      XTestFakeButtonEvent(u, 1, True, 0);
      XTestFakeButtonEvent(u, 1, False, 0);
      XSync(u, False);
      return WindowManagerCaughtUp(u) && WaitUntil(onTop);
    };
    auto focusedBack = [&] {
      // Handed to the game window past the window manager: once the server has done it, only the
      // game can give the focus back to the dialog.
      XSetInputFocus(u, ours, RevertToParent, CurrentTime);
      XSync(u, False);
      return WaitUntil(onTop);
    };
    auto restored = [&] {
      ActivateAsPager(u, ours);
      return WaitUntil([&] { return !WindowGone(u, ours); }) && WindowManagerCaughtUp(u) &&
             WaitUntil(onTop);
    };
    auto strangersSorted = [&] {
      std::vector<Window> shown;
      for (const Stranger& s : strangers) {
        const Window w = XCreateSimpleWindow(u, DefaultRootWindow(u), 0, 0, 50, 50, 0, 0, 0);
        XClassHint hint = {const_cast<char*>(s.name), const_cast<char*>(s.name)};
        XSetClassHint(u, w, &hint);
        if (s.pid)
          XChangeProperty(u, w, XInternAtom(u, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace,
                          (const unsigned char*)&s.pid, 1);
        if (s.leader)
          XChangeProperty(u, w, XInternAtom(u, "WM_CLIENT_LEADER", False), XA_WINDOW, 32,
                          PropModeReplace, (const unsigned char*)&dialog, 1);
        XMapWindow(u, w);  // in the order of the table: the ones left alone come first
        shown.push_back(w);
      }
      XSync(u, False);
      auto owner = [&](size_t i) {
        Window over = 0;
        return XGetTransientForHint(u, shown[i], &over) ? over : (Window)0;
      };
      bool sorted = true;
      for (size_t i = 0; i < shown.size(); i++)
        if (strangers[i].adopted) sorted = sorted && WaitUntil([&] { return owner(i) == ours; });
      // The game looked at every window the window manager listed with the last one it took.
      for (size_t i = 0; i < shown.size(); i++) {
        if (strangers[i].adopted != (owner(i) == ours))
          ADD_FAILURE() << "a window named " << strangers[i].name << " with process " << strangers[i].pid
                        << (strangers[i].leader ? " through the chooser" : "")
                        << (strangers[i].adopted ? " was left alone" : " was taken");
        sorted = sorted && strangers[i].adopted == (owner(i) == ours);
        XDestroyWindow(u, shown[i]);
      }
      XSync(u, False);
      return sorted;
    };
    const std::vector<std::pair<const char*, std::function<bool()>>> moves = {
        {"opened below the game window or without the focus", [&] { return WaitUntil(onTop); }},
        {"is not a dialog of the game window",
         [&] {
           Window owner = 0;
           return WaitUntil([&] { return XGetTransientForHint(u, dialog, &owner) && owner == ours; });
         }},
        {"fell behind the game window after a click on it", clicked},
        {"left the focus with the game window that took it", focusedBack},
        {"saw the game window stay when it was minimised",
         [&] {
           XIconifyWindow(u, ours, DefaultScreen(u));
           XSync(u, False);
           return WaitUntil([&] { return WindowGone(u, ours); });
         }},
        {"fell behind the game window after its restore", restored},
        {"took a window of another process or left one of its own",
         [&] { return !withStrangers || strangersSorted(); }}};
    for (const auto& [failure, move] : moves) {
      if (move()) continue;
      seen->failed = failure;
      break;
    }
    AnswerWindow(u, dialog, {{0, end, ""}});
    EndDialog(u, dialog, end);
    XCloseDisplay(u);
  };

  // The zenity on PATH runs the real one as its child, as a script of the desktop's may.
  const std::filesystem::path wrapper = home / "wrapper";
  std::filesystem::create_directory(wrapper);
  ASSERT_TRUE(WriteAll(wrapper / "zenity", "#!/bin/sh\n/usr/bin/zenity \"$@\"\n"));
  std::filesystem::permissions(wrapper / "zenity", std::filesystem::perms::owner_all);
  setenv("PATH", (wrapper.string() + ":" + path).c_str(), 1);
  Seen chooser, box;
  std::thread open(user, "Open", XK_Escape, true, &chooser);
  char name[256] = "";
  EXPECT_EQ(Plat_OpenFileDialog(name, sizeof name, "Any file"), 0);
  open.join();
  setenv("PATH", path.c_str(), 1);
  std::thread message(user, "Error", XK_Return, false, &box);
  EXPECT_EQ(Plat_MessageBox("not saved", "Error", MB_OK | MB_ICONEXCLAMATION), IDOK);
  message.join();
  for (const auto& [what, seen] :
       {std::pair<const char*, Seen>{"the chooser", chooser}, {"the box", box}}) {
    EXPECT_NE(seen.dialog, 0u) << what << " never came";
    EXPECT_EQ(seen.failed, "") << what;
  }
}

// Without zenity a question answers No, a message goes to stderr and the log, a dialog answers
// cancel; the first of them says so in the log, once.
std::string gLogged;

void KeepLogLine(const char* fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  char line[1024];
  vsnprintf(line, sizeof line, fmt, ap);
  va_end(ap);
  gLogged += line;
}

TEST_F(X11Test, WithoutZenityQuestionsAnswerNoAndDialogsCancel) {
  std::string& lines = gLogged;
  lines.clear();
  Plat_SetLog(KeepLogLine);
  const std::string path = getenv("PATH") ? getenv("PATH") : "";
  setenv("PATH", "/nonexistent", 1);
  StartWindow();
  EXPECT_EQ(Plat_MessageBox("Big window?", "WindowSize", MB_YESNO), IDNO);
  EXPECT_EQ(Plat_MessageBox("not saved", "Error", MB_OK | MB_ICONEXCLAMATION), IDOK);
  char name[32] = "keep.txt";
  EXPECT_EQ(Plat_OpenFileDialog(name, sizeof name, "Any file"), 0);
  EXPECT_EQ(Plat_SaveFileDialog(name, sizeof name, "Any type"), 0);
  EXPECT_STREQ(name, "keep.txt");
  unsigned colour = 0x123456;
  EXPECT_EQ(Plat_ChooseColor(&colour, nullptr), 0);
  EXPECT_EQ(colour, 0x123456u);
  setenv("PATH", path.c_str(), 1);
  Plat_SetLog(nullptr);
  EXPECT_EQ(CountOf(lines, "zenity is not installed"), 1) << lines;
  EXPECT_NE(lines.find("\nError: not saved"), std::string::npos) << lines;
}
