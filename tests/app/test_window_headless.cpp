// The window on the headless platform: dragging by mouse, file and colour dialogs, the clipboard
// test callback. Each test loads its own script.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>

#include "app/startup.h"
#include "app/window.h"
#include "figures/mode_words.h"
#include "gm/org_base.h"
#include "gui/text_box.h"
#include "platform/platform.h"
#include "shell/clock.h"
#include "shell/dialogs.h"
#include "shell/files.h"
#include "shell/key_commands.h"
#include "shell/log.h"
#include "shell/window_state.h"
#include "test_files.h"

namespace {

class Headless : public ::testing::Test {
 protected:
  std::string script;
  void StartWith(const std::string& text) {
    script = TestFileName("script.txt");
    WriteAll(script, text);
    Plat_Shutdown();
    setenv("TOLV_VIDEO", "headless", 1);
    setenv("TOLV_SCRIPT", script.c_str(), 1);
    ASSERT_EQ(Plat_Init(), 1);
  }
  void TearDown() override {
    Plat_DestroyWindow();
    Plat_Shutdown();
    unsetenv("TOLV_SCRIPT");
  }
  // Dispatches every waiting message.
  void Pump() {
    PlatMsg m;
    while (Plat_PeekMessage(&m)) anWndProc(Win.WinHwnd, m.message, m.wparam, m.lparam);
  }
};

TEST_F(Headless, DraggingMovesTheWindowWithTheCursorWithinHalfItsSize) {
  StartWith(
      "press right 100 100\ndown backspace\nwait 2\nmove 160 130\nwait 3\nmove 90 80\nwait 2\n"
      "release right\nup backspace\nwait 50\n");
  Win.WinWidth = 800;
  Win.WinHeight = 600;
  ASSERT_EQ(Plat_CreateWindow(0, 0, Win.WinWidth, Win.WinHeight, "tolv"), PLAT_CREATE_OK);
  Keys_Clear();
  Win.WinPos[0] = Win.WinPos[1] = 0;
  Win.WinDragOn = 0;
  o2::anFocusFlag = 1;
  int dragged = 0, maxX = 0;
  for (int frame = 0; frame < 30; frame++) {
    Pump();
    dragged += Window_DragByMouse();
    Keys_FrameSeen();  // as the main loop does after each frame
    EXPECT_GE(Win.WinPos[0], 0);
    EXPECT_GE(Win.WinPos[1], 0);
    EXPECT_LE(Win.WinPos[0], Win.WinWidth / 2);
    EXPECT_LE(Win.WinPos[1], Win.WinHeight / 2);
    int x = -1, y = -1;
    Plat_WindowRect(&x, &y, nullptr, nullptr);
    EXPECT_EQ(x, Win.WinPos[0]);
    EXPECT_EQ(y, Win.WinPos[1]);
    if (Win.WinPos[0] > maxX) maxX = Win.WinPos[0];
    Plat_SwapBuffers();
  }
  EXPECT_GT(dragged, 2);
  EXPECT_GT(maxX, 0);           // the window followed the cursor
  EXPECT_EQ(Win.WinDragOn, 0);  // released
  EXPECT_EQ(Window_DragByMouse(), 0);
}

// What the window procedure does not swallow reaches the system's default procedure: the close
// command comes back as the close message; a swallowed command does nothing.
TEST_F(Headless, CommandsLeftToTheSystemComeBackAsItsMessages) {
  StartWith("wait 1000\n");
  ASSERT_EQ(Plat_CreateWindow(0, 0, 320, 240, "tolv"), PLAT_CREATE_OK);
  o2::NeedExit = 0;
  anWndProc(Win.WinHwnd, WM_SYSCOMMAND, SC_KEYMENU, 0);
  anWndProc(Win.WinHwnd, WM_SYSKEYDOWN, VK_F4, 1);  // F4 without Alt
  Pump();
  EXPECT_EQ(o2::NeedExit, 0);
  anWndProc(Win.WinHwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  Pump();
  EXPECT_EQ(o2::NeedExit, 1);
  o2::NeedExit = 0;
}

// One pass of the main loop: a waiting message is taken instead of a frame; a frame is shown, shot
// when asked with 1, and slept after as the named variable says (never longer than the minimised
// pass); a minimised window only sleeps.
TEST_F(Headless, OneMainLoopPassTakesAMessageOrDrawsAFrame) {
  StartWith("wait 100000\n");
  ASSERT_EQ(Plat_CreateWindow(0, 0, 320, 240, "tolv"), PLAT_CREATE_OK);
  Pump();  // what the window's making posted
  const int mode = ModeWords.ProgMode;
  ModeWords.ProgMode = 0;  // no program mode: the frame draws nothing of its own
  char startDir[sizeof Dlg.StartDir];
  std::memcpy(startDir, Dlg.StartDir, sizeof Dlg.StartDir);
  Dlg.StartDir[0] = 0;  // a shot has nowhere to go: only its counter moves
  struct Row {
    const char* what;
    int message, active, sleep, needScreen;       // before the pass
    int frames, sleptMs, needScreenAfter, shots;  // what it did
  };
  const Row kRows[] = {
      {"a waiting message starves the frame", 1, 1, 10, 1, 0, 0, 1, 0},
      {"a frame and its sleep", 0, 1, 10, 0, 1, 10, 0, 0},
      {"a sleep of 0: none", 0, 1, 0, 0, 1, 0, 0, 0},
      {"a sleep below 0: none", 0, 1, -5, 0, 1, 0, 0, 0},
      {"a settings value of 200 sleeps 200", 0, 1, 200, 0, 1, 200, 0, 0},
      {"never longer than a minimised pass", 0, 1, 2147483647, 0, 1, 500, 0, 0},
      {"NeedScreen 1: a shot, and cleared", 0, 1, 0, 1, 1, 0, 0, 1},
      {"NeedScreen 2: no shot, and kept", 0, 1, 0, 2, 1, 0, 2, 0},
      {"minimised: no frame, 500 ms", 0, 0, 10, 1, 0, 500, 1, 0},
  };
  Clock_SetManual(true);
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.what);
    if (r.message) Plat_PostMessage(WM_NULL, 0, 0);
    Win.WinActive = r.active;
    o2::anSleepEachFrame = r.sleep;
    o2::NeedScreen = r.needScreen;
    const int frames = Plat_FrameCount(), shots = o2::NomScreen;
    const uint32_t t = TimeGetMs();
    MainLoop_Pass();
    EXPECT_EQ(Plat_FrameCount() - frames, r.frames);
    EXPECT_EQ((int)(TimeGetMs() - t), r.sleptMs);
    EXPECT_EQ(o2::NeedScreen, r.needScreenAfter);
    EXPECT_EQ(o2::NomScreen - shots, r.shots);
  }
  Clock_SetManual(false);
  std::memcpy(Dlg.StartDir, startDir, sizeof Dlg.StartDir);
  ModeWords.ProgMode = mode;
  Win.WinActive = 0;
  o2::NeedScreen = 0;
}

// The window's messages as the platform sends them, seen through the main loop: a minimised
// window draws no frame, also when activated before its restore, and holds no key or drag; a
// restore brings the frames back; focus lost to another window keeps the frames but lets the keys
// go and starts no drag.
TEST_F(Headless, MinimisedNoFramesNoKeysRestoredFramesAgainUnfocusedNoDrag) {
  StartWith("wait 100000\n");
  ASSERT_EQ(Plat_CreateWindow(0, 0, 320, 240, "tolv"), PLAT_CREATE_OK);
  Pump();
  const int mode = ModeWords.ProgMode;
  ModeWords.ProgMode = 0;  // no program mode: a frame draws nothing of its own
  o2::anSleepEachFrame = o2::NeedScreen = 0;
  Clock_SetManual(true);
  Keys_Clear();
  Win.WinDragOn = 0;
  auto framesOf = [](std::initializer_list<std::pair<unsigned, uintptr_t>> msgs, int passes) {
    for (const auto& m : msgs) Plat_PostMessage(m.first, m.second, 0);
    const int before = Plat_FrameCount();
    for (int i = 0; i < passes; i++) MainLoop_Pass();
    return Plat_FrameCount() - before;
  };
  const uintptr_t kMinimised = 1u << 16;
  EXPECT_EQ(framesOf({{WM_SIZE, SIZE_RESTORED}, {WM_ACTIVATE, WA_ACTIVE}, {WM_SETFOCUS, 0}}, 5), 2);
  anWndProc(Win.WinHwnd, WM_RBUTTONDOWN, 0, 0);
  anWndProc(Win.WinHwnd, WM_KEYDOWN, VK_BACK, 0);
  EXPECT_EQ(framesOf({}, 1), 1);  // held through a frame
  EXPECT_EQ(Window_DragByMouse(), 1);

  EXPECT_EQ(
      framesOf({{WM_ACTIVATE, WA_INACTIVE | kMinimised}, {WM_KILLFOCUS, 0}, {WM_SIZE, SIZE_MINIMIZED}},
               6),
      0);
  EXPECT_EQ(KeyIsDown(VK_RBUTTON) + KeyIsDown(VK_BACK), 0);
  EXPECT_EQ(Window_DragByMouse(), 0);
  EXPECT_EQ(framesOf({{WM_ACTIVATE, WA_ACTIVE | kMinimised}}, 4), 0);  // activated, still minimised

  EXPECT_EQ(framesOf({{WM_SIZE, SIZE_RESTORED}, {WM_ACTIVATE, WA_ACTIVE}, {WM_SETFOCUS, 0}}, 5), 2);
  EXPECT_EQ(framesOf({{WM_ACTIVATE, WA_INACTIVE}, {WM_KILLFOCUS, 0}}, 4), 2);
  anWndProc(Win.WinHwnd, WM_RBUTTONDOWN, 0, 0);
  anWndProc(Win.WinHwnd, WM_KEYDOWN, VK_BACK, 0);
  EXPECT_EQ(Window_DragByMouse(), 0);
  Keys_Clear();
  Clock_SetManual(false);
  ModeWords.ProgMode = mode;
  Win.WinActive = 0;
}

TEST_F(Headless, NoDragWithoutFocusOrWithoutBackspace) {
  StartWith("press right 100 100\nwait 2\nmove 160 130\nwait 20\n");
  ASSERT_EQ(Plat_CreateWindow(0, 0, 800, 600, "tolv"), PLAT_CREATE_OK);
  Keys_Clear();
  Win.WinPos[0] = Win.WinPos[1] = 0;
  Win.WinDragOn = 0;
  o2::anFocusFlag = 1;
  for (int frame = 0; frame < 10; frame++) {
    Pump();
    EXPECT_EQ(Window_DragByMouse(), 0);
    Plat_SwapBuffers();
  }
  EXPECT_EQ(Win.WinPos[0], 0);
}

TEST_F(Headless, ColourDialogClampsTheChannelsAndKeepsCustomColours) {
  StartWith("color cancel\ncolor 255 128 0\nwait 1\n");
  std::memset(Dlg.DlgCustomColours, 0, sizeof(Dlg.DlgCustomColours));
  float r = 1.5f, g = -0.2f, b = 0.5f;
  EXPECT_EQ(Dlg_ChooseColor(&r, &g, &b, 12), 0);
  EXPECT_FLOAT_EQ(r, 1.0f);  // clamped also when cancelled
  EXPECT_FLOAT_EQ(g, 0.0f);
  EXPECT_FLOAT_EQ(b, 0.5f);
  EXPECT_EQ(Dlg.DlgCustomColours[2], 0x7F00FFu);
  EXPECT_EQ(Dlg.DlgLastColour, 0x7F00FFu);

  r = 0.2f;
  EXPECT_EQ(Dlg_ChooseColor(&r, &g, &b, 5), 1);
  for (int i = 0; i < 16; i++) {
    if (i != 2) {
      EXPECT_EQ(Dlg.DlgCustomColours[i], 0u) << i;
    }
  }
  EXPECT_EQ(Dlg.DlgLastColour, 0x0080FFu);
  EXPECT_FLOAT_EQ(r, 1.0f);
  EXPECT_NEAR(g, 128 / 255.0f, 1e-6);
  EXPECT_FLOAT_EQ(b, 0.0f);
}

TEST_F(Headless, FileDialogsShareThePathAndRestoreTheStartDirectory) {
  std::string chosen = (std::filesystem::current_path() / "chosen_file.txt").string();
  WriteAll(chosen, "x");
  StartWith("file " + chosen + "\nfile cancel\nwait 1\n");
  std::string start = std::filesystem::current_path().string();
  DirStack_Reset(&Files.Dirs);  // as start-up: the start directory is the stack's base
  std::memset(Dlg.StartDir, 0, sizeof(Dlg.StartDir));
  std::strncpy(Dlg.StartDir, start.c_str(), sizeof(Dlg.StartDir) - 1);
  std::strcpy(Dlg.DlgFilePath, "old");

  ASSERT_EQ(chdir("/"), 0);
  EXPECT_EQ(Dlg_OpenFile(), 1);
  EXPECT_EQ(std::string(Dlg.DlgFilePath), chosen);
  EXPECT_EQ(std::filesystem::current_path().string(), start);

  ASSERT_EQ(chdir("/"), 0);
  EXPECT_EQ(Dlg_SaveFile(), 0);
  EXPECT_EQ(std::string(Dlg.DlgFilePath), chosen);  // a cancel keeps the last path
  EXPECT_EQ(std::filesystem::current_path().string(), start);
}

TEST_F(Headless, ClipboardTestCallbackLogsTheTextAndConsumesTheClick) {
  StartWith("clip clipboard words\nwait 5\n");
  std::filesystem::create_directories("uni_files");
  PlatMsg m;
  Plat_PeekMessage(&m);  // runs the script's first commands
  GuiWin w{};
  Clip_LogText(&w);
  EXPECT_EQ(w.consumed, 1);
  Clip_LogText(nullptr);
  EXPECT_NE(ReadAll(Logger.gsFileLog).find("\ntest: clipboard words"), std::string::npos);
  EXPECT_EQ(Window_Hwnd(), Win.WinHwnd);
  EXPECT_EQ(ScreenW(), Win.WinWidth);
  EXPECT_EQ(ScreenH(), Win.WinHeight);
}

}  // namespace
