// The play screen's build and its value panels, driven through the mouse pass like a player: the
// mode switch between the built screens, the geometry the screens promise, the named-variable panel's
// paging, steps within the clamp range, read-only cells and typed edits through the value-input line,
// and the selected figure's panels; beside them two buttons no screen places.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "figures/fgrs.h"
#include "figures/mode_words.h"
#include "gm/fgr.h"
#include "gm/org_base.h"
#include "gui/gui.h"
#include "gui/gui_list.h"
#include "gui/hints.h"
#include "gui/value_input.h"
#include "platform/internal.h"
#include "render/gl2d.h"
#include "shell/window_state.h"
#include "ui/fgr_panels.h"
#include "ui/hud.h"
#include "ui/org_panels.h"
#include "ui/program_mode.h"
#include "ui/screen_buttons.h"
#include "ui/screens.h"
#include "world/figure_ops.h"
#include "world/ranks.h"
#include "world/selection.h"

namespace {

// Variables of the generated tables: 1 read-only, 5 a step of 1 without a range, 114 a step of 1
// within 0..1; float 21 a step of 0.1 within 0.1..1.
constexpr int kReadOnly = 1, kFreeStep = 5, kRange01 = 114, kFloRange = 21;

void CursorAt(int x, int yUp) {
  gPlat.winX = gPlat.winY = 0;
  gPlat.cursorX = x;
  gPlat.cursorY = Win.WinHeight - yUp;
}

// One mouse pass with the cursor in the middle of w: 1 when a widget took the click.
int Click(const GuiWin* w, int code) {
  CursorAt(w->x + w->w / 2, w->y + w->h / 2);
  return Gui_MouseAll(code);
}

// The widget tree drawn as a frame draws it, over a black window.
void Draw() {
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  Gl2D_Begin(0, Win.WinWidth, 0, Win.WinHeight);
  Gui_DrawAll();
  Gl2D_End();
}

// The frame's drawing after a hover pass: what the hovered widget put into the hint box.
std::string HintOver(const GuiWin* w) {
  Click(w, 0);
  Gui_HintClear();
  Draw();
  return GuiHint.title ? GuiHint.title : "";
}

// Red, green, blue of the window pixel in the middle of w after a draw.
void PixelOf(const GuiWin* w, int rgb[3]) {
  unsigned char px[4] = {};
  glReadPixels(w->x + w->w / 2, w->y + w->h / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, px);
  for (int i = 0; i < 3; i++) rgb[i] = px[i];
}

// The pieces of a value panel: its two headers and the rows of its two tables.
struct Panel {
  GuiWin* frame;
  GuiWin* floHeader;
  GuiWin* intHeader;
  GuiWin* floRow(int r) const { return frame->children[1]->children[r - 1]; }
  GuiWin* intRow(int r) const { return frame->children[3]->children[r - 1]; }
};
enum { kName, kSub, kAdd, kValue };

class PlayScreen : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("TOLV_VIDEO", "headless", 1);
    unsetenv("TOLV_SCRIPT");
    Plat_Init();
    sGl = Plat_HeadlessContext(800, 600) == 1;
  }
  static void TearDownTestSuite() { Plat_HeadlessContextFree(); }
  void SetUp() override { Build(800, 600); }
  void TearDown() override {
    InpLine_Reset();
    ValueInput.InpEditReq = InpEditReqRec{};
    Gui_DestroyTree();
  }
  static void Build(int w, int h) {
    Gui_DestroyTree();
    Win.WinWidth = w;
    Win.WinHeight = h;
    Gui_InitRoot(w, h);
    Gui_Build();
    SetProgramMode(kModePlay);
    OrgPanels.ValPage_Org2 = OrgPanels.ValPage_OrgF = Hud.ValPage_FgrInt = Hud.ValPage_FgrFlo =
        OrgPanels.SpePanelMode = 0;
  }
  static Panel Of(GuiWin* frame) { return Panel{frame, frame->children[0], frame->children[2]}; }
  // Types into the value line as the window procedure hands it characters, one frame step before
  // and after (the step starts the pending edit, then takes what was accepted).
  static void Type(const char* text) {
    InpLine_EditInt(&ValueInput.InpEditReq);
    InpLine_EditFlo(&ValueInput.InpEditReq);
    for (const char* c = text; *c; c++) TextInput_Char((unsigned char)*c);
    TextInput_Char(13);
    InpLine_EditInt(&ValueInput.InpEditReq);
    InpLine_EditFlo(&ValueInput.InpEditReq);
  }
  static bool sGl;
};
bool PlayScreen::sGl = false;

TEST_F(PlayScreen, TheModeSwitchShowsOnePanelAndRefusesOtherModes) {
  EXPECT_EQ(SetProgramMode(kModeEditor), 0);
  const ScreensRec& s = Screens;
  EXPECT_EQ(s.GuiPanelMode3->visible + 10 * s.GuiPanelMode1->visible + 100 * s.GuiPanelMode2->visible,
            1);
  EXPECT_EQ(EditModeOn, 1);
  EXPECT_EQ(o2::anSleepEachFrame, 6);
  EXPECT_EQ(SetProgramMode(kModePlay), 0);
  EXPECT_EQ(o2::anSleepEachFrame, 4);
  EXPECT_EQ(gPlat.cursorCount, -1);  // hidden in play, however the switches went before
  EXPECT_NE(SetProgramMode(0), 0);
  EXPECT_NE(SetProgramMode(4), 0);
  EXPECT_EQ(ModeWords.ProgMode, kModePlay);
  EXPECT_EQ(Screens.GuiPanelMode2->visible, 1);
  EXPECT_EQ(SetProgramMode(kModeStart), 0);
  EXPECT_EQ(gPlat.cursorCount, 0);
  EXPECT_EQ(EditModeOn, 0);
}

TEST_F(PlayScreen, CaptainIconsAndTheFloorBoxHaveTheirPromisedSizes) {
  // 800 x 600: the floor box is a square of 150 pixels.
  GuiWin* floorBox = nullptr;
  for (GuiWin* c : Screens.GuiPanelMode2->children)
    if (c->w == 150 && c->h == 150) floorBox = c;
  ASSERT_NE(floorBox, nullptr);
  EXPECT_EQ(floorBox->y + floorBox->h, 600);  // in the upper-left corner
  EXPECT_EQ(floorBox->x, 0);

  Build(1024, 768);
  const std::vector<GuiWin*>& icons = Screens.CaptainIconStrip->children;
  ASSERT_EQ(icons.size(), 4u);
  EXPECT_EQ(icons[0]->y, Screens.CaptainIconStrip->y + 5);  // lifted by trunc(0.0067 x 768)
  for (int i = 0; i < 4; i++) {
    EXPECT_EQ(icons[i]->w, 30) << i;
    EXPECT_EQ(icons[i]->h, 30) << i;
    EXPECT_EQ(icons[i]->number, i + 1);
    if (i == 0) continue;
    EXPECT_EQ(icons[i]->x - icons[i - 1]->x, 60) << i;
    EXPECT_EQ(icons[i]->y - icons[i - 1]->y, 5) << i;
  }
}

// A trigger's message has its window once the play screen is built: the code window with its text
// box, hidden, whose rows the first message takes. Without the build there is none.
TEST_F(PlayScreen, TheBuildMakesTheCodeWindowReadyForATriggersMessage) {
  EXPECT_EQ(CodeWin.CodeWinReady, 1);
  ASSERT_NE(Screens.CodeWinBox, nullptr);
  ASSERT_NE(Screens.CodeWinText, nullptr);
  EXPECT_EQ(Screens.CodeWinText->parent, Screens.CodeWinBox);
  EXPECT_EQ(Screens.CodeWinBox->visible, 0);
  EXPECT_EQ(GuiList_HasData(Screens.CodeWinText), 0);
  Gui_DestroyTree();
  CodeWin = t_CodeWin{};
  Gui_Build();  // no root to build on
  EXPECT_EQ(CodeWin.CodeWinReady, 0);
}

TEST_F(PlayScreen, TheMessagePanelShowsARankUpOfferAndAChoiceClosesIt) {
  ASSERT_TRUE(sGl);
  Fgrs.ResetAll();
  Fgr* captain = &Fgrs.mf[600];
  captain->status = fgrDekor;
  o2::GamePause = 0;
  Rang_OfferQueue(captain, 0, 0, 0);  // a set without offers: a choice applies nothing
  EXPECT_EQ(o2::GamePause, 1);
  EXPECT_EQ(Screens.MsgPanel->visible, 0);
  Draw();
  EXPECT_EQ(Screens.MsgPanel->visible, 1);
  GuiWin* choice = Screens.MsgPanel->children[2]->children[0];
  Ranks.RangOfferWaitMs = 0;
  EXPECT_EQ(Click(choice, 1), 1);
  Draw();
  EXPECT_EQ(Screens.MsgPanel->visible, 0);
  EXPECT_EQ(o2::GamePause, 0);
  Fgrs.ResetAll();
}

// Of the buttons no screen places, the return button goes back to play, and the text test's copy
// toggle speaks the language of the texts.
TEST_F(PlayScreen, TheReturnButtonGoesBackToPlayAndTheCopyToggleSpeaksTheTextsLanguage) {
  ASSERT_TRUE(sGl);
  GuiWin* b =
      Gui_New(&GuiTree.GuiRoot, TextTestCopy_Draw, ReturnBtn_Click, 0.4f, 0.4f, 0.1f, 0.05f, 100, 0);
  b->visible = 1;
  const int eng = o2::EngText;
  o2::EngText = 1;
  EXPECT_EQ(HintOver(b), "test of copying in to clipboard (karet line)");
  o2::EngText = 0;
  EXPECT_EQ(HintOver(b), "тест копиры в карман обмена (строка каретки)");
  o2::EngText = eng;
  SetProgramMode(kModeStart);
  EXPECT_EQ(Click(b, 1), 1);
  EXPECT_EQ(ModeWords.ProgMode, kModePlay);
}

TEST_F(PlayScreen, TheNamedVariablePanelPagesStepsWithinRangesAndEditsThroughTheValueLine) {
  ASSERT_TRUE(sGl);
  const Panel p = Of(Screens.OrgPanel_Play);
  ASSERT_EQ(p.frame->visible, 0);
  // "spe" shows this panel on the play screen only, then the figure panel, then none.
  GuiWin* spe = Screens.GuiTopStrip2->children[1];
  const int editShown = Screens.OrgPanel_Edit->visible;
  EXPECT_EQ(Click(spe, 1), 1);
  EXPECT_EQ(Screens.OrgPanel_Play->visible, 1);
  EXPECT_EQ(Screens.FgrPanel_Play->visible, 0);
  EXPECT_EQ(Screens.OrgPanel_Edit->visible, editShown);

  // Paging: 25 at a time, held to 0..225 (integers) and 0..125 (floats).
  Click(p.intHeader, 1);
  EXPECT_EQ(OrgPanels.ValPage_Org2, 0);
  for (int i = 0; i < 10; i++) Click(p.intHeader, 2);
  EXPECT_EQ(OrgPanels.ValPage_Org2, 225);
  EXPECT_EQ(HintOver(p.intRow(1)->children[kValue]), "0 значение в ячейке 226");
  EXPECT_EQ(HintOver(p.intRow(25)->children[kValue]), "0 значение в ячейке 250");
  for (int i = 0; i < 8; i++) Click(p.floHeader, 2);
  EXPECT_EQ(OrgPanels.ValPage_OrgF, 125);
  Click(p.floHeader, 1);
  EXPECT_EQ(OrgPanels.ValPage_OrgF, 100);

  // Variable 114 (range 0..1) on page 100, row 14: - at 0 keeps 0, + stops at 1.
  for (int i = 0; i < 5; i++) Click(p.intHeader, 1);
  ASSERT_EQ(OrgPanels.ValPage_Org2, 100);
  GuiWin* row = p.intRow(kRange01 - 100);
  org2n[kRange01] = 0;
  EXPECT_EQ(Click(row->children[kSub], 1), 1);
  EXPECT_EQ(org2n[kRange01], 0);
  Click(row->children[kAdd], 1);
  Click(row->children[kAdd], 2);
  EXPECT_EQ(org2n[kRange01], 1);
  EXPECT_EQ(HintOver(row->children[kValue]), "1 значение // min:0  max: 1");
  EXPECT_EQ(HintOver(row->children[kAdd]), "1 прибавить в org2n[114]");

  // A step without a range passes any bound.
  for (int i = 0; i < 4; i++) Click(p.intHeader, 1);
  GuiWin* free = p.intRow(kFreeStep);
  org2n[kFreeStep] = 0;
  for (int i = 0; i < 3; i++) Click(free->children[kSub], 1);
  EXPECT_EQ(org2n[kFreeStep], -3);
  org2n[kFreeStep] = 0;

  // A read-only value: a brown cell, no step frames, every click ignored (but taken).
  GuiWin* ro = p.intRow(kReadOnly);
  org2n[kReadOnly] = 7;
  for (int k : {kSub, kAdd, kValue}) EXPECT_EQ(Click(ro->children[k], 1), 1) << k;
  EXPECT_EQ(org2n[kReadOnly], 7);
  EXPECT_EQ(ValueInput.InpEditReq.intEdit.target, nullptr);
  EXPECT_EQ(HintOver(ro->children[kValue]), "");
  int brown[3], blue[3];
  Draw();
  PixelOf(ro->children[kValue], brown);
  PixelOf(free->children[kValue], blue);
  EXPECT_GT(brown[0], brown[2] + 20);  // red over blue
  EXPECT_GT(blue[2] - blue[0], brown[2] - brown[0] + 20) << blue[0] << " " << blue[2];

  // A typed edit of 114 is held to its range; while it waits the other integer cells cannot start one.
  Click(p.intHeader, 2);
  Click(p.intHeader, 2);
  Click(p.intHeader, 2);
  Click(p.intHeader, 2);
  row = p.intRow(kRange01 - 100);
  Click(row->children[kValue], 1);
  EXPECT_EQ(ValueInput.InpEditReq.intEdit.target, &org2n[kRange01]);
  Click(p.intRow(1)->children[kValue], 1);
  EXPECT_EQ(ValueInput.InpEditReq.intEdit.target, &org2n[kRange01]);
  Click(row->children[kAdd], 1);  // the value being typed does not step
  EXPECT_EQ(org2n[kRange01], 1);
  Type("7");
  EXPECT_EQ(org2n[kRange01], 1);
  EXPECT_EQ(ValueInput.InpEditReq.intEdit.target, nullptr);
  Click(row->children[kValue], 1);
  Type("0");
  EXPECT_EQ(org2n[kRange01], 0);
  // A right click on the cell being typed cancels: the value stays.
  Click(row->children[kValue], 1);
  InpLine_EditInt(&ValueInput.InpEditReq);
  TextInput_Char('1');
  Click(row->children[kValue], 2);
  InpLine_EditInt(&ValueInput.InpEditReq);
  EXPECT_EQ(org2n[kRange01], 0);
  EXPECT_EQ(ValueInput.InpEditReq.intEdit.target, nullptr);
  EXPECT_EQ(ValueInput.InpLine.target, nullptr);

  // Floats: 21 steps by 0.1 within 0.1..1, and a typed value is held to the range.
  for (int i = 0; i < 4; i++) Click(p.floHeader, 1);
  GuiWin* flo = p.floRow(kFloRange);
  orgFn[kFloRange] = 0.1f;
  Click(flo->children[kSub], 1);
  EXPECT_FLOAT_EQ(orgFn[kFloRange], 0.1f);
  Click(flo->children[kValue], 1);
  EXPECT_EQ(ValueInput.InpEditReq.floEdit.target, &orgFn[kFloRange]);
  Type("7.5");
  EXPECT_FLOAT_EQ(orgFn[kFloRange], 1.0f);
  Click(flo->children[kValue], 1);
  Type("0.05");
  EXPECT_FLOAT_EQ(orgFn[kFloRange], 0.1f);
  Click(flo->children[kValue], 1);
  Type("0.5");
  EXPECT_FLOAT_EQ(orgFn[kFloRange], 0.5f);

  // "spe" twice more: the figure panel, then none.
  Click(spe, 1);
  EXPECT_EQ(Screens.OrgPanel_Play->visible, 0);
  EXPECT_EQ(Screens.FgrPanel_Play->visible, 1);
  Click(spe, 1);
  EXPECT_EQ(Screens.FgrPanel_Play->visible, 0);
  EXPECT_EQ(OrgPanels.SpePanelMode, 0);
}

TEST_F(PlayScreen, TheSelectedFiguresPanelsShowItsPropertiesAndTheEditorsEditsThem) {
  ASSERT_TRUE(sGl);
  Fgrs.ResetAll();
  Fgr* f = &Fgrs.mf[600];
  Fgr* other = &Fgrs.mf[601];
  f->status = other->status = fgrDekor;
  *Fgr_Int_Adr(f, 24) = 3;    // woDraw
  *Fgr_Flo_Adr(f, 1) = 2.0f;  // floX: step 0.2 within 0.15..105
  auto select = [](std::initializer_list<Fgr*> figures) {
    SelList = t_SelList{};
    for (Fgr* g : figures) SelList.e[++SelList.count] = g;
  };

  // Play: read-only rows of name and value; a click on them is left to the field.
  GuiWin* spe = Screens.GuiTopStrip2->children[1];
  Click(spe, 1);
  Click(spe, 1);
  ASSERT_EQ(Screens.FgrPanel_Play->visible, 1);
  GuiWin* intRow24 = Screens.FgrPanel_Play->children[3]->children[23];
  GuiWin* floRow1 = Screens.FgrPanel_Play->children[1]->children[0];
  select({f});
  ValPanel_FgrIntRow(intRow24);
  EXPECT_STREQ(OrgPanels.CaptionBuf, "3:woDraw");
  ValPanel_FgrFloRow(floRow1);
  EXPECT_STREQ(OrgPanels.CaptionBuf, "floX:2.000000");
  EXPECT_EQ(HintOver(intRow24), "// non-zero: not drawn for the moment");
  EXPECT_EQ(Click(intRow24, 1), 0);
  select({f, other});  // two selected: grey bars, nothing of either
  OrgPanels.CaptionBuf[0] = 0;
  ValPanel_FgrIntRow(intRow24);
  EXPECT_STREQ(OrgPanels.CaptionBuf, "");

  // The editor: paging 25 at a time held to 0..31 for floats, so right, right, left gives 25, 31, 6.
  SetProgramMode(kModeEditor);
  GuiWin* speEdit = Screens.GuiTopStrip3->children[1];
  Click(speEdit, 1);  // one cycle serves both screens: from play's 2 to none, ...
  EXPECT_EQ(OrgPanels.SpePanelMode, 0);
  EXPECT_EQ(Screens.FgrPanel_Play->visible, 1);  // ... leaving play's panels as they were
  Click(speEdit, 1);
  EXPECT_EQ(Screens.OrgPanel_Edit->visible, 1);
  Click(speEdit, 1);
  ASSERT_EQ(Screens.FgrPanel_Edit->visible, 1);
  const Panel e = Of(Screens.FgrPanel_Edit);
  const int pages[] = {25, 31, 6, 0};
  const int codes[] = {2, 2, 1, 1};
  for (int i = 0; i < 4; i++) {
    Click(e.floHeader, codes[i]);
    EXPECT_EQ(Hud.ValPage_FgrFlo, pages[i]) << i;
  }
  for (int i = 0; i < 9; i++) Click(e.intHeader, 2);
  EXPECT_EQ(Hud.ValPage_FgrInt, 191);
  for (int i = 0; i < 9; i++) Click(e.intHeader, 1);

  // With two figures selected the cells show nothing and take clicks without effect.
  GuiWin* flo1 = e.floRow(1);
  Click(flo1->children[kAdd], 1);
  Click(flo1->children[kValue], 1);
  EXPECT_FLOAT_EQ(*Fgr_Flo_Adr(f, 1), 2.0f);
  EXPECT_EQ(ValueInput.InpEditReq.floEdit.target, nullptr);

  // One selected: + stops at 105, a typed value is held to the range and lands in the figure.
  select({f});
  *Fgr_Flo_Adr(f, 1) = 104.9f;
  Click(flo1->children[kAdd], 1);
  Click(flo1->children[kAdd], 1);
  EXPECT_FLOAT_EQ(*Fgr_Flo_Adr(f, 1), 105.0f);
  EXPECT_EQ(HintOver(flo1->children[kAdd]), "0.200000 прибавить в fgr_flo[1]");
  Click(flo1->children[kValue], 1);
  EXPECT_EQ(ValueInput.InpEditReq.floEdit.target, Fgr_Flo_Adr(f, 1));
  Type("200");
  EXPECT_FLOAT_EQ(*Fgr_Flo_Adr(f, 1), 105.0f);
  Click(flo1->children[kValue], 1);
  Type("0.5");
  EXPECT_FLOAT_EQ(*Fgr_Flo_Adr(f, 1), 0.5f);
  // Integers have neither steps nor ranges; property 1 is read-only, 2 is typed as it comes.
  Click(e.intRow(1)->children[kValue], 1);
  EXPECT_EQ(ValueInput.InpEditReq.intEdit.target, nullptr);
  Click(e.intRow(2)->children[kValue], 1);
  Type("-12");
  EXPECT_EQ(*Fgr_Int_Adr(f, 2), -12);
  EXPECT_EQ(HintOver(e.intRow(2)->children[kValue]), "-12 значение в ячейке 2");
  Fgrs.ResetAll();
  SelList = t_SelList{};
}

}  // namespace
