// The whole program on a real window under a private Xvfb: the window-size question answered by
// key, a key press in the game window, the close button, a clean exit. Skipped without Xvfb.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

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
    ASSERT_EQ(xvfb.Start(bin), "");
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

}  // namespace
