// The widget toolkit without the game: layout and grids, the mouse pass (callbacks, hover, the
// consumed click, held-button repeats, the hint of the hovered button), the value-input line with
// its clamps, and the row pools.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

#include "gui/buttons.h"
#include "gui/gui.h"
#include "gui/gui_list.h"
#include "gui/hints.h"
#include "gui/value_input.h"
#include "platform/internal.h"
#include "render/gl2d.h"
#include "shell/window_state.h"

namespace {

struct Rect {
  int x, y, w, h;
};
Rect R(const GuiWin* w) { return {w->x, w->y, w->w, w->h}; }
bool operator==(const Rect& a, const Rect& b) {
  return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}
std::ostream& operator<<(std::ostream& o, const Rect& r) {
  return o << r.x << "," << r.y << " " << r.w << "x" << r.h;
}

int gClicks[3];
void EventA(GuiWin* w) {
  gClicks[0] = w->clickCode;
  w->consumed = 1;
}
void EventRepeat(GuiWin* w) { gClicks[2] = w->clickCode; }
void DrawA(GuiWin* w) { Gui_DrawButton(w, "A", "hint of A", 1); }

// The cursor in window pixels, y up (the platform keeps it top-left, y down).
void CursorAt(int x, int yUp) {
  gPlat.winX = gPlat.winY = 0;
  gPlat.cursorX = x;
  gPlat.cursorY = Win.WinHeight - yUp;
}

class Gui : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("TOLV_VIDEO", "headless", 1);  // the cursor is the one the test sets
    unsetenv("TOLV_SCRIPT");
    Plat_Init();
    sGl = Plat_HeadlessContext(800, 600) == 1;
  }
  static void TearDownTestSuite() { Plat_HeadlessContextFree(); }
  void SetUp() override {
    Win.WinWidth = 800;
    Win.WinHeight = 600;
    Gui_DestroyTree();
    Gui_InitRoot(800, 600);
    gClicks[0] = gClicks[1] = gClicks[2] = -1;
  }
  void TearDown() override { Gui_DestroyTree(); }
  static bool sGl;
};
bool Gui::sGl = false;

TEST_F(Gui, LayoutFollowsTheAnchorTableAndGridsNumberRowByRow) {
  // The start screen's command column and its first button at 800 x 600.
  GuiWin* col = Gui_New(&GuiTree.GuiRoot, nullptr, nullptr, 0, 0.6f, 0.12f, 0.35f, 5, 0);
  EXPECT_EQ(R(col), (Rect{704, 360, 96, 210}));
  GuiWin* open = Gui_New(col, nullptr, nullptr, 0, 0.9f, 1, 0.1f, 7, 1);
  EXPECT_EQ(R(open), (Rect{704, 549, 96, 21}));
  // Anchor 100 without the parent's size is the root; anchor 7 without it takes the parent's
  // corner with sizes and offsets of the window; an unknown anchor is the centre.
  EXPECT_EQ(R(Gui_New(col, nullptr, nullptr, 0, 0, 0, 0, 100, 0)), (Rect{0, 0, 800, 600}));
  EXPECT_EQ(R(Gui_New(col, nullptr, nullptr, 0.1f, 0, 0.5f, 0.5f, 7, 0)), (Rect{784, 360, 400, 300}));
  GuiWin* odd = Gui_New(&GuiTree.GuiRoot, nullptr, nullptr, 0, 0, 0.5f, 0.5f, 2, 0);
  EXPECT_EQ(odd->anchor, 0);
  EXPECT_EQ(R(odd), (Rect{200, 150, 400, 300}));
  EXPECT_EQ(Gui_New(nullptr, nullptr, nullptr, 0, 0, 1, 1, 7, 0), nullptr);

  GuiWin* cell = Gui_New(col, nullptr, nullptr, 0, 0, 0.25f, 0.1f, 11, 1);
  Gui_CloneGrid(cell, 3, 2, 1, 0);
  std::vector<int> numbers;
  for (size_t i = col->children.size() - 6; i < col->children.size(); i++)
    numbers.push_back(col->children[i]->number);
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(col->children.back()->x, cell->x + 2 * cell->w);
  EXPECT_EQ(col->children.back()->y, cell->y - cell->h);
  GuiWin* down = Gui_New(col, nullptr, nullptr, 0, 0, 0.25f, 0.1f, 11, 1);
  Gui_CloneGrid(down, 3, 2, 10, 1);
  numbers.clear();
  for (size_t i = col->children.size() - 6; i < col->children.size(); i++)
    numbers.push_back(col->children[i]->number);
  EXPECT_EQ(numbers, (std::vector<int>{10, 9, 8, 7, 6, 5}));
}

TEST_F(Gui, TheMouseReachesOneWidgetItsHintShowsAndAConsumedClickStaysOffTheField) {
  ASSERT_TRUE(sGl);
  GuiWin* panel = Gui_New(&GuiTree.GuiRoot, nullptr, nullptr, 0, 0, 1, 1, 100, 0);
  panel->visible = 1;
  GuiWin* a = Gui_New(panel, DrawA, EventA, 0, 0, 0.25f, 0.1f, 7, 0);              // 0,0 200x60
  GuiWin* frame = Gui_New(panel, nullptr, nullptr, 0.5f, 0, 0.25f, 0.1f, 7, 0);    // 400,0: no event
  GuiWin* bar = Gui_New(panel, nullptr, EventRepeat, 0, 0.5f, 0.25f, 0.1f, 7, 0);  // 0,300
  GuiWin* hidden = Gui_New(a, nullptr, EventRepeat, 0, 0, 0.5f, 0.5f, 7, 1);       // over a's left half
  a->visible = frame->visible = bar->visible = 1;
  bar->repeat = 1;

  struct Case {
    int x, y, code;
    int consumed, clickA, clickBar;
    GuiWin* hovered;
  } cases[] = {
      {150, 40, 1, 1, 1, -1, a},         // a left click reaches a's callback, which takes it
      {200, 60, 2, 1, 2, -1, a},         // the top-right corner is inside
      {201, 40, 1, 0, -1, -1, nullptr},  // one pixel past: the empty panel, nothing consumed
      {450, 30, 1, 0, -1, -1, frame},    // a frame without an event hides the field, keeps the click
      {150, 40, 100002, 0, 0, -1, a},    // a held repeat does not fire a plain button
      {50, 330, 100002, 0, -1, 100002, bar},  // it fires a repeat widget
      {50, 10, 1, 0, -1, -1, nullptr},        // an invisible child still hides its parent's area
  };
  for (const Case& c : cases) {
    gClicks[0] = gClicks[2] = -1;
    a->clickCode = -1;
    CursorAt(c.x, c.y);
    EXPECT_EQ(Gui_MouseAll(c.code), c.consumed) << c.x << "," << c.y;
    if (c.clickA != -1 && c.code <= 100000) {
      EXPECT_EQ(gClicks[0], c.clickA) << c.x << "," << c.y;
    }
    if (c.code > 100000 && c.hovered == a) {
      EXPECT_EQ(a->clickCode, 0);
    }
    EXPECT_EQ(gClicks[2], c.clickBar) << c.x << "," << c.y;
    EXPECT_EQ(a->hover, c.hovered == a ? 1 : 0) << c.x << "," << c.y;
    EXPECT_EQ(frame->hover, c.hovered == frame ? 1 : 0) << c.x << "," << c.y;
    EXPECT_EQ(bar->hover, c.hovered == bar ? 1 : 0) << c.x << "," << c.y;
  }
  EXPECT_EQ(hidden->hover, 0);

  // Hovering a button sets its hint when the tree is drawn; the hint strip then darkens.
  CursorAt(150, 40);
  Gui_HintClear();
  Gui_MouseAll(0);
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  Gl2D_Begin(0, 800, 0, 600);
  Gui_DrawAll();
  ASSERT_NE(GuiHint.title, nullptr);
  EXPECT_STREQ(GuiHint.title, "hint of A");
  const int strip[4] = {300, 400, 200, 60};
  Gui_HintDraw(strip);
  Gl2D_End();
  unsigned char px[3] = {0, 0, 0};
  glReadPixels(400, 410, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, px);  // inside the title's half band
  EXPECT_EQ(px[0], 153);                                       // white under black at 0.4
  glReadPixels(400, 450, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, px);  // above it: a title alone
  EXPECT_EQ(px[0], 255);
  CursorAt(450, 30);
  Gui_HintClear();
  Gui_MouseAll(0);
  Gl2D_Begin(0, 800, 0, 600);
  Gui_DrawAll();
  Gl2D_End();
  EXPECT_EQ(GuiHint.title, nullptr);
}

void Type(const std::string& s) {
  for (unsigned char c : s) TextInput_Char(c);
}

// Starts an int edit of v within [lo, hi], types the keys, runs the frame step; answers v.
int EditInt(int v, int lo, int hi, const std::string& keys) {
  static int target;
  target = v;
  InpEditReqRec& r = ValueInput.InpEditReq;
  EXPECT_EQ(Gui_BindInt(&r, &target, lo, hi), 1);
  InpLine_EditInt(&r);
  EXPECT_EQ(InpLine_IsSpecial(), 1);
  Type(keys);
  InpLine_EditInt(&r);
  EXPECT_EQ(InpLine_IsSpecial(), 0);
  EXPECT_EQ(r.intEdit.target, nullptr);
  return target;
}

TEST(ValueInput, TheIntegerLineStaysWithinItsClamp) {
  EXPECT_EQ(EditInt(5, 0, 100, "42\r"), 42);
  EXPECT_EQ(EditInt(5, 0, 100, "123\r"), 100);    // above the range: the maximum
  EXPECT_EQ(EditInt(5, -10, 100, "-50\r"), -10);  // below it: the minimum
  EXPECT_EQ(EditInt(5, 0, 100, "7-\r"), 7);       // '-' only before anything was typed
  EXPECT_EQ(EditInt(5, 0, 100, "12\t\r"), 12);    // Tab's "__" ends the number
  EXPECT_EQ(EditInt(5, 0, 100, "\r"), 0);         // empty: 0, then clamped
  EXPECT_EQ(EditInt(5, 10, 100, "\r"), 10);
  EXPECT_EQ(EditInt(5, 0, 100, "99\x1b"), 5);            // Escape leaves the value
  EXPECT_EQ(EditInt(5, 0, 0, "-123\r"), -123);           // bounds 0, 0: no clamp
  EXPECT_EQ(EditInt(5, 50, 10, "7\r"), 7);               // minimum above maximum: no clamp
  EXPECT_EQ(EditInt(5, 0, 0, "1234$5%6\x08\r"), 51234);  // Home puts the caret after the prefix
  EXPECT_EQ(EditInt(5, 0, 0, "12345678"), 12345678);     // the eighth character accepts by itself
  EXPECT_EQ(EditInt(5, 0, 0,
                    "\x08\x08"
                    "3\r"),
            3);  // Backspace never eats the prefix
}

TEST(ValueInput, AnEditCancelledBeforeItStartedDoesNotJamItsKind) {
  InpEditReqRec& r = ValueInput.InpEditReq;
  float f = 1.5f;
  int i = 3;
  ASSERT_EQ(Gui_BindFloat(&r, &f, 0, 0), 1);
  InpLine_EditInt(&r);
  InpLine_EditFlo(&r);  // the float edit owns the line
  ASSERT_EQ(Gui_BindInt(&r, &i, 0, 100), 1);
  InpLine_EditInt(&r);  // waits: the line is busy
  EXPECT_EQ(r.intEdit.state, 0);
  r.intEdit.state = 2;  // a right click cancels the waiting request
  Type("2.5\r");
  InpLine_EditInt(&r);
  InpLine_EditFlo(&r);
  EXPECT_FLOAT_EQ(f, 2.5f);
  EXPECT_EQ(r.intEdit.state, 0);
  EXPECT_EQ(r.intEdit.target, nullptr);
  EXPECT_EQ(i, 3);
  EXPECT_EQ(EditInt(3, 0, 100, "77\r"), 77);  // the next int edit starts and stores

  // A switch of the program mode cancels both the float being typed and the int waiting behind
  // it: neither value changes, and the int's edit never takes the line.
  ASSERT_EQ(Gui_BindFloat(&r, &f, 0, 0), 1);
  InpLine_EditInt(&r);
  InpLine_EditFlo(&r);
  ASSERT_EQ(Gui_BindInt(&r, &i, 0, 100), 1);
  Type("9");
  InpEditReq_CancelAll(&r);
  EXPECT_EQ(TextInput_Char('1'), 0);  // the line takes no more typing
  for (int frame = 0; frame < 2; frame++) {
    InpLine_EditInt(&r);
    InpLine_EditFlo(&r);
  }
  EXPECT_EQ(InpLine_IsSpecial(), 0);
  EXPECT_FLOAT_EQ(f, 2.5f);
  EXPECT_EQ(i, 3);
  EXPECT_EQ(r.intEdit.target, nullptr);
  EXPECT_EQ(r.floEdit.target, nullptr);
  EXPECT_EQ(EditInt(3, 0, 100, "8\r"), 8);
}

TEST(ListRows, SaveAndOpenGiveTheSameRowsAndPoolsNeverShare) {
  GuiList l;
  for (const char* t : {"alpha", "", "gamma"}) GuiList_Insert(&l, t, std::string(), -1, 1);
  ASSERT_EQ(GuiList_SaveTxt(&l, "rows.txt"), 1);
  std::ifstream in("rows.txt", std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, "alpha\n\ngamma\n");
  GuiList back;
  ASSERT_EQ(GuiList_LoadTxt2(&back, "rows.txt", 0), 1);
  EXPECT_EQ(back.rows, l.rows);
  {
    std::ofstream crlf("crlf.txt", std::ios::binary);
    crlf << "one\r\ntwo";
  }
  ASSERT_EQ(GuiList_LoadTxt2(&back, "crlf.txt", 0), 1);
  EXPECT_EQ(GuiList_RowTextAt(&back, 0), "one");
  EXPECT_EQ(GuiList_RowTextAt(&back, 1), "two");
  GuiList empty;
  EXPECT_EQ(GuiList_SaveTxt(&empty, "none.txt"), 0);
  EXPECT_FALSE(std::ifstream("none.txt").good());
  EXPECT_EQ(GuiList_LoadTxt2(&back, "missing.txt", 0), 0);
  EXPECT_EQ(GuiList_Count(&back), 2);  // a file that does not open changes nothing

  std::set<GuiListHolder*> holders;
  std::set<GuiList*> lists;
  for (int i = 0; i < 2100; i++) {
    GuiListHolder* h = GuiList_LoadTxt("rows.txt", 1);
    ASSERT_NE(h, nullptr);
    holders.insert(h);
    lists.insert(h->rows);
  }
  EXPECT_EQ(holders.size(), 2100u);
  EXPECT_EQ(lists.size(), 2100u);
  EXPECT_GE(GuiList_PoolHolders(), 2101);
  EXPECT_EQ(GuiList_LoadTxt("missing.txt", 1), nullptr);
}

}  // namespace
