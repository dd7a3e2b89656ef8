// Window procedure: key-state table, close request, re-binding mode, swallowed system commands.
#include <gtest/gtest.h>

#include <cstring>

#include "app/window.h"
#include "gm/org_base.h"
#include "platform/platform.h"
#include "render/kmd_block.h"
#include "shell/key_commands.h"

namespace {

long Send(unsigned msg, uintptr_t w = 0) { return anWndProc(Win.WinHwnd, msg, w, 0); }

class WndProc : public ::testing::Test {
 protected:
  void SetUp() override {
    Keys_Clear();
    o2::anFocusFlag = 0;
    o2::NeedExit = 0;
    Win.WinActive = 0;
    anSetKeysMode = 0;
  }
  void TearDown() override {
    o2::NeedExit = 0;
    anSetKeysMode = 0;
    Kmd_ResetAll();
  }
};

TEST_F(WndProc, CloseAsksTheLoopToEnd) {
  EXPECT_EQ(Send(WM_CLOSE), 0);
  EXPECT_EQ(o2::NeedExit, 1);
}

TEST_F(WndProc, KeysAndMouseButtonsWriteTheTable) {
  // A press that a frame has read is released at once; a tap released before any frame read it
  // stays down for the next frame and is up after it.
  Send(WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(KeyCmds.KeyDownTable[VK_ESCAPE], 1);
  Keys_FrameSeen();
  Send(WM_KEYUP, VK_ESCAPE);
  EXPECT_EQ(KeyCmds.KeyDownTable[VK_ESCAPE], 0);
  const unsigned downs[] = {WM_KEYDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
  const int entries[] = {'Q', 1, 2, 4};
  for (int i = 0; i < 4; i++) {
    Send(downs[i], 'Q');
    EXPECT_EQ(KeyCmds.KeyDownTable[entries[i]], 1);
    Send(downs[i] + 1, 'Q');
    EXPECT_EQ(KeyCmds.KeyDownTable[entries[i]], 1);
    Keys_FrameSeen();
    EXPECT_EQ(KeyCmds.KeyDownTable[entries[i]], 0);
  }
  Send(WM_KEYDOWN, 300);  // outside the table: ignored
  Send(WM_KEYUP, 70000);
  EXPECT_EQ(KeyIsDown(0), 0);
  EXPECT_EQ(KeyIsDown(-3), 0);
  EXPECT_EQ(KeyIsDown(256), 0);

  // KeyIsDown reads the table. The focus lost, no release comes: what a frame has read is up at
  // once, a press no frame has read yet is down for one frame.
  Send(WM_KEYDOWN, VK_SHIFT);
  Keys_FrameSeen();
  Send(WM_RBUTTONDOWN);
  EXPECT_EQ(KeyIsDown(VK_SHIFT), 1);
  EXPECT_EQ(KeyIsDown(VK_RBUTTON), 1);
  Send(WM_KILLFOCUS);
  EXPECT_EQ(KeyIsDown(VK_SHIFT), 0);
  EXPECT_EQ(KeyIsDown(VK_RBUTTON), 1);
  Keys_FrameSeen();
  EXPECT_EQ(KeyIsDown(VK_RBUTTON), 0);
}

TEST_F(WndProc, RebindingSwallowsPressesAndRecordsReleases) {
  anSetKeysMode = 1;
  KeyCmds.KeyDownTable['Q'] = 1;  // held from before
  Send(WM_KEYDOWN, 'A');
  EXPECT_EQ(KeyCmds.KeyDownTable['A'], 0);
  Send(WM_KEYUP, 'Q');
  EXPECT_EQ(KeyCmds.KeyDownTable['Q'], 0);  // the release still clears it
  EXPECT_EQ(anSetKeysMode, 2);
  for (int i = 0; i < 40; i++) Send(WM_KEYUP, 'B');
  EXPECT_EQ(anSetKeysMode, Kmd_RebindSteps() + 1);  // never past the last step
  Send(WM_KEYDOWN, 'C');
  EXPECT_EQ(KeyCmds.KeyDownTable['C'], 1);  // the mode has run out
}

// A swallowed command never reaches the system's default procedure; the others do.
TEST_F(WndProc, SystemCommandsForSizingAndMenusAreSwallowed) {
  const struct {
    unsigned sc;
    int toSystem;
  } kRows[] = {{SC_SIZE, 0},     {SC_MOVE, 0},         {0xF012, 0} /* a drag by the caption */,
               {SC_MAXIMIZE, 0}, {SC_KEYMENU, 0},      {SC_SCREENSAVE, 0},
               {SC_HOTKEY, 0},   {SC_MONITORPOWER, 0}, {SC_CONTEXTHELP, 0},
               {SC_MINIMIZE, 1}, {SC_RESTORE, 1}};
  for (const auto& r : kRows) {
    const int before = Plat_DefWindowProcCalls();
    EXPECT_EQ(Send(WM_SYSCOMMAND, r.sc), 0) << r.sc;
    EXPECT_EQ(Plat_DefWindowProcCalls() - before, r.toSystem) << std::hex << r.sc;
  }
  EXPECT_EQ(Send(WM_CREATE), 0);
  EXPECT_EQ(Send(WM_CHAR, 'x'), 0);
}

}  // namespace
