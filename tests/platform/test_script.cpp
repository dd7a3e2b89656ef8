// The headless input script: parsing of every command, refusals, and runs through the layer's
// own calls the way the main loop makes them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "platform/script.h"
#include "test_files.h"

namespace {

struct Delivered {
  int frame;  // frames drawn before the message was taken
  PlatMsg msg;
};

struct LoopResult {
  std::vector<Delivered> msgs;
  std::vector<int> shotFrames;
  std::vector<std::string> shotPaths;
  int frames = 0;
  int passes = 0;
  bool closed = false;
};

// One pass of the game's main loop at a time: a message, or else one frame (or an idle pass while
// minimised). Stops at the close message or after maxPasses.
LoopResult RunLoop(int maxPasses) {
  LoopResult r;
  for (; r.passes < maxPasses && !r.closed; r.passes++) {
    PlatMsg m;
    if (Plat_PeekMessage(&m)) {
      r.msgs.push_back({r.frames, m});
      if (m.message == WM_CLOSE) r.closed = true;
      continue;
    }
    if (Plat_IsMinimised()) continue;
    if (Plat_ScreenshotWanted()) {
      r.shotFrames.push_back(r.frames);
      r.shotPaths.push_back(Plat_ScreenshotPath());
    }
    Plat_SwapBuffers();
    r.frames++;
  }
  return r;
}

class ScriptRun : public ::testing::Test {
 protected:
  void SetUp() override {
    Plat_Shutdown();
    setenv("TOLV_VIDEO", "headless", 1);
    unsetenv("TOLV_SCRIPT");
  }
  void TearDown() override { Plat_Shutdown(); }

  // Starts the layer with the script text (or none) and a 64 x 48 window.
  void Start(const char* text) {
    if (text) {
      // Tests run side by side in one folder: one script file per test.
      std::string name = TestFileName("script.txt");
      WriteAll(name, text);
      setenv("TOLV_SCRIPT", name.c_str(), 1);
    }
    ASSERT_EQ(Plat_Init(), 1);
    ASSERT_EQ(Plat_Backend(), PLAT_HEADLESS);
    ASSERT_EQ(Plat_CreateWindow(0, 0, 64, 48, "t"), PLAT_CREATE_OK);
    Plat_ShowWindow();
  }
};

constexpr unsigned WM_USER_TEST = 0x0400;

}  // namespace

TEST(ScriptParse, EveryCommandAndItsExpansion) {
  Script s;
  Script_Clear(&s);
  const char* text =
      "# a comment\n"
      "\n"
      "wait 3\r\n"
      "key A\n"
      "down Shift\n"
      "up shift\n"
      "char \xD0\xB6\n"
      "char 13\n"
      "type Hi\\n\n"
      "move 10 20\n"
      "click left 5 6\n"
      "press right\n"
      "release right\n"
      "close\n"
      "minimise\n"
      "restore\n"
      "focus\n"
      "unfocus\n"
      "msg 0x112 0xF030 0\n"
      "answer yes\n"
      "answer NO\n"
      "answer ok\n"
      "file dir/my file.txt\n"
      "file cancel\n"
      "color 1 2 3\n"
      "color cancel\n"
      "clip a\\n\xD0\xB1\n"
      "shot\n"
      "shot out.bmp\n"
      "wait 0\n";
  Script_ParseText(&s, text);
  EXPECT_EQ(s.refused, 0);
  ASSERT_GE(s.cmds.size(), 30u);
  EXPECT_EQ(s.cmds[0].op, SOP_WAIT);
  EXPECT_EQ(s.cmds[0].a, 3);
  // key = down, one frame, up
  EXPECT_EQ(s.cmds[1].op, SOP_KEY);
  EXPECT_EQ(s.cmds[1].a, 'A');
  EXPECT_EQ(s.cmds[1].b, 1);
  EXPECT_EQ(s.cmds[2].op, SOP_WAIT);
  EXPECT_EQ(s.cmds[2].a, 1);
  EXPECT_EQ(s.cmds[3].b, 0);
  EXPECT_EQ(s.cmds[4].a, VK_SHIFT);
  EXPECT_EQ(s.cmds[6].message, WM_CHAR);
  EXPECT_EQ(s.cmds[6].w, 0xE6u);  // ж in 1251
  EXPECT_EQ(s.cmds[7].w, 13u);
  EXPECT_EQ(s.cmds[8].w, (uintptr_t)'H');
  EXPECT_EQ(s.cmds[10].w, 13u);  // \n types Enter
  EXPECT_EQ(s.cmds[11].op, SOP_MOVE);
  EXPECT_EQ(s.cmds[12].op, SOP_MOVE);
  EXPECT_EQ(s.cmds[13].message, WM_LBUTTONDOWN);
  EXPECT_EQ(s.cmds[15].message, WM_LBUTTONUP);
  EXPECT_EQ(s.cmds[16].message, WM_RBUTTONDOWN);
  EXPECT_EQ(s.cmds[17].message, WM_RBUTTONUP);
  EXPECT_EQ(s.cmds[18].message, WM_CLOSE);
  ASSERT_EQ(s.boxAnswers.size(), 3u);
  EXPECT_EQ(s.boxAnswers[0], IDYES);
  EXPECT_EQ(s.boxAnswers[1], IDNO);
  EXPECT_EQ(s.boxAnswers[2], IDOK);
  ASSERT_EQ(s.fileAnswers.size(), 2u);
  EXPECT_TRUE(s.fileAnswers[0].chosen);
  EXPECT_EQ(s.fileAnswers[0].path, "dir/my file.txt");
  EXPECT_FALSE(s.fileAnswers[1].chosen);
  ASSERT_EQ(s.colourAnswers.size(), 2u);
  EXPECT_EQ(s.colourAnswers[0], 0x030201);
  EXPECT_EQ(s.colourAnswers[1], -1);
  const ScriptCmd& clip = s.cmds[s.cmds.size() - 5];
  EXPECT_EQ(clip.op, SOP_CLIP);
  EXPECT_EQ(clip.text, "a\r\n\xE1");
  EXPECT_EQ(s.cmds[s.cmds.size() - 4].op, SOP_SHOT);
  EXPECT_EQ(s.cmds[s.cmds.size() - 4].text, "");
  EXPECT_EQ(s.cmds[s.cmds.size() - 2].op, SOP_SHOT);
  EXPECT_EQ(s.cmds[s.cmds.size() - 2].text, "out.bmp");
  EXPECT_EQ(s.cmds.back().op, SOP_WAIT);
}

TEST(ScriptParse, MalformedLinesAreRefusedOneByOne) {
  const char* bad[] = {
      "wait",         "wait -1",
      "wait 1x",      "wait 99999999999",
      "wait 1 2",     "key",
      "key nokey",    "key A B",
      "down 300",     "char",
      "char ab",      "char 256",
      "char 300",     "char \xC3\xA9",
      "type",         "move 1",
      "move a b",     "move 1 99999",
      "click",        "click up",
      "click left 1", "press left x y",
      "close now",    "msg 1 2",
      "msg x 0 0",    "answer",
      "answer maybe", "file",
      "color 1 2",    "color 1 2 300",
      "shot a b",     "jump 3",
      "KEY A",        "step 0",
      "step 1001",    "step",
      "seed -1",      "seed 4294967296",
  };
  for (const char* line : bad) {
    Script s;
    Script_Clear(&s);
    EXPECT_FALSE(Script_ParseLine(&s, line, 1)) << line;
    EXPECT_EQ(s.refused, 1) << line;
    EXPECT_TRUE(s.cmds.empty()) << line;
    EXPECT_TRUE(s.boxAnswers.empty() && s.fileAnswers.empty() && s.colourAnswers.empty()) << line;
  }
  // Good lines around a bad one still count.
  Script s;
  Script_Clear(&s);
  Script_ParseText(&s, "key A\nbogus\nclose");
  EXPECT_EQ(s.refused, 1);
  EXPECT_EQ(s.cmds.size(), 4u);
}

TEST(ScriptParse, BinaryGarbageNeverHangsOrCrashes) {
  std::string junk;
  for (int i = 0; i < 20000; i++) junk.push_back((char)((i * 7919) % 256));
  Script s;
  Script_Clear(&s);
  Script_ParseText(&s, junk);
  EXPECT_GT(s.refused, 0);
}

TEST(ScriptParse, MissingFileIsReported) {
  Script s;
  Script_Clear(&s);
  EXPECT_FALSE(Script_Load(&s, "no/such/script.txt"));
}

TEST_F(ScriptRun, NoScriptRunsBoundedFramesThenShotThenClose) {
  Start(nullptr);
  LoopResult r = RunLoop(100000);
  ASSERT_TRUE(r.closed);
  EXPECT_EQ(r.frames, SCRIPT_DEFAULT_FRAMES);
  ASSERT_EQ(r.shotFrames.size(), 1u);
  EXPECT_EQ(r.shotFrames[0], SCRIPT_DEFAULT_FRAMES - 1);  // the last frame is the one saved
  EXPECT_EQ(r.shotPaths[0], "");
  EXPECT_EQ(Plat_FrameCount(), SCRIPT_DEFAULT_FRAMES);
}

// The script's clock: 16 ms a frame drawn until a step line says otherwise, from its frame on; the
// seed is the script's last one, whichever frame it stands at.
TEST_F(ScriptRun, TheClockAdvancesByTheStepOfEachFrameDrawn) {
  Start("wait 3\nstep 40\nwait 2\nseed 7\nstep 1\nwait 1\nclose\n");
  PlatScriptClock c{};
  ASSERT_EQ(Plat_ScriptClock(&c), 1);
  EXPECT_EQ(c.frameMs, 0u);
  EXPECT_EQ(c.seed, 7u);
  LoopResult r = RunLoop(1000);
  ASSERT_TRUE(r.closed);
  ASSERT_EQ(Plat_ScriptClock(&c), 1);
  EXPECT_EQ(c.frameMs, 3u * 16 + 2 * 40 + 1);
}

TEST_F(ScriptRun, KeysHoldForAFrameAndWaitsCountFrames) {
  Start("wait 2\nkey A\ndown Left\nwait 3\nup Left\nclose\n");
  LoopResult r;
  // Polled state follows the taken messages.
  for (int pass = 0; pass < 1000 && !r.closed; pass++) {
    PlatMsg m;
    if (Plat_PeekMessage(&m)) {
      r.msgs.push_back({r.frames, m});
      if (m.message == WM_KEYDOWN && m.wparam == VK_LEFT) {
        EXPECT_EQ(Plat_KeyIsDown(VK_LEFT), 1);
      }
      if (m.message == WM_KEYUP && m.wparam == VK_LEFT) {
        EXPECT_EQ(Plat_KeyIsDown(VK_LEFT), 0);
      }
      if (m.message == WM_CLOSE) r.closed = true;
      continue;
    }
    Plat_SwapBuffers();
    r.frames++;
  }
  ASSERT_TRUE(r.closed);
  std::vector<Delivered> keys;
  for (const Delivered& d : r.msgs)
    if (d.msg.message == WM_KEYDOWN || d.msg.message == WM_KEYUP) keys.push_back(d);
  ASSERT_EQ(keys.size(), 4u);
  EXPECT_EQ(keys[0].msg.message, WM_KEYDOWN);
  EXPECT_EQ(keys[0].msg.wparam, (uintptr_t)'A');
  EXPECT_EQ(keys[0].frame, 2);
  EXPECT_EQ(keys[1].msg.message, WM_KEYUP);
  EXPECT_EQ(keys[1].frame, 3);  // one frame saw A down
  EXPECT_EQ(keys[2].msg.wparam, (uintptr_t)VK_LEFT);
  EXPECT_EQ(keys[2].frame, 3);
  EXPECT_EQ(keys[3].msg.message, WM_KEYUP);
  EXPECT_EQ(keys[3].frame, 6);
  EXPECT_EQ(Plat_KeyIsDown(0), 0);
  EXPECT_EQ(Plat_KeyIsDown(256), 0);
}

TEST_F(ScriptRun, RepeatBitAltKeysAndCharacters) {
  Start(
      "down B\ndown B\nup B\ndown Alt\nkey F\nup Alt\nkey F10\ntype \xD0\x96"
      "a\nclose\n");
  LoopResult r = RunLoop(1000);
  ASSERT_TRUE(r.closed);
  std::vector<PlatMsg> k;
  for (const Delivered& d : r.msgs)
    if (d.msg.message >= WM_KEYDOWN && d.msg.message <= WM_SYSKEYUP) k.push_back(d.msg);
  ASSERT_EQ(k.size(), 11u);
  EXPECT_EQ(k[0].lparam & (1 << 30), 0);
  EXPECT_NE(k[1].lparam & (1 << 30), 0);   // pressed while already down
  EXPECT_EQ(k[3].message, WM_SYSKEYDOWN);  // Alt
  EXPECT_EQ(k[4].message, WM_SYSKEYDOWN);  // F with Alt held
  EXPECT_EQ(k[5].message, WM_SYSKEYUP);
  EXPECT_EQ(k[6].message, WM_SYSKEYUP);    // Alt released
  EXPECT_EQ(k[7].message, WM_SYSKEYDOWN);  // F10 alone
  EXPECT_EQ(k[9].message, WM_CHAR);
  EXPECT_EQ(k[9].wparam, 0xC6u);  // Ж
  EXPECT_EQ(k[10].wparam, (uintptr_t)'a');
}

TEST_F(ScriptRun, MouseMovesAndClicksCarryThePosition) {
  Start("move 10 20\nclick right 30 40\nclose\n");
  LoopResult r = RunLoop(1000);
  ASSERT_TRUE(r.closed);
  int seen = 0;
  for (const Delivered& d : r.msgs) {
    unsigned x = (unsigned)d.msg.lparam & 0xFFFF, y = ((unsigned)d.msg.lparam >> 16) & 0xFFFF;
    if (d.msg.message == WM_MOUSEMOVE && seen == 0) {
      EXPECT_EQ(x, 10u);
      EXPECT_EQ(y, 20u);
      seen++;
    } else if (d.msg.message == WM_RBUTTONDOWN) {
      EXPECT_EQ(x, 30u);
      EXPECT_EQ(y, 40u);
      EXPECT_EQ(Plat_KeyIsDown(VK_RBUTTON), 0);  // released by the end
      seen++;
    } else if (d.msg.message == WM_RBUTTONUP) {
      seen++;
    }
  }
  EXPECT_EQ(seen, 3);
  Plat_MoveWindow(100, 50, 64, 48);
  int cx, cy;
  Plat_CursorPos(&cx, &cy);  // screen = window origin + client position
  EXPECT_EQ(cx, 130);
  EXPECT_EQ(cy, 90);
}

TEST_F(ScriptRun, MinimisedWaitsStillRunOut) {
  Start("minimise\nwait 5\nrestore\nwait 2\nclose\n");
  LoopResult r = RunLoop(1000);
  ASSERT_TRUE(r.closed);
  EXPECT_LT(r.passes, 100);
  EXPECT_EQ(r.frames, 2);
  EXPECT_FALSE(Plat_IsMinimised());
  EXPECT_TRUE(Plat_IsActive());
}

TEST_F(ScriptRun, ScriptWithoutCloseStillEnds) {
  Start("wait 4\n");
  LoopResult r = RunLoop(1000);
  EXPECT_TRUE(r.closed);
  EXPECT_EQ(r.frames, 4);
}

TEST_F(ScriptRun, MissingScriptFileFallsBackToTheBoundedRun) {
  setenv("TOLV_SCRIPT", "does-not-exist.txt", 1);
  Start(nullptr);
  LoopResult r = RunLoop(100000);
  EXPECT_TRUE(r.closed);
  EXPECT_EQ(r.frames, SCRIPT_DEFAULT_FRAMES);
}

TEST_F(ScriptRun, ShotIsWantedForExactlyOneFrame) {
  Start("wait 3\nshot first.bmp\nwait 2\nshot\nclose\n");
  LoopResult r = RunLoop(1000);
  ASSERT_EQ(r.shotFrames.size(), 2u);
  EXPECT_EQ(r.shotFrames[0], 3);
  EXPECT_EQ(r.shotPaths[0], "first.bmp");
  EXPECT_EQ(r.shotFrames[1], 6);  // a shot holds the script for its frame
  EXPECT_EQ(r.shotPaths[1], "");
}

TEST_F(ScriptRun, BoxAnswersInOrderWithDefaults) {
  Start("answer yes\nanswer ok\nanswer no\n");
  EXPECT_EQ(Plat_MessageBox("Size?", "WindowSize", MB_YESNO), IDYES);
  // An answer that does not fit the box is used up and the default taken.
  EXPECT_EQ(Plat_MessageBox("Size?", "WindowSize", MB_YESNO), IDNO);
  EXPECT_EQ(Plat_MessageBox("note", "c", MB_OK | MB_ICONEXCLAMATION), IDOK);
  EXPECT_EQ(Plat_MessageBox("Size?", "WindowSize", MB_YESNO), IDNO);  // none left: No
  EXPECT_EQ(Plat_MessageBox("x", "c", MB_OK), IDOK);
  EXPECT_EQ(Plat_MessageBox(nullptr, nullptr, MB_OK), IDOK);
}

TEST_F(ScriptRun, FileDialogsCheckTheirAnswers) {
  WriteAll("exists.txt", "x");  // the same content from every writer
  Start(
      "file exists.txt\nfile cancel\nfile missing.txt\nfile new.txt\nfile nodir/new.txt\n"
      "file a-name-far-too-long-for-the-buffer.txt\n");
  char path[32] = "start";
  EXPECT_EQ(Plat_OpenFileDialog(path, sizeof path, "Any file"), 1);
  EXPECT_STREQ(path, "exists.txt");
  EXPECT_EQ(Plat_OpenFileDialog(path, sizeof path, "Any file"), 0);
  EXPECT_STREQ(path, "exists.txt");                                  // cancel keeps the path
  EXPECT_EQ(Plat_OpenFileDialog(path, sizeof path, "Any file"), 0);  // must exist
  EXPECT_EQ(Plat_SaveFileDialog(path, sizeof path, "Any type"), 1);  // its folder exists
  EXPECT_STREQ(path, "new.txt");
  EXPECT_EQ(Plat_SaveFileDialog(path, sizeof path, "Any type"), 0);
  EXPECT_EQ(Plat_SaveFileDialog(path, sizeof path, "Any type"), 0);  // too long for 32 bytes
  EXPECT_STREQ(path, "new.txt");
  EXPECT_EQ(Plat_OpenFileDialog(path, sizeof path, "Any file"), 0);  // none left: cancel
  EXPECT_EQ(Plat_OpenFileDialog(nullptr, 10, "Any file"), 0);
}

TEST_F(ScriptRun, ColourAnswers) {
  Start("color 255 128 0\ncolor cancel\n");
  unsigned c = 0x112233;
  EXPECT_EQ(Plat_ChooseColor(&c, nullptr), 1);
  EXPECT_EQ(c, 0x0080FFu);
  EXPECT_EQ(Plat_ChooseColor(&c, nullptr), 0);
  EXPECT_EQ(c, 0x0080FFu);
  EXPECT_EQ(Plat_ChooseColor(&c, nullptr), 0);
  EXPECT_EQ(Plat_ChooseColor(nullptr, nullptr), 0);
}

TEST_F(ScriptRun, ClipboardFromScriptAndFromTheGame) {
  Start(
      "wait 1\nclip line1\\n\xD1\x81\xD1\x82\xD1\x80\xD0\xBE\xD0\xBA\xD0\xB0"
      "2\nclose\n");
  EXPECT_EQ(Plat_ClipboardHasText(), 0);
  EXPECT_EQ(Plat_ClipboardGetText(), nullptr);
  RunLoop(1000);
  ASSERT_EQ(Plat_ClipboardHasText(), 1);
  EXPECT_STREQ(Plat_ClipboardGetText(), "line1\r\nстрока2");
  // The game's copy ends at its terminating zero.
  const char block[] = "abc\r\nd\0tail";
  EXPECT_EQ(Plat_ClipboardSetText(block, (int)sizeof block), 1);
  EXPECT_STREQ(Plat_ClipboardGetText(), "abc\r\nd");
  EXPECT_EQ(Plat_ClipboardSetText(nullptr, 3), 0);
}

TEST_F(ScriptRun, CursorCounterAndWindowRules) {
  Start("close\n");
  EXPECT_EQ(Plat_ShowCursor(0), -1);
  EXPECT_EQ(Plat_ShowCursor(0), -2);
  EXPECT_EQ(Plat_ShowCursor(1), -1);
  EXPECT_EQ(Plat_ShowCursor(1), 0);
  // One window at a time; sizes out of range are refused.
  EXPECT_EQ(Plat_CreateWindow(0, 0, 10, 10, "second"), PLAT_CREATE_WINDOW);
  Plat_DestroyWindow();
  EXPECT_EQ(Plat_HasWindow(), 0);
  EXPECT_EQ(Plat_CreateWindow(0, 0, 0, 10, "t"), PLAT_CREATE_WINDOW);
  EXPECT_EQ(Plat_CreateWindow(0, 0, 10, 100000, "t"), PLAT_CREATE_WINDOW);
  EXPECT_EQ(Plat_CreateWindow(0, 0, 32, 16, "t"), PLAT_CREATE_OK);
  int x, y, w, h;
  Plat_WindowRect(&x, &y, &w, &h);
  EXPECT_EQ(w, 32);
  EXPECT_EQ(h, 16);
}

TEST_F(ScriptRun, UnknownBackendIsRefused) {
  setenv("TOLV_VIDEO", "vga", 1);
  EXPECT_EQ(Plat_Init(), 0);
  EXPECT_EQ(Plat_CreateWindow(0, 0, 64, 48, "t"), PLAT_CREATE_WINDOW);
  PlatMsg m;
  EXPECT_EQ(Plat_PeekMessage(&m), 0);
}

TEST_F(ScriptRun, QueueOverflowDropsTheOldest) {
  Start("close\n");
  for (int i = 0; i < PLAT_QUEUE_SIZE + 10; i++) Plat_PostMessage(WM_USER_TEST, (uintptr_t)i, 0);
  PlatMsg m;
  int n = 0;
  uintptr_t first = 999999;
  while (n < PLAT_QUEUE_SIZE + 20 && Plat_PeekMessage(&m)) {
    if (m.message == WM_USER_TEST && first == 999999) first = m.wparam;
    n++;
  }
  EXPECT_EQ(first, 10u);
}
