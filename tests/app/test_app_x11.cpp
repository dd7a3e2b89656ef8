// The whole program on a real window under a private Xvfb: the window-size question answered by
// key, a key press in the game window, the close button, a clean exit; typing and the clipboard;
// and a whole play session by keyboard and mouse with a file dialog. Skipped without Xvfb.
#include <gtest/gtest.h>

// The figure model first: Xlib's Status macro would rename its members.
#include "figures/fgrs.h"
#include "figures/stage.h"
#include "gm/fgr.h"

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>

#include "picture.h"
#include "shell/clock.h"
#include "test_files.h"
#include "xvfb_fixture.h"

namespace fs = std::filesystem;

namespace {

// Generous: the sanitizer build starts several times slower.
const int kStepMs = 30000;

class AppX11 : public ::testing::Test {
 protected:
  XvfbServer xvfb;
  Display* t = nullptr;  // the test's connection, acting as the user and the window manager
  fs::path dir;
  pid_t app = -1;

  void SetUp() override {
    const char* bin = FindXvfb();
    if (!bin) GTEST_SKIP() << "no Xvfb binary";
    ASSERT_EQ(xvfb.Start(bin, "1024x768x24"), "");  // room for the largest game window
    XSetErrorHandler(IgnoreXError);
    t = XOpenDisplay(xvfb.display.c_str());
    ASSERT_NE(t, nullptr);

    dir = TestScratchDir("x11_");
    CopyShippedData(dir);
  }

  void TearDown() override {
    if (app > 0) {  // a failed test must not leave the program behind
      kill(app, SIGKILL);
      waitpid(app, nullptr, 0);
    }
    if (t) XCloseDisplay(t);
    xvfb.Stop();
  }

  void Launch() {
    app = fork();
    ASSERT_GE(app, 0);
    if (app == 0) {
      if (chdir(dir.c_str()) != 0) _exit(126);
      int out = open("run.out", O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (out >= 0) {
        dup2(out, 1);
        dup2(out, 2);
      }
      setenv("DISPLAY", xvfb.display.c_str(), 1);
      setenv("TOLV_VIDEO", "x11", 1);
      unsetenv("TOLV_SCRIPT");
      execl(TOLV_BIN, "tolv", (char*)nullptr);
      _exit(127);
    }
  }

  // The program's exit code once it ends within ms, else -1 (it is then killed).
  int WaitExit(int ms) {
    for (int i = 0; i < ms / 10; i++) {
      int status = 0;
      pid_t r = waitpid(app, &status, WNOHANG);
      if (r == app) {
        app = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      SleepMs(10);
    }
    return -1;
  }

  // Waits until the game window is mapped and holds the focus.
  Window WaitGameWindow(int ms) {
    for (int i = 0; i < ms / 10; i++) {
      Window w = MappedNamed(t, "tolv");
      if (w && FocusedNamed(t, "tolv") == w) return w;
      int status;
      if (waitpid(app, &status, WNOHANG) == app) {  // died before its window came
        app = -1;
        return 0;
      }
      SleepMs(10);
    }
    return 0;
  }

  std::string Output() { return ReadAll(dir / "run.out"); }
};

TEST_F(AppX11, AnswersTheSizeQuestionTakesAKeyAndClosesByTheCloseButton) {
  Launch();
  std::thread user(AnswerModalWithin, kStepMs, xvfb.display, "WindowSize(",
                   std::vector<KeySym>{XK_y});
  Window w = WaitGameWindow(kStepMs);
  user.join();
  ASSERT_NE(w, 0u) << Output();

  // Yes picks the first size of the settings.
  XWindowAttributes a;
  ASSERT_TRUE(XGetWindowAttributes(t, w, &a));
  EXPECT_EQ(a.width, 1024);
  EXPECT_EQ(a.height, 768);

  TapKey(t, XK_space);
  SleepMs(100);
  SendDeleteWindow(t, w);
  int rc = WaitExit(kStepMs);
  ASSERT_NE(rc, -1) << "the program did not end after the close button\n" << Output();
  EXPECT_EQ(rc, 0) << Output();

  std::string log = ReadAll(dir / "uni_files" / "log.txt");
  EXPECT_NE(log.find("//---\nStart in "), std::string::npos) << log;
  EXPECT_NE(log.find("size_of_charP(8)"), std::string::npos) << log;
  EXPECT_EQ(log.find("not InitGL"), std::string::npos) << log;
}

TEST_F(AppX11, TypingIntoATextBoxAndTheClipboardBothWaysWithXclip) {
  if (!HasXclip()) GTEST_SKIP() << "no xclip";
  Launch();
  std::thread user(AnswerModalWithin, kStepMs, xvfb.display, "WindowSize(", std::vector<KeySym>{XK_n});
  Window w = WaitGameWindow(kStepMs);
  user.join();
  ASSERT_NE(w, 0u) << Output();
  // Presses are held over several frames, as a hand does (the sanitizer build draws slowly).
  const int kHoldMs = 250;
  auto hold = [&](KeySym ks) {
    XTestFakeKeyEvent(t, XKeysymToKeycode(t, ks), True, 0);
    XSync(t, False);
    SleepMs(kHoldMs);
    XTestFakeKeyEvent(t, XKeysymToKeycode(t, ks), False, 0);
    XSync(t, False);
    SleepMs(120);
  };
  auto withKey = [&](KeySym mod, KeySym ks) {
    XTestFakeKeyEvent(t, XKeysymToKeycode(t, mod), True, 0);
    XSync(t, False);
    SleepMs(60);
    hold(ks);
    XTestFakeKeyEvent(t, XKeysymToKeycode(t, mod), False, 0);
    XSync(t, False);
    SleepMs(60);
  };
  auto xclipOut = [&](const std::string& want) {  // what another program pastes, once it is there
    std::string got;
    for (int i = 0; i < 20 && got != want; i++) got = XclipRead(xvfb.display, (dir / "xclip.out").string(), [] {});
    return got;
  };
  // The end of the upper box's first row ("tolv" of the shipped about text), then two letters.
  SleepMs(1000);  // the first frames
  XTestFakeMotionEvent(t, -1, 300, 295, 0);
  XSync(t, False);
  SleepMs(kHoldMs);
  XTestFakeButtonEvent(t, 1, True, 0);
  XSync(t, False);
  SleepMs(kHoldMs);
  XTestFakeButtonEvent(t, 1, False, 0);
  XSync(t, False);
  SleepMs(120);
  hold(XK_h);
  hold(XK_i);
  withKey(XK_Shift_L, XK_Home);
  withKey(XK_Control_L, XK_c);
  EXPECT_EQ(xclipOut("tolvhi"), "tolvhi") << Output();

  // Another program's text, Cyrillic in UTF-8, pasted at the row's end and copied back whole.
  pid_t owner = XclipOwner(xvfb.display, "UTF8_STRING", "Zz \xD0\xAE\xD0\xB6", (dir / "xclip.in").string());
  SleepMs(300);
  hold(XK_End);
  withKey(XK_Control_L, XK_v);
  withKey(XK_Shift_L, XK_Home);
  withKey(XK_Control_L, XK_c);
  EXPECT_EQ(xclipOut("tolvhiZz \xD0\xAE\xD0\xB6"), "tolvhiZz \xD0\xAE\xD0\xB6") << Output();
  StopProcess(owner);

  SendDeleteWindow(t, w);
  EXPECT_EQ(WaitExit(kStepMs), 0) << Output();
}


// Window pixels (top-left origin) at 800 x 600, as in the headless play session: the start
// screen's Save and PlayTest buttons, the upper text box's first row, the builder of the shipped
// stage in the first view of play, a point to send it to, and the stage's save button.
constexpr int kTextSave[2] = {750, 61}, kPlayTest[2] = {750, 124}, kRowEnd[2] = {300, 295};
constexpr int kBuilder[2] = {412, 274}, kOrderPoint[2] = {555, 218}, kStageSave[2] = {40, 530};

TEST_F(AppX11, AWholePlaySessionByKeyboardAndMouseWithAFileDialogAndTheClipboard) {
  if (!HasXclip()) GTEST_SKIP() << "no xclip";
  fs::copy(fs::path(TOLV_SOURCE_DIR) / "Maps", dir / "Maps",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  Launch();
  std::thread user(AnswerModalWithin, kStepMs, xvfb.display, "WindowSize(", std::vector<KeySym>{XK_n});
  Window w = WaitGameWindow(kStepMs);
  user.join();
  ASSERT_NE(w, 0u) << Output();
  XWindowAttributes a;
  ASSERT_TRUE(XGetWindowAttributes(t, w, &a));
  ASSERT_EQ(a.width, 800);
  ASSERT_EQ(a.height, 600);

  // Presses and clicks are held over several frames, as a hand does (the sanitizer build draws
  // slowly); the pointer moves to window pixels.
  const int kHoldMs = 250;
  auto press = [&](KeySym ks, bool down) {
    XTestFakeKeyEvent(t, XKeysymToKeycode(t, ks), down, 0);
    XSync(t, False);
    SleepMs(down ? kHoldMs : 120);
  };
  auto hold = [&](KeySym ks) { press(ks, true), press(ks, false); };
  auto withKey = [&](KeySym mod, KeySym ks) { press(mod, true), hold(ks), press(mod, false); };
  auto click = [&](const int at[2], int button, int afterMs) {
    int rx = 0, ry = 0;
    Window child;
    XTranslateCoordinates(t, w, DefaultRootWindow(t), at[0], at[1], &rx, &ry, &child);
    XTestFakeMotionEvent(t, -1, rx, ry, 0);
    XSync(t, False);
    SleepMs(kHoldMs);
    XTestFakeButtonEvent(t, button, True, 0);
    XSync(t, False);
    SleepMs(kHoldMs);
    XTestFakeButtonEvent(t, button, False, 0);
    XSync(t, False);
    SleepMs(afterMs);
  };

  // The start screen: two letters at the end of the upper box's first row, the row copied to the
  // clipboard, then saved through the file dialog: into the folder it shows, under a typed name.
  SleepMs(1000);
  click(kRowEnd, 1, 120);
  hold(XK_o);
  hold(XK_k);
  withKey(XK_Shift_L, XK_Home);
  withKey(XK_Control_L, XK_c);
  std::string pasted;
  for (int i = 0; i < 20 && pasted != "tolvok"; i++)
    pasted = XclipRead(xvfb.display, (dir / "xclip.out").string(), [] {});
  EXPECT_EQ(pasted, "tolvok") << Output();
  std::thread dialog(AnswerModalWithin, kStepMs, xvfb.display, "Save",
                     std::vector<KeySym>{XK_Return, XK_r, XK_o, XK_w, XK_period, XK_t, XK_x, XK_t, XK_Return});
  click(kTextSave, 1, 500);
  dialog.join();
  for (int i = 0; i < 100 && !fs::exists(dir / "row.txt"); i++) SleepMs(100);
  EXPECT_EQ(ReadAll(dir / "row.txt").substr(0, 6), "tolvok") << Output();

  // Play: the builder selected by a click and sent off by a right click; the view scrolled by
  // the arrow keys; the stage saved while the game runs, then twice with the pause on (Space).
  click(kPlayTest, 1, 3000);
  click(kBuilder, 1, 500);
  click(kOrderPoint, 3, 500);
  press(XK_Left, true);
  SleepMs(500);
  press(XK_Left, false);
  SleepMs(3000);  // the builder walks
  hold(XK_space);
  SleepMs(500);
  click(kStageSave, 1, 1500);
  SleepMs(1500);
  click(kStageSave, 1, 1500);
  SendDeleteWindow(t, w);
  const int rc = WaitExit(kStepMs);
  ASSERT_NE(rc, -1) << "the program did not end after the close button\n" << Output();
  EXPECT_EQ(rc, 0) << Output();
  const std::string log = ReadAll(dir / "uni_files" / "log.txt");
  EXPECT_EQ(log.find("Fail"), std::string::npos) << log;
  EXPECT_EQ(log.find("not InitGL"), std::string::npos) << log;

  // The shipped builder stands still with no route; in the saves it has walked towards its route
  // target, and the two saves made in the pause hold it at the same point.
  const std::string maps = (dir / "Maps").string();
  ASSERT_EQ(EtapFile_Load(maps + "/test.etp"), 1);
  ASSERT_EQ(Fgrs.mf[652].status, fgrUnitStroi);
  const float startX = Fgrs.mf[652].priv_position_x, startZ = Fgrs.mf[652].priv_position_z;
  EXPECT_EQ(Fgrs.mf[652].targPathKle, 0);
  fs::copy_file(dir / "Maps" / "test2.etp_bak", dir / "Maps" / "first.etp");
  fs::copy_file(dir / "Maps" / "test2.etp01_bak", dir / "Maps" / "first.etp01");
  ASSERT_EQ(EtapFile_Load(maps + "/first.etp"), 1);
  const float pausedX = Fgrs.mf[652].priv_position_x, pausedZ = Fgrs.mf[652].priv_position_z;
  EXPECT_NE(Fgrs.mf[652].targPathKle, 0);
  EXPECT_TRUE(pausedX != startX || pausedZ != startZ) << "the builder did not walk";
  ASSERT_EQ(EtapFile_Load(maps + "/test2.etp"), 1);
  EXPECT_EQ(Fgrs.mf[652].priv_position_x, pausedX);
  EXPECT_EQ(Fgrs.mf[652].priv_position_z, pausedZ);
}

// Taps as a touchpad or a fast typist sends them: each press and its release reach the game
// together, before any frame can read the press. A click into a text box and a letter, the text
// saved; PlayTest; a unit picked and sent off with the right button; the stage saved by its
// button. Then another client destroys the game's window, which ends the run as the close button
// does.
TEST_F(AppX11, TapsShorterThanAFrameCountAndAWindowDestroyedByAnotherClientEndsTheRun) {
  Launch();
  std::thread user(AnswerModalWithin, kStepMs, xvfb.display, "WindowSize(", std::vector<KeySym>{XK_n});
  Window w = WaitGameWindow(kStepMs);
  user.join();
  ASSERT_NE(w, 0u) << Output();

  auto tap = [&](const int at[2], int button) {
    int rx = 0, ry = 0;
    Window child;
    XTranslateCoordinates(t, w, DefaultRootWindow(t), at[0], at[1], &rx, &ry, &child);
    XTestFakeMotionEvent(t, -1, rx, ry, 0);
    XTestFakeButtonEvent(t, button, True, 0);
    XTestFakeButtonEvent(t, button, False, 0);
    XSync(t, False);
  };
  // Print held until the game has saved a whole picture of a frame under its name (play takes it
  // only with the cursor over the field). The frame that first saw Print may have been drawn
  // before the game took the events sent just before it; the second picture's frame had them.
  std::set<fs::path> seen;
  auto shot = [&]() {
    const KeyCode print = XKeysymToKeycode(t, XK_Print);
    XTestFakeKeyEvent(t, print, True, 0);
    XSync(t, False);
    Picture got;
    for (int i = 0; i < kStepMs / 10 && got.w == 0; i++) {
      std::error_code ec;
      for (const auto& e : fs::directory_iterator(dir / "screens1", ec))
        if (e.path().extension() == ".bmp" && !seen.count(e.path()) &&
            (got = ReadBmp(e.path().string())).w > 0) {
          seen.insert(e.path());
          break;
        }
      if (got.w == 0) SleepMs(10);
    }
    XTestFakeKeyEvent(t, print, False, 0);
    XSync(t, False);
    return got;
  };
  auto framesSawIt = [&]() { return shot().w > 0 && shot().w > 0; };
  auto grass = [](const Picture& p, int x, int y) {
    const uint8_t* rgb = &p.rgb[((size_t)y * p.w + x) * 3];
    return rgb[1] > rgb[2] + 20;
  };

  ASSERT_TRUE(framesSawIt()) << Output();
  tap(kRowEnd, 1);
  ASSERT_TRUE(framesSawIt()) << Output();
  TapKey(t, XK_q);
  std::thread dialog(
      AnswerModalWithin, kStepMs, xvfb.display, "Save",
      std::vector<KeySym>{XK_Return, XK_r, XK_o, XK_w, XK_period, XK_t, XK_x, XK_t, XK_Return});
  tap(kTextSave, 1);
  dialog.join();
  for (int i = 0; i < kStepMs / 10 && ReadAll(dir / "row.txt").size() < 5; i++) SleepMs(10);
  EXPECT_EQ(ReadAll(dir / "row.txt").substr(0, 5), "tolvq") << Output();

  tap(kPlayTest, 1);
  Picture play;
  for (int i = 0; i < 10 && !(play.w == 800 && grass(play, 600, 450)); i++) play = shot();
  ASSERT_TRUE(play.w == 800 && grass(play, 600, 450)) << "play did not start\n" << Output();
  tap(kBuilder, 1);
  ASSERT_TRUE(framesSawIt()) << Output();
  tap(kOrderPoint, 3);
  ASSERT_TRUE(framesSawIt()) << Output();
  tap(kStageSave, 1);
  for (int i = 0; i < kStepMs / 10 && !fs::exists(dir / "Maps" / "test2.etp01"); i++) SleepMs(10);

  XDestroyWindow(t, w);
  XSync(t, False);
  const int rc = WaitExit(kStepMs);
  ASSERT_NE(rc, -1) << "the program did not end after its window was destroyed\n" << Output();
  EXPECT_EQ(rc, 0) << Output();
  const std::string log = ReadAll(dir / "uni_files" / "log.txt");
  EXPECT_EQ(log.find("Fail"), std::string::npos) << log;

  // The shipped builder has no route target; the saved one has the one its order gave.
  ASSERT_EQ(EtapFile_Load((dir / "Maps" / "test2.etp").string()), 1) << Output();
  ASSERT_EQ(Fgrs.mf[652].status, fgrUnitStroi);
  EXPECT_NE(Fgrs.mf[652].targPathKle, 0);
}

}  // namespace
