// The headless input script: parsing of every command, refusals, and runs through the layer's
// own calls the way the main loop makes them.
#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
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
// minimised). Stops at the close message or after maxPasses. Each message is shown to seen as it
// is taken.
LoopResult RunLoop(int maxPasses, std::function<void(const PlatMsg&)> seen = nullptr) {
  LoopResult r;
  for (; r.passes < maxPasses && !r.closed; r.passes++) {
    PlatMsg m;
    if (Plat_PeekMessage(&m)) {
      if (seen) seen(m);
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

namespace {

// The last line the layer logged (a refusal's), for the refusal's reason.
std::string gLogged;
void KeepLog(const char* fmt, ...) {
  char line[1024];
  va_list ap;
  va_start(ap, fmt);
  vsnprintf(line, sizeof line, fmt, ap);
  va_end(ap);
  gLogged = line;
}

// What one line gives, in the words of the table below: its commands and answers ("; " between
// them), or "refused: " and the reason the log names. A refused line must add nothing.
std::string Outcome(const std::string& line) {
  Script s;
  Script_Clear(&s);
  Plat_SetLog(KeepLog);
  gLogged.clear();
  const bool taken = Script_ParseLine(&s, line, 1);
  Plat_SetLog(nullptr);
  if (!taken) {
    EXPECT_EQ(s.refused, 1) << line;
    EXPECT_TRUE(s.cmds.empty() && s.boxAnswers.empty() && s.fileAnswers.empty() &&
                s.colourAnswers.empty())
        << line;
    const size_t open = gLogged.find('('), close = gLogged.rfind(')');
    if (open == std::string::npos || close == std::string::npos) return "refused without a reason";
    return "refused: " + gLogged.substr(open + 1, close - open - 1);
  }
  std::string out;
  auto put = [&out](const std::string& part) { out += (out.empty() ? "" : "; ") + part; };
  for (const ScriptCmd& c : s.cmds) {
    const std::string a = std::to_string(c.a), b = std::to_string(c.b);
    switch (c.op) {
      case SOP_WAIT: put("wait " + a); break;
      case SOP_KEY: put((c.b ? "down " : "up ") + a); break;
      case SOP_MOVE: put("move " + a + " " + b); break;
      case SOP_STEP: put("step " + a); break;
      case SOP_BUTTON: {
        const char* const names[] = {"left down", "left up",     "",         "right down", "right up",
                                     "",          "middle down", "middle up"};
        put(c.message >= WM_LBUTTONDOWN && c.message <= WM_MBUTTONUP ? names[c.message - WM_LBUTTONDOWN]
                                                                     : "button ?");
        break;
      }
      case SOP_CLIP: put("clip " + c.text); break;
      case SOP_SHOT: put("shot " + c.text); break;
      case SOP_MSG:
        if (c.message == WM_CHAR) put("char " + std::to_string(c.w));
        else
          put("msg " + std::to_string(c.message) + " " + std::to_string(c.w) + " " +
              std::to_string(c.l));
        break;
      default: put("other"); break;
    }
  }
  for (int b : s.boxAnswers) put("answer " + std::to_string(b));
  for (const ScriptFileAnswer& f : s.fileAnswers) put("file " + (f.chosen ? f.path : "cancel"));
  for (long long c : s.colourAnswers) put("color " + std::to_string(c));
  if (s.seed != SCRIPT_SEED) put("seed " + std::to_string(s.seed));
  return out;
}

}  // namespace

// Every command gives its commands and answers (a key is pressed for one frame, a click moves,
// presses and releases, text is typed in Windows-1251, \n as Enter). Every number is decimal,
// leading zeros included, or hex after 0x where the command takes hex (key
// codes are decimal only); 0X and a minus sign where the range has no negatives (-0 too) are
// refused with their own reason; a NUL refuses its line; each refusal names its reason. The
// coordinates of the mouse commands are -32768..32767, as the README gives them.
TEST(ScriptParse, EachLineGivesItsValuesOrItsReason) {
  using namespace std::string_literals;
  const std::string close = "msg " + std::to_string(WM_CLOSE) + " 0 0";
  const struct {
    std::string line, outcome;
  } rows[] = {
      {"wait 3", "wait 3"},
      {"key A", "down 65; wait 1; up 65"},
      {"down Shift", "down " + std::to_string(VK_SHIFT)},
      {"up shift", "up " + std::to_string(VK_SHIFT)},
      {"char \xD0\xB6", "char 230"},  // ж
      {"char 13", "char 13"},
      {"type Hi\\n", "char 72; char 105; char 13"},
      {"move 10 20", "move 10 20"},
      {"click left 5 6", "move 5 6; left down; wait 1; left up"},
      {"press right", "right down"},
      {"release right", "right up"},
      {"close", close},
      {"msg 0x112 0xF030 0", "msg 274 61488 0"},
      {"answer yes", "answer " + std::to_string(IDYES)},
      {"answer NO", "answer " + std::to_string(IDNO)},
      {"answer ok", "answer " + std::to_string(IDOK)},
      {"file dir/my file.txt", "file dir/my file.txt"},
      {"file cancel", "file cancel"},
      {"color 1 2 3", "color 197121"},  // 0x030201
      {"color cancel", "color -1"},
      {"clip a\\n\xD0\xB1", "clip a\r\n\xE1"},
      {"shot", "shot ; wait 1"},  // held until the frame of the shot is drawn
      {"shot out.bmp", "shot out.bmp; wait 1"},
      {"step 010", "step 10"},
      {"step 09", "step 9"},
      {"step 0x3E8", "step 1000"},
      {"step 0X10",
       "refused: step takes the milliseconds of a frame, 1..1000; hexadecimal comes after 0x, not 0X"},
      {"step 0x1f", "step 31"},  // the digits in either case
      {"step 1\0"
       "6"s,
       "refused: a NUL in the line"},
      {"type a\0b"s, "refused: a NUL in the line"},
      {"step 0", "refused: step takes the milliseconds of a frame, 1..1000"},
      {"step 1001", "refused: step takes the milliseconds of a frame, 1..1000"},
      {"step", "refused: step takes the milliseconds of a frame, 1..1000"},
      {"step 0x", "refused: step takes the milliseconds of a frame, 1..1000"},
      {"step 1.5", "refused: step takes the milliseconds of a frame, 1..1000"},
      {"wait 0008", "wait 8"},
      {"wait 0", ""},
      {"wait 10000000", "wait 10000000"},
      {"wait", "refused: wait takes a frame count"},
      {"wait -1", "refused: wait takes a frame count; a minus sign only where the range has negatives"},
      {"wait -0", "refused: wait takes a frame count; a minus sign only where the range has negatives"},
      {"wait 1x", "refused: wait takes a frame count"},
      {"wait 99999999999", "refused: wait takes a frame count"},
      {"wait 99999999999999999999999", "refused: wait takes a frame count"},
      {"wait 1 2", "refused: wait takes a frame count"},
      {"key 044", "down 44; wait 1; up 44"},
      {"key 0010", "down 10; wait 1; up 10"},
      {"key 255", "down 255; wait 1; up 255"},
      {"key 0", "down 48; wait 1; up 48"},  // one character is the key itself
      {"down 09", "down 9"},
      {"key 0x41", "refused: unknown key"},  // key codes are decimal only
      {"key 00", "refused: unknown key"},
      {"key 256", "refused: unknown key"},
      {"key 99999999999", "refused: unknown key"},
      {"key", "refused: unknown key"},
      {"key nokey", "refused: unknown key"},
      {"key A B", "refused: unknown key"},
      {"down 300", "refused: unknown key"},
      {"char 7", "char 55"},  // one character types itself
      {"char 010", "char 10"},
      {"char 09", "char 9"},
      {"char 0x08", "char 8"},
      {"char 0X08",
       "refused: char takes one character or a code 1..255; hexadecimal comes after 0x, not 0X"},
      {"char -", "char 45"},
      {"char", "refused: char takes one character or a code 1..255"},
      {"char ab", "refused: char takes one character or a code 1..255"},
      {"char 256", "refused: char takes one character or a code 1..255"},
      {"char 300", "refused: char takes one character or a code 1..255"},
      {"char \xC3\xA9", "refused: char takes one character or a code 1..255"},
      {"type", "refused: type takes a text"},
      {"move -5 016", "move -5 16"},
      {"move -0x10 0x7FFF", "move -16 32767"},
      {"move -32768 -0", "move -32768 0"},  // off the window, as a cursor beyond its edge
      {"move -32769 0", "refused: move takes x and y"},
      {"move 0 32768", "refused: move takes x and y"},
      {"move 0 -0X1", "refused: move takes x and y; hexadecimal comes after 0x, not 0X"},
      {"click left -32768 32767", "move -32768 32767; left down; wait 1; left up"},
      {"press right 32767 -1", "move 32767 -1; right down"},
      {"release middle 0 32768", "refused: button command takes left|right|middle [x y]"},
      {"move 1", "refused: move takes x and y"},
      {"move a b", "refused: move takes x and y"},
      {"move 1 99999", "refused: move takes x and y"},
      {"move 1 -", "refused: move takes x and y"},
      {"click", "refused: button command takes left|right|middle [x y]"},
      {"click up", "refused: button command takes left|right|middle [x y]"},
      {"click left 1", "refused: button command takes left|right|middle [x y]"},
      {"press left x y", "refused: button command takes left|right|middle [x y]"},
      {"close now", "refused: command takes no argument"},
      {"msg 0400 010 -1", "msg 400 10 -1"},
      {"msg 0x112 0xF030 0xFFFFFFFF", "msg 274 61488 4294967295"},
      {"msg 0xFFFF 0 -2147483648", "msg 65535 0 -2147483648"},
      {"msg 0 0 -0", "msg 0 0 0"},  // l has negatives
      {"msg 0x10000 0 0", "refused: msg takes message, w and l"},
      {"msg -0 0 0",
       "refused: msg takes message, w and l; a minus sign only where the range has negatives"},
      {"msg 1 2", "refused: msg takes message, w and l"},
      {"msg x 0 0", "refused: msg takes message, w and l"},
      {"answer", "refused: answer takes yes, no or ok"},
      {"answer maybe", "refused: answer takes yes, no or ok"},
      {"file", "refused: file takes a path or cancel"},
      {"color 010 0x10 255", "color 16715786"},  // 10 | 16 << 8 | 255 << 16
      {"color 1 2", "refused: color takes r g b (0..255) or cancel"},
      {"color 1 2 300", "refused: color takes r g b (0..255) or cancel"},
      {"color -0 1 2",
       "refused: color takes r g b (0..255) or cancel; a minus sign only where the range has negatives"},
      {"shot a b", "refused: shot takes at most a file name"},
      {"seed 0x000000FF", "seed 255"},
      {"seed 04294967295", "seed 4294967295"},
      {"seed -1",
       "refused: seed takes a number 0..4294967295; a minus sign only where the range has negatives"},
      {"seed -0",
       "refused: seed takes a number 0..4294967295; a minus sign only where the range has negatives"},
      {"seed 0XFF", "refused: seed takes a number 0..4294967295; hexadecimal comes after 0x, not 0X"},
      {"seed 4294967296", "refused: seed takes a number 0..4294967295"},
      {"jump 3", "refused: unknown command"},
      {"KEY A", "refused: unknown command"},
  };
  for (const auto& row : rows) EXPECT_EQ(Outcome(row.line), row.outcome) << row.line;

  // A script's text: comments, blank lines and CR LF ends pass; good lines around a bad one still
  // count.
  Script s;
  Script_Clear(&s);
  Script_ParseText(&s,
                   "# a comment\n\nwait 3\r\nkey A\nbogus\nminimise\nrestore\nfocus\nunfocus\nclose");
  EXPECT_EQ(s.refused, 1);
  ASSERT_EQ(s.cmds.size(), 15u);
  EXPECT_EQ(s.cmds[0].a, 3);
  EXPECT_EQ(s.cmds.back().message, WM_CLOSE);

  // A line that would pass the command limit is refused whole; later lines that fit still count.
  Script_Clear(&s);
  EXPECT_FALSE(Script_ParseLine(&s, "type " + std::string(SCRIPT_MAX_CMDS + 1, 'a'), 1));
  EXPECT_TRUE(s.cmds.empty());
  EXPECT_TRUE(Script_ParseLine(&s, "type " + std::string(SCRIPT_MAX_CMDS - 1, 'a'), 2));
  EXPECT_FALSE(Script_ParseLine(&s, "key A", 3));  // three commands, room for one
  EXPECT_TRUE(Script_ParseLine(&s, "close", 4));
  EXPECT_TRUE(Script_ParseLine(&s, "answer yes", 5));
  EXPECT_FALSE(Script_ParseLine(&s, "wait 1", 6));
  ASSERT_EQ(s.cmds.size(), (size_t)SCRIPT_MAX_CMDS);
  EXPECT_EQ(s.cmds.back().message, (unsigned)WM_CLOSE);
  EXPECT_EQ(s.refused, 3);
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
  // Polled state follows the taken messages.
  int polled = 0;
  LoopResult r = RunLoop(1000, [&](const PlatMsg& m) {
    if ((m.message == WM_KEYDOWN || m.message == WM_KEYUP) && m.wparam == VK_LEFT) {
      EXPECT_EQ(Plat_KeyIsDown(VK_LEFT), m.message == WM_KEYDOWN ? 1 : 0);
      polled++;
    }
  });
  ASSERT_TRUE(r.closed);
  EXPECT_EQ(polled, 2);
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

// More messages in one go than the queue holds: the script waits for room over the frames it
// needs, so a long typed line arrives whole and in order, and a close behind it still comes.
TEST_F(ScriptRun, WhatTheQueueCannotHoldWaitsForTheNextFrame) {
  std::string text;
  for (int i = 0; i < 3000; i++) text += (char)('a' + i % 26);
  std::string script = "type " + text + "\nclose\n";
  for (int i = 0; i < 2000; i++) script += "move " + std::to_string(i % 64) + " 1\n";
  Start(script.c_str());
  LoopResult r = RunLoop(100000);
  ASSERT_TRUE(r.closed);
  std::string typed;
  for (const Delivered& d : r.msgs)
    if (d.msg.message == WM_CHAR) typed += (char)d.msg.wparam;
  EXPECT_EQ(typed, text);
  EXPECT_GE(r.frames, 2);  // 3,000 characters do not fit one frame's queue
  EXPECT_EQ(r.msgs.back().msg.message, (unsigned)WM_CLOSE);
  EXPECT_EQ(gPlat.queue.dropped, 0);
}
