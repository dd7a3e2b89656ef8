// The whole program on a real window under a private Xvfb: the window-size question answered by
// key, whose window it is, a key press in the game window, the close button, a clean exit; typing
// and the clipboard; a whole play session by keyboard and mouse with a file dialog; the desktop's
// file chooser with Russian names and its question before a file is replaced; Ctrl+C; the game
// waiting on an open dialog; zenity's chatter; Print under a window manager that binds it; and a
// machine without zenity. Each step waits for what it needs to see (the game's frames, a file, the
// clipboard), never for a fixed time. Skipped without Xvfb.
#include <gtest/gtest.h>

// The figure model first: Xlib's Status macro would rename its members.
#include "figures/fgrs.h"
#include "figures/stage.h"
#include "gm/fgr.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "picture.h"
#include "shell/clock.h"
#include "test_files.h"
#include "xvfb_fixture.h"

namespace fs = std::filesystem;

namespace {

// Generous: the sanitizer build starts several times slower, and the machine may be busy.
const int kStepMs = kXWaitMs;
// The reports of drawn frames a key or button is held for, and waited for after its release:
// the game reads the keys' state once a frame, and the first report may come from a frame that
// was drawn before the press.
const int kHoldFrames = 3;
// Window pixels (top-left origin) of the end of the upper text box's first row on the start screen.
constexpr int kRowEnd[2] = {300, 295};

class AppX11 : public ::testing::Test {
 protected:
  XvfbServer xvfb;
  Display* t = nullptr;  // the test's connection, acting as the user and the window manager
  FrameWatch frames;     // the game window's frames
  fs::path dir;
  pid_t app = -1;
  std::string path = getenv("PATH") ? getenv("PATH") : "";  // the program's PATH

  void SetUp() override {
    const char* bin = FindXvfb();
    if (!bin) GTEST_SKIP() << "no Xvfb binary";
    ASSERT_EQ(xvfb.Start(bin, "1024x768x24"), "");  // room for the largest game window
    XSetErrorHandler(IgnoreXError);
    t = XOpenDisplay(xvfb.display.c_str());
    ASSERT_NE(t, nullptr);
    XAutoRepeatOff(t);  // a key held over slow frames must not type again
    XSync(t, False);

    dir = TestScratchDir("x11_");
    CopyShippedData(dir);
  }

  void TearDown() override {
    if (app > 0) {  // a failed test must not leave the program behind
      kill(app, SIGKILL);
      waitpid(app, nullptr, 0);
    }
    frames.Stop();
    if (t) XCloseDisplay(t);
    xvfb.Stop();
  }

  void Launch() {
    app = fork();
    ASSERT_GE(app, 0);
    if (app == 0) {
      ChildStartIn(dir, "run.out");
      setenv("DISPLAY", xvfb.display.c_str(), 1);
      setenv("TOLV_VIDEO", "x11", 1);
      setenv("PATH", path.c_str(), 1);
      QuietDialogs();
      unsetenv("TOLV_SCRIPT");
      execl(TOLV_BIN, "tolv", (char*)nullptr);
      _exit(127);
    }
  }

  // Whether the program still runs (it is not reaped here).
  bool Alive() {
    if (app <= 0) return false;
    siginfo_t si = {};
    return waitid(P_PID, (id_t)app, &si, WEXITED | WNOHANG | WNOWAIT) == 0 && si.si_pid == 0;
  }

  // The program's exit code once it ends within ms, else -1 (it is then killed).
  int WaitExit(int ms) {
    int status = 0;
    if (!WaitUntil([&] { return waitpid(app, &status, WNOHANG) == app; }, ms)) return -1;
    app = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

  // The run, asked to end by `how`, ends cleanly (exit code 0) within the step's wait.
  void ExpectEnds(const char* how) {
    const int rc = WaitExit(kStepMs);
    ASSERT_NE(rc, -1) << "the program did not end after " << how << "\n" << Output();
    EXPECT_EQ(rc, 0) << Output();
  }

  std::string Log() { return ReadAll(dir / "uni_files" / "log.txt"); }
  // The run's log holds none of the words.
  void ExpectLogWithout(std::initializer_list<const char*> words) {
    const std::string log = Log();
    for (const char* w : words) EXPECT_EQ(log.find(w), std::string::npos) << w << " in\n" << log;
  }

  // Waits until the game window is mapped, holds the focus and has drawn its first frames (the
  // start screen's widgets are built before the first one).
  Window WaitGameWindow(int ms) {
    Window w = 0;
    WaitUntil(
        [&] {
          w = MappedNamed(t, "tolv");
          return (w && FocusedNamed(t, "tolv") == w) || !Alive();
        },
        ms);
    if (!w || FocusedNamed(t, "tolv") != w) return 0;
    if (!frames.Start(t, w)) {
      ADD_FAILURE() << "the X server reports no drawing (no damage extension)";
      return 0;
    }
    return Frames(kHoldFrames) ? w : 0;
  }

  // Starts the program, answers its window-size question by the key (Return for Yes, Escape for
  // No) and waits for its window.
  Window Start(KeySym answer) {
    Launch();
    std::thread user(AnswerDialogOn, xvfb.display, "WindowSize(",
                     std::vector<DialogStep>{{0, answer, ""}}, nullptr);
    Window w = WaitGameWindow(kStepMs);
    user.join();
    return w;
  }

  // Waits until the game has drawn n more frames; false when it did not or it ended.
  bool Frames(int n) {
    return frames.Frames(n, [&] { return Alive(); });
  }

  // A key pressed or released, then held so until the game has drawn frames with it.
  void Press(KeySym ks, bool down) {
    XTestFakeKeyEvent(t, XKeysymToKeycode(t, ks), down, 0);
    XSync(t, False);
    EXPECT_TRUE(Frames(kHoldFrames)) << "no frames after a key";
  }
  void Hold(KeySym ks) { Press(ks, true), Press(ks, false); }
  void WithKey(KeySym mod, KeySym ks) { Press(mod, true), Hold(ks), Press(mod, false); }

  // The pointer moved to window pixels (top-left origin) of the game window w.
  void MoveTo(Window w, const int at[2]) {
    int rx = 0, ry = 0;
    Window child;
    XTranslateCoordinates(t, w, DefaultRootWindow(t), at[0], at[1], &rx, &ry, &child);
    XTestFakeMotionEvent(t, -1, rx, ry, 0);
    XSync(t, False);
  }

  // A click at window pixels of the game window w, each step held for frames; a tap sends the
  // press and its release together, as a touchpad's tap or a fast click does.
  void Click(Window w, const int at[2], int button, bool tap = false) {
    MoveTo(w, at);
    EXPECT_TRUE(Frames(kHoldFrames)) << "no frames after a move";
    XTestFakeButtonEvent(t, button, True, 0);
    if (!tap) {
      XSync(t, False);
      EXPECT_TRUE(Frames(kHoldFrames)) << "no frames after a press";
    }
    XTestFakeButtonEvent(t, button, False, 0);
    XSync(t, False);
    EXPECT_TRUE(Frames(kHoldFrames)) << "no frames after a release";
  }

  // What another program pastes from the clipboard, once it is `want` (or the last try's text).
  std::string Pasted(const std::string& want) {
    std::string got;
    for (int i = 0; i < 20 && got != want; i++)
      got = XclipRead(xvfb.display, (dir / "xclip.out").string(), [] {});
    return got;
  }

  // A click at the end of the upper text box's first row ("tolv" of the shipped about text), two
  // letters typed there, the row selected to its start and copied: what another program pastes.
  std::string TypeAtRowEndAndCopy(Window w, KeySym a, KeySym b, const std::string& want) {
    Click(w, kRowEnd, 1);
    Hold(a);
    Hold(b);
    WithKey(XK_Shift_L, XK_Home);
    WithKey(XK_Control_L, XK_c);
    return Pasted(want);
  }

  std::string Output() { return ReadAll(dir / "run.out"); }

  // A press and release of a button of the game window w that opens a dialog, without waiting for
  // frames (the dialog holds them): the dialog's window named caption, or 0.
  Window OpenDialogBy(Window w, const int at[2], const char* caption) {
    MoveTo(w, at);
    XTestFakeButtonEvent(t, 1, True, 0);
    XTestFakeButtonEvent(t, 1, False, 0);
    XSync(t, False);
    Window dialog = 0;
    WaitUntil([&] { return (dialog = MappedNamed(t, caption)) != 0 || !Alive(); });
    return dialog;
  }

  // The game window's pixels as the screen shows them, rows from the top.
  std::vector<unsigned long> Shown(Window w) {
    std::vector<unsigned long> px;
    XWindowAttributes a;
    if (!XGetWindowAttributes(t, w, &a)) return px;
    XImage* im = XGetImage(t, w, 0, 0, (unsigned)a.width, (unsigned)a.height, AllPlanes, ZPixmap);
    if (!im) return px;
    for (int y = 0; y < a.height; y++)
      for (int x = 0; x < a.width; x++) px.push_back(XGetPixel(im, x, y) & 0xFFFFFF);
    XDestroyImage(im);
    return px;
  }
};

// How many pixels two pictures of one window differ in (all of them when the sizes differ).
size_t Differ(const std::vector<unsigned long>& a, const std::vector<unsigned long>& b) {
  if (a.size() != b.size()) return std::max(a.size(), b.size());
  size_t n = 0;
  for (size_t i = 0; i < a.size(); i++) n += a[i] != b[i];
  return n;
}

TEST_F(AppX11, AnswersTheSizeQuestionTakesAKeyAndClosesByTheCloseButton) {
  Window w = Start(XK_Return);
  ASSERT_NE(w, 0u) << Output();

  // Yes picks the first size of the settings.
  XWindowAttributes a;
  ASSERT_TRUE(XGetWindowAttributes(t, w, &a));
  EXPECT_EQ(a.width, 1024);
  EXPECT_EQ(a.height, 768);

  // Whose window it is: the program's name and the window class, its process, its machine.
  XClassHint cls = {};
  ASSERT_TRUE(XGetClassHint(t, w, &cls)) << "no WM_CLASS";
  EXPECT_STREQ(cls.res_name, "tolv");
  EXPECT_STREQ(cls.res_class, "anPrimOpenGL");
  XFree(cls.res_name);
  XFree(cls.res_class);
  EXPECT_EQ(FirstItemOf(t, w, "_NET_WM_PID", XA_CARDINAL), (long)app);
  char host[256] = "";
  ASSERT_EQ(gethostname(host, sizeof host - 1), 0);
  XTextProperty machine = {};
  ASSERT_TRUE(XGetWMClientMachine(t, w, &machine)) << "no WM_CLIENT_MACHINE";
  EXPECT_EQ(std::string((const char*)machine.value, machine.nitems), host);
  XFree(machine.value);

  Hold(XK_space);
  SendDeleteWindow(t, w);
  ExpectEnds("the close button");
  const std::string log = Log();
  EXPECT_NE(log.find("//---\nStart in "), std::string::npos) << log;
  EXPECT_NE(log.find("size_of_charP(8)"), std::string::npos) << log;
  ExpectLogWithout({"not InitGL"});
}

// Window pixels (top-left origin) at 800 x 600, as in the headless play session: the start
// screen's Save and PlayTest buttons, the builder of the shipped stage in the first view of play, a
// point to send it to, and the stage's save button.
constexpr int kTextOpen[2] = {750, 40}, kTextSave[2] = {750, 61}, kPlayTest[2] = {750, 124};
constexpr int kBuilder[2] = {412, 274}, kOrderPoint[2] = {555, 218}, kStageSave[2] = {40, 530};

TEST_F(AppX11, TypingIntoATextBoxAndTheClipboardBothWaysWithXclip) {
  if (!HasXclip()) GTEST_SKIP() << "no xclip";
  Window w = Start(XK_Escape);
  ASSERT_NE(w, 0u) << Output();
  EXPECT_EQ(TypeAtRowEndAndCopy(w, XK_h, XK_i, "tolvhi"), "tolvhi") << Output();

  // Another program's text, Cyrillic in UTF-8, pasted at the row's end and copied back whole.
  const Atom clipboard = XInternAtom(t, "CLIPBOARD", False);
  const Window ours = XGetSelectionOwner(t, clipboard);
  ProcessGuard owner(
      XclipOwner(xvfb.display, "UTF8_STRING", "Zz \xD0\xAE\xD0\xB6", (dir / "xclip.in").string()));
  EXPECT_TRUE(WaitUntil([&] { return XGetSelectionOwner(t, clipboard) != ours; }))
      << "xclip never took the clipboard";
  Hold(XK_End);
  WithKey(XK_Control_L, XK_v);
  WithKey(XK_Shift_L, XK_Home);
  WithKey(XK_Control_L, XK_c);
  EXPECT_EQ(Pasted("tolvhiZz \xD0\xAE\xD0\xB6"), "tolvhiZz \xD0\xAE\xD0\xB6") << Output();
  owner.Stop();
  SendDeleteWindow(t, w);
  ExpectEnds("the close button");
}

TEST_F(AppX11, AWholePlaySessionByKeyboardAndMouseWithAFileDialogAndTheClipboard) {
  if (!HasXclip()) GTEST_SKIP() << "no xclip";
  Window w = Start(XK_Escape);
  ASSERT_NE(w, 0u) << Output();
  XWindowAttributes a;
  ASSERT_TRUE(XGetWindowAttributes(t, w, &a));
  ASSERT_EQ(a.width, 800);
  ASSERT_EQ(a.height, 600);

  // The start screen: two letters at the end of the upper box's first row, the row copied to the
  // clipboard, then saved through the file dialog: into the folder it shows, under a typed name.
  EXPECT_EQ(TypeAtRowEndAndCopy(w, XK_o, XK_k, "tolvok"), "tolvok") << Output();
  std::thread dialog(AnswerDialogOn, xvfb.display, "Save",
                     std::vector<DialogStep>{{0, 0, "row.txt"}, {0, XK_Return, ""}}, nullptr);
  Click(w, kTextSave, 1);
  dialog.join();
  EXPECT_TRUE(WaitUntil([&] { return ReadAll(dir / "row.txt").size() >= 6; })) << Output();
  EXPECT_EQ(ReadAll(dir / "row.txt").substr(0, 6), "tolvok") << Output();

  // Play: the builder selected by a click and sent off by a right click; the view scrolled by
  // the arrow keys; the stage saved while the game runs, then twice with the pause on (Space).
  Click(w, kPlayTest, 1);
  ASSERT_TRUE(Frames(10)) << Output();  // the stage loaded and in view
  Click(w, kBuilder, 1);
  Click(w, kOrderPoint, 3);
  Press(XK_Left, true);
  ASSERT_TRUE(Frames(10)) << Output();
  Press(XK_Left, false);
  ASSERT_TRUE(Frames(60)) << Output();  // the builder walks
  Hold(XK_space);
  const fs::path maps = dir / "Maps";
  Click(w, kStageSave, 1);
  EXPECT_TRUE(WaitUntil([&] {
    return fs::exists(maps / "test2.etp") && fs::exists(maps / "test2.etp01");
  })) << Output();
  Click(w, kStageSave, 1);
  EXPECT_TRUE(WaitUntil([&] {
    return fs::exists(maps / "test2.etp_bak") && fs::exists(maps / "test2.etp01_bak");
  })) << Output();
  SendDeleteWindow(t, w);
  ExpectEnds("the close button");
  ExpectLogWithout({"Fail", "not InitGL"});

  // The shipped builder stands still with no route; in the saves it has walked towards its route
  // target, and the two saves made in the pause hold it at the same point.
  ASSERT_EQ(EtapFile_Load((maps / "test.etp").string()), 1);
  ASSERT_EQ(Fgrs.mf[652].status, fgrUnitStroi);
  const float startX = Fgrs.mf[652].priv_position_x, startZ = Fgrs.mf[652].priv_position_z;
  EXPECT_EQ(Fgrs.mf[652].targPathKle, 0);
  fs::copy_file(maps / "test2.etp_bak", maps / "first.etp");
  fs::copy_file(maps / "test2.etp01_bak", maps / "first.etp01");
  ASSERT_EQ(EtapFile_Load((maps / "first.etp").string()), 1);
  const float pausedX = Fgrs.mf[652].priv_position_x, pausedZ = Fgrs.mf[652].priv_position_z;
  EXPECT_NE(Fgrs.mf[652].targPathKle, 0);
  EXPECT_TRUE(pausedX != startX || pausedZ != startZ) << "the builder did not walk";
  ASSERT_EQ(EtapFile_Load((maps / "test2.etp").string()), 1);
  EXPECT_EQ(Fgrs.mf[652].priv_position_x, pausedX);
  EXPECT_EQ(Fgrs.mf[652].priv_position_z, pausedZ);
}

// Taps as a touchpad or a fast typist sends them: each press and its release reach the game
// together, before any frame can read the press. A click into a text box and a letter, Ctrl+A,
// Ctrl+C and Ctrl+V, the text saved; PlayTest; the view moved by the minimap; a unit picked and
// sent off with the right button; the stage saved by its button. Then another client destroys the game's
// window, which ends the run as the close button does.
TEST_F(AppX11, TapsShorterThanAFrameCountAndAWindowDestroyedByAnotherClientEndsTheRun) {
  Window w = Start(XK_Escape);
  ASSERT_NE(w, 0u) << Output();

  auto tap = [&](const int at[2], int button) { Click(w, at, button, true); };
  // Print held until the game has saved a whole picture of a frame under its name. The game takes
  // another picture every 800 ms that Print stays down, and a busy machine may keep the release
  // from the game that long: only a picture made after this press shows a frame after the steps
  // before it.
  auto shot = [&]() {
    std::set<fs::path> seen;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir / "screens1", ec)) seen.insert(e.path());
    const KeyCode print = XKeysymToKeycode(t, XK_Print);
    XTestFakeKeyEvent(t, print, True, 0);
    XSync(t, False);
    Picture got;
    WaitUntil(
        [&] {
          for (const auto& e : fs::directory_iterator(dir / "screens1", ec))
            if (e.path().extension() == ".bmp" && !seen.count(e.path()) &&
                (got = ReadBmp(e.path().string())).w > 0)
              return true;
          return !Alive();
        },
        kStepMs);
    XTestFakeKeyEvent(t, print, False, 0);
    XSync(t, False);
    EXPECT_TRUE(Frames(kHoldFrames)) << "no frames after Print";
    return got;
  };
  auto grass = [](const Picture& p, int x, int y) {
    const uint8_t* rgb = &p.rgb[((size_t)y * p.w + x) * 3];
    return rgb[1] > rgb[2] + 20;
  };

  // A modifier and its letter both pressed and released before a frame: the whole text selected
  // and copied, the selection typed over, the copy pasted after the typed letter.
  auto tapChord = [&](KeySym mod, KeySym ks) {
    const KeyCode m = XKeysymToKeycode(t, mod), k = XKeysymToKeycode(t, ks);
    XTestFakeKeyEvent(t, m, True, 0);
    XTestFakeKeyEvent(t, k, True, 0);
    XTestFakeKeyEvent(t, k, False, 0);
    XTestFakeKeyEvent(t, m, False, 0);
    XSync(t, False);
    EXPECT_TRUE(Frames(kHoldFrames)) << "no frames after a chord";
  };

  tap(kRowEnd, 1);
  TapKey(t, XK_q);
  ASSERT_TRUE(Frames(kHoldFrames)) << Output();
  tapChord(XK_Control_L, XK_a);
  tapChord(XK_Control_L, XK_c);
  TapKey(t, XK_x);
  ASSERT_TRUE(Frames(kHoldFrames)) << Output();
  tapChord(XK_Control_L, XK_v);
  std::thread dialog(AnswerDialogOn, xvfb.display, "Save",
                     std::vector<DialogStep>{{0, 0, "row.txt"}, {0, XK_Return, ""}}, nullptr);
  tap(kTextSave, 1);
  dialog.join();
  const std::string about = ReadAll(dir / "_about_.txt");
  // The copy ends with the last row's line break: pasted, it leaves an empty last row.
  const std::string want = "xtolvq" + about.substr(4) + "\n";
  WaitUntil([&] { return ReadAll(dir / "row.txt").size() >= want.size(); }, kStepMs);
  EXPECT_EQ(ReadAll(dir / "row.txt"), want) << Output();

  tap(kPlayTest, 1);
  Picture play;
  for (int i = 0; i < 10 && !(play.w == 800 && grass(play, 600, 450)); i++) play = shot();
  ASSERT_TRUE(play.w == 800 && grass(play, 600, 450)) << "play did not start\n" << Output();
  tap(kBuilder, 1);
  tap(kOrderPoint, 3);
  tap(kStageSave, 1);
  WaitUntil([&] { return fs::exists(dir / "Maps" / "test2.etp01"); }, kStepMs);
  // Taps on the minimap (top left, 127 pixels from (11, 11)) move the view: the world's middle,
  // then its far corner. The field changes far beyond its walking units.
  static const int kMiniMapMiddle[2] = {74, 74}, kMiniMapCorner[2] = {130, 18};
  Picture before = shot();
  for (const int* at : {kMiniMapMiddle, kMiniMapCorner}) {
    tap(at, 1);
    const Picture after = shot();
    Picture diff;
    const int moved = PicDiff(before, after, 24, &diff);
    EXPECT_GT(moved, 20000) << "the view did not move\n" << Output();
    before = after;
  }

  // The window goes in the middle of play, while frames draw the land into it.
  XDestroyWindow(t, w);
  XSync(t, False);
  ExpectEnds("its window was destroyed");
  ExpectLogWithout({"Fail"});

  // The shipped builder has no route target; the saved one has the one its order gave.
  ASSERT_EQ(EtapFile_Load((dir / "Maps" / "test2.etp").string()), 1) << Output();
  ASSERT_EQ(Fgrs.mf[652].status, fgrUnitStroi);
  EXPECT_NE(Fgrs.mf[652].targPathKle, 0);
}

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
  return names;
}

ino_t Inode(const fs::path& p) {
  struct stat st;
  return stat(p.c_str(), &st) == 0 ? st.st_ino : 0;
}

// The start screen's Открыть and Сохранить through the desktop's chooser, with Russian names: the
// open dialog starts in the start folder, where a typed relative Russian path finds the file; the
// save dialog proposes that file (Enter and the Replace of the question that follows write it
// again) and saves under another Russian name in
// its folder; a cancelled dialog changes nothing. Then Ctrl+C while a dialog is open: the dialog
// ends with the run, which closes cleanly.
TEST_F(AppX11, TheDesktopsChooserOpensAndSavesRussianNamesAndCtrlCEndsAnOpenDialog) {
  if (!HasZenity()) GTEST_SKIP() << "no zenity";
  const std::string folder = "\xD0\x9F\xD0\xB0\xD0\xBF\xD0\xBA\xD0\xB0";             // Папка
  const std::string file = "\xD1\x84\xD0\xB0\xD0\xB9\xD0\xBB.txt";                   // файл.txt
  const std::string other = "\xD0\xB4\xD1\x80\xD1\x83\xD0\xB3\xD0\xBE\xD0\xB9.txt";  // другой.txt
  const std::string rows = "\xEE\xE4\xE8\xED\nzwei\n";  // один (Windows-1251), zwei
  fs::create_directory(dir / folder);
  ASSERT_TRUE(WriteAll(dir / folder / file, rows));
  Typist typist;
  ASSERT_TRUE(typist.Bind(t, folder + "/" + file + other));
  Window w = Start(XK_Escape);
  ASSERT_NE(w, 0u) << Output();
  Click(w, kRowEnd, 1);  // the box the files go into

  std::thread open(
      AnswerDialogOn, xvfb.display, "Open",
      std::vector<DialogStep>{{XK_Control_L, XK_l, ""}, {0, 0, folder + "/" + file}, {0, XK_Return, ""}},
      &typist);
  Click(w, kTextOpen, 1);
  open.join();

  const ino_t before = Inode(dir / folder / file);
  Window asked = 0;
  std::thread again([&] {
    Display* u = XOpenDisplay(xvfb.display.c_str());
    const Window chooser = AnswerDialog(u, "Save", {});
    asked = AnswerReplaceQuestion(u, chooser, XK_Return);
    if (!WaitUntil([&] { return WindowGone(u, chooser); })) SendDeleteWindow(u, chooser);
    XCloseDisplay(u);
  });
  Click(w, kTextSave, 1);
  again.join();
  EXPECT_NE(asked, 0u) << "no question before the file was replaced";
  EXPECT_TRUE(WaitUntil([&] { return Inode(dir / folder / file) != before; })) << "not written again";
  EXPECT_EQ(ReadAll(dir / folder / file), rows);

  std::thread cancel(AnswerDialogOn, xvfb.display, "Save", std::vector<DialogStep>{{0, XK_Escape, ""}},
                     nullptr);
  Click(w, kTextSave, 1);
  cancel.join();

  std::thread rename(
      AnswerDialogOn, xvfb.display, "Save",
      std::vector<DialogStep>{{XK_Control_L, XK_a, ""}, {0, 0, other}, {0, XK_Return, ""}}, &typist);
  Click(w, kTextSave, 1);
  rename.join();
  EXPECT_TRUE(WaitUntil([&] { return ReadAll(dir / folder / other) == rows; })) << Output();
  EXPECT_EQ(Names(dir / folder), (std::set<std::string>{file, other}));

  const Window dialog = OpenDialogBy(w, kTextOpen, "Open");
  ASSERT_NE(dialog, 0u) << Output();
  kill(app, SIGINT);
  ExpectEnds("Ctrl+C");
  EXPECT_TRUE(WaitUntil([&] { return WindowGone(t, dialog); })) << "the dialog outlived the run";
  ExpectLogWithout({"Fail", "zenity"});
}

// Without zenity the size question answers No, the log says why once, and Ctrl+C closes the run.
TEST_F(AppX11, WithoutZenityTheStartTakesTheNoSizeAndSaysWhy) {
  path = (dir / "no_zenity_here").string();
  Launch();
  Window w = WaitGameWindow(kStepMs);
  ASSERT_NE(w, 0u) << Output();
  XWindowAttributes a;
  ASSERT_TRUE(XGetWindowAttributes(t, w, &a));
  EXPECT_EQ(a.width, 800);
  EXPECT_EQ(a.height, 600);
  kill(app, SIGINT);
  ExpectEnds("Ctrl+C");
  const std::string log = Log();
  const std::string line = "\nplatform: zenity is not installed";
  const size_t said = log.find(line);
  EXPECT_NE(said, std::string::npos) << log;
  EXPECT_EQ(log.find(line, said + 1), std::string::npos) << log;
}

// The game waits on a dialog as behind a modal window. With the chooser dragged off the window:
// the window shows its last frame again, and again after it was hidden and shown; letters typed
// and a click on Открыть given to the window meanwhile come to nothing once the chooser is
// cancelled (the text has no letters, no second chooser opens). Then the window's close while a
// chooser is open ends the chooser and the run, cleanly.
TEST_F(AppX11, WhileADialogIsOpenTheGameTakesNoInputKeepsItsPictureAndClosesByTheCloseButton) {
  if (!HasZenity()) GTEST_SKIP() << "no zenity";
  if (!HasXclip()) GTEST_SKIP() << "no xclip";
  Window w = Start(XK_Escape);
  ASSERT_NE(w, 0u) << Output();
  Click(w, kRowEnd, 1);  // the box the letters would go into
  MoveTo(w, kTextOpen);
  ASSERT_TRUE(Frames(kHoldFrames)) << Output();
  const std::vector<unsigned long> before = Shown(w);
  // What the press may change (the button, the row with the caret), and no more.
  const size_t kLittle = before.size() / 20;

  const Window chooser = OpenDialogBy(w, kTextOpen, "Open");
  ASSERT_NE(chooser, 0u) << Output();
  XWindowAttributes a;
  ASSERT_TRUE(XGetWindowAttributes(t, w, &a));
  XMoveWindow(t, chooser, a.width + 10, 0);
  XSync(t, False);
  std::vector<unsigned long> shown;
  EXPECT_TRUE(WaitUntil([&] { return Differ(shown = Shown(w), before) < kLittle; }, kStepMs))
      << Differ(shown, before) << " pixels differ from the last frame\n"
      << Output();
  XUnmapWindow(t, w);
  XSync(t, False);
  ASSERT_TRUE(WaitUntil([&] { return WindowGone(t, w); }));
  XMapWindow(t, w);
  XSync(t, False);
  EXPECT_TRUE(WaitUntil([&] { return Differ(Shown(w), shown) == 0; }, kStepMs))
      << "the window shown again lost its picture\n"
      << Output();

  XSetInputFocus(t, w, RevertToParent, CurrentTime);
  for (KeySym z : {XK_z, XK_z, XK_z}) TapKey(t, z);
  Window under = 0, ignored;
  int i1, i2;
  unsigned mask;
  XQueryPointer(t, DefaultRootWindow(t), &ignored, &under, &i1, &i2, &i1, &i2, &mask);
  EXPECT_EQ(under, w) << "the click would not reach the game window";
  XTestFakeButtonEvent(t, 1, True, 0);
  XTestFakeButtonEvent(t, 1, False, 0);
  XSync(t, False);
  // Closed as by its close button: the game window keeps the focus, as it had it for the click.
  SendDeleteWindow(t, chooser);
  ASSERT_TRUE(WaitUntil([&] { return WindowGone(t, chooser); }));
  ASSERT_TRUE(Frames(kHoldFrames)) << "no frames after the chooser: the click behind it opened another\n"
                                   << Output();
  EXPECT_EQ(MappedNamed(t, "Open"), 0u) << "the click behind the chooser opened another";
  EXPECT_EQ(TypeAtRowEndAndCopy(w, XK_o, XK_k, "tolvok"), "tolvok") << Output();

  const Window again = OpenDialogBy(w, kTextOpen, "Open");
  ASSERT_NE(again, 0u) << Output();
  SendDeleteWindow(t, w);
  ExpectEnds("the close button while a dialog was open");
  EXPECT_TRUE(WaitUntil([&] { return WindowGone(t, again); })) << "the dialog outlived the run";
  ExpectLogWithout({"Fail", "zenity"});
}

// What zenity says on stderr stays out of the terminal while it works (the size question answered
// No, the error box about a refused name), and comes to the terminal and the log when it fails (the
// open dialog). The refused name is logged with its control byte escaped.
TEST_F(AppX11, ZenitysChatterReachesTheTerminalOnlyWhenItFails) {
  const fs::path bin = dir / "fake_zenity";
  fs::create_directory(bin);
  ASSERT_TRUE(WriteAll(bin / "zenity",
                       "#!/bin/sh\necho \"chatter of $1\" >&2\n"
                       "case \"$1 $*\" in\n"
                       "--question*) exit 1 ;;\n--error*) exit 0 ;;\n"
                       // A save chooser answers a name the game refuses: a letter outside
                       // Windows-1251 and a control byte, which the log escapes.
                       "*--save*) printf '/tmp/\\344\\270\\200\\001.txt\\n'; exit 0 ;;\n"
                       "esac\nexit 70\n"));
  fs::permissions(bin / "zenity", fs::perms::owner_all);
  path = bin.string();
  Launch();
  Window w = WaitGameWindow(kStepMs);
  ASSERT_NE(w, 0u) << Output();
  XWindowAttributes a;
  ASSERT_TRUE(XGetWindowAttributes(t, w, &a));
  EXPECT_EQ(a.width, 800) << "the question was not answered No";
  Click(w, kTextOpen, 1);
  EXPECT_TRUE(WaitUntil([&] {
    return Output().find("chatter of --file-selection") != std::string::npos;
  })) << Output();
  Click(w, kTextSave, 1);
  const std::string refused =
      "\nplatform: This name has characters the game cannot use (outside Windows-1251): "
      "/tmp/?\\x01.txt";
  EXPECT_TRUE(WaitUntil([&] { return Log().find(refused) != std::string::npos; })) << Log();
  kill(app, SIGINT);
  ExpectEnds("Ctrl+C");
  EXPECT_EQ(Output().find("chatter of --question"), std::string::npos) << Output();
  EXPECT_EQ(Output().find("chatter of --error"), std::string::npos) << Output();
  const std::string log = Log();
  EXPECT_NE(
      log.find("\nplatform: zenity ended with 70\nplatform: zenity said: chatter of --file-selection"),
      std::string::npos)
      << log;
}

// Whether another client holds a passive grab of the key (a window manager's binding): the test's
// own grab of it is then refused.
int gGrabError = 0;
int NoteGrabError(Display*, XErrorEvent* e) {
  gGrabError = e->error_code;
  return 0;
}
bool KeyGrabbedByAnother(Display* d, KeySym ks) {
  const KeyCode kc = XKeysymToKeycode(d, ks);
  XSync(d, False);
  gGrabError = 0;
  XSetErrorHandler(NoteGrabError);
  XGrabKey(d, kc, AnyModifier, DefaultRootWindow(d), False, GrabModeAsync, GrabModeAsync);
  XSync(d, False);
  const bool refused = gGrabError == BadAccess;
  if (!refused) XUngrabKey(d, kc, AnyModifier, DefaultRootWindow(d));
  XSync(d, False);
  XSetErrorHandler(IgnoreXError);
  return refused;
}

// Whether the keyboard is free of another client's grab: the test's own grab of it is taken.
bool KeyboardFree(Display* d) {
  if (XGrabKeyboard(d, DefaultRootWindow(d), False, GrabModeAsync, GrabModeAsync, CurrentTime) !=
      GrabSuccess)
    return false;
  XUngrabKeyboard(d, CurrentTime);
  XSync(d, False);
  return true;
}

// A window manager with its stock configuration binds Print to its screenshot program: it takes
// the key's press, runs the program and lets the keyboard go while the key is still down, so the
// game window gets only the release. That release takes the game's screenshot. The program is a
// stand-in of the test's, which only says it ran: a missing one would bring up the window
// manager's own message, which takes the focus.
TEST_F(AppX11, PrintTakenByTheWindowManagerStillTakesAScreenshot) {
  if (!FindOpenbox()) GTEST_SKIP() << "no openbox";
  const fs::path wmBin = dir / "wm_bin";
  fs::create_directory(wmBin);
  ASSERT_TRUE(WriteAll(wmBin / "scrot", "#!/bin/sh\ntouch scrot.ran\n"));
  fs::permissions(wmBin / "scrot", fs::perms::owner_all);
  // It runs in the test's folder, where its screenshot program writes, when there is one.
  ProcessGuard manager(StartOpenbox(xvfb.display, dir.string(), wmBin.string() + ":" + path));
  ASSERT_NE(manager.pid, 0);
  ASSERT_TRUE(WaitUntil([&] { return KeyGrabbedByAnother(t, XK_Print); }))
      << "openbox never bound Print\n"
      << ReadAll(dir / "openbox.out");

  path = (dir / "no_zenity_here").string();  // the size question answers No without a dialog
  Launch();
  Window w = WaitGameWindow(kStepMs);
  ASSERT_NE(w, 0u) << Output();
  XTestFakeKeyEvent(t, XKeysymToKeycode(t, XK_Print), True, 0);
  XSync(t, False);
  EXPECT_TRUE(WaitUntil([&] { return KeyboardFree(t); })) << "openbox kept the keyboard";
  XTestFakeKeyEvent(t, XKeysymToKeycode(t, XK_Print), False, 0);
  XSync(t, False);
  EXPECT_TRUE(WaitUntil([&] { return fs::exists(dir / "scrot.ran"); })) << "openbox did not take Print";
  bool shot = false;
  WaitUntil([&] {
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir / "screens1", ec))
      shot = shot || (e.path().extension() == ".bmp" && ReadBmp(e.path().string()).w == 800);
    return shot || !Alive();
  });
  EXPECT_TRUE(shot) << "no screenshot\n" << Output();
  kill(app, SIGINT);
  ExpectEnds("Ctrl+C");
}

}  // namespace
