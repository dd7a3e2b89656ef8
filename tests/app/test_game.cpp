// The game frame: a player's orders carried out through the pending mouse action under a known
// camera, the steps of the game update, and the cursor code of a hovered cell.
#include "app/frame_by_mode.h"
#include "app/frame_steps.h"
#include "app/start_frame.h"
#include "figures/stage.h"
#include "game_fixture.h"
#include "gui/gui.h"
#include "gui/gui_list.h"
#include "platform/internal.h"
#include "render/kmd_block.h"
#include "shell/msgbase.h"
#include "shell/window_state.h"
#include "ui/hud.h"
#include "ui/program_mode.h"
#include "ui/screens.h"
#include "world/figure_ops.h"
#include "world/movement.h"
#include "world/procs.h"
#include "world/ranks.h"
#include "world/selection.h"

namespace {

using GameOrders = CameraTest;

constexpr int Cell(int col, int row) { return row * 256 + col; }

int Lasers() {
  int n = 0;
  for (const Fgr& f : Fgrs.mf) n += f.Status() == fgrLaser;
  return n;
}

void Frames(int n) {
  for (int i = 0; i < n; i++) Game_TickUpd();
}

TEST_F(GameOrders, SelectAttackAndMoveWithAWaypointInsideTheOrderWindow) {
  Fgr* own[3] = {MakeUnit(2, Cell(47, 50)), MakeUnit(2, Cell(50, 50)), MakeUnit(2, Cell(53, 50))};
  Fgr* enemy = MakeUnit(3, Cell(50, 54));

  // A drag over all four, from beyond own[0] and nearer the camera to beyond own[2] and the
  // enemy, selects the player's three.
  ASSERT_EQ(Proj_ToScreen(460, 1, 495, &FieldMouse.FieldDragStartX, &FieldMouse.FieldDragStartY,
                          &RendScene.PickView),
            1);
  Act(kMouseSelectRect, 550, 1, 555);
  ASSERT_EQ(SelList.count, 3);
  for (Fgr* u : own) EXPECT_EQ(SelList_Contains(u), 1);

  // A click takes the nearest figure under the cursor, of any side: here one on the line from the
  // camera to own[1], 30 units up.
  Fgr* above = MakeUnit(3, Cell(50, 50));
  Fgr_SetPosition(above, 505, 30, 505 - 200.0f * 30 / 299);
  At(own[1], kMouseSelect);
  EXPECT_EQ(SelList.count, 1);
  EXPECT_EQ(SelList.e[1], above);
  above->Sbros();
  At(own[1], kMouseSelect);
  EXPECT_EQ(SelList.e[1], own[1]);

  // An order needs an enemy the player sees: then it is every selected unit's fire target.
  SelList_Clear();
  for (Fgr* u : own) SelList_Add(&SelList, u, 0), u->P_AutoTarg = enemy;
  const int lasers = Lasers();
  At(enemy, kMouseOrder);
  EXPECT_EQ(own[0]->P_FireTarg, nullptr);  // unseen: the order went to the ground under it
  enemy->KlientVidit = 1;
  At(enemy, kMouseOrder);
  for (Fgr* u : own) {
    EXPECT_EQ(u->P_FireTarg, enemy);
    EXPECT_EQ(u->P_AutoTarg, nullptr);
  }
  EXPECT_EQ(Lasers(), lasers + 2);  // a marker for each order

  // A ground order gives the route target; a second one 1.2 s later the waypoint.
  Frames(16);
  Act(kMouseOrder, 505, 0, 605);
  const int first = Cell(50, 60), second = Cell(60, 60), third = Cell(40, 58);
  for (Fgr* u : own) {
    EXPECT_EQ(u->targPathKle, first);
    EXPECT_EQ(u->targPathKle2, 0);
  }
  EXPECT_EQ(FieldMouse.LastOrderX * 1000 + FieldMouse.LastOrderZ, 505 * 1000 + 605);
  EXPECT_EQ(Land.LandDecals[2].cell, first);
  Frames(12);
  Act(kMouseOrder, 605, 0, 605);
  for (Fgr* u : own) {
    EXPECT_EQ(u->targPathKle, first);
    EXPECT_EQ(u->targPathKle2, second);
  }
  // Outside the window an order replaces the target and drops the waypoint.
  Frames(16);
  Act(kMouseOrder, 405, 0, 585);
  for (Fgr* u : own) {
    EXPECT_EQ(u->targPathKle, third);
    EXPECT_EQ(u->targPathKle2, 0);
  }
  // A selection closes the window: the next ground order is a new target again.
  Frames(1);
  At(own[0], kMouseSelect);
  Frames(1);
  Act(kMouseOrder, 605, 0, 605);
  EXPECT_EQ(own[0]->targPathKle, second);
  EXPECT_EQ(own[0]->targPathKle2, 0);
}

// The interface's exit request ends the program after the frame, from the start screen as from
// play, with or without the focus.
TEST_F(GameOrders, TheExitRequestEndsTheProgramFromTheStartScreenAndFromPlay) {
  for (void (*frame)(int) : {Mode1_Frame, ::GameFrame}) {
    o2::NeedExit = 0;
    FrameSteps.GameExitReq = 1;
    frame(0);
    EXPECT_EQ(o2::NeedExit, 1);
  }
  FrameSteps.GameExitReq = 0;
  o2::NeedExit = 0;
  // With the focus the start screen keeps this frame's cursor also as floats, as play does.
  gPlat.winX = gPlat.winY = 0;
  gPlat.cursorX = 123;
  gPlat.cursorY = Win.WinHeight - 45;
  FrameSteps.MouseXf = FrameSteps.MouseYf = -1;
  Mode1_Frame(1);
  EXPECT_EQ(FrameSteps.MouseXf, 123.0f);
  EXPECT_EQ(FrameSteps.MouseYf, 45.0f);
}

TEST_F(GameOrders, RouteTargetHoverAndPointOrderFindTheGroundUnderTheCursor) {
  Fgr* u = MakeUnit(2, Cell(50, 50));
  SelList_SetOne(&SelList, u, 0);
  Act(kMouseRoute, 605, 0, 605);
  EXPECT_EQ(u->targPathKle, Cell(60, 60));
  EXPECT_EQ(Land.LandDecals[1].cell, Cell(60, 60));
  Act(kMouseHover, 505, 0, 505);
  EXPECT_EQ(WorldMouse.HoverFgr, u);
  EXPECT_EQ(FieldMouse.HoverCell, Cell(50, 50));
  Act(kMouseHover, 405, 0, 605);
  EXPECT_EQ(WorldMouse.HoverFgr, nullptr);
  EXPECT_EQ(FieldMouse.HoverCell, Cell(40, 60));
  // Beyond the land's far border or over the sky no cell is hovered: the plain cursor at once.
  for (float y : {0.0f, 300.0f}) {
    FieldMouse.CursorCode = 81;
    Act(kMouseHover, 505, y, y ? 2000.0f : 2700.0f);
    EXPECT_EQ(FieldMouse.CursorCode, 0) << y;
  }

  WorldMouse.PointOrderFgr = u, WorldMouse.PointOrderSig = 7;
  Act(kMousePointOrder, 555, 0, 555);
  EXPECT_EQ(u->fromPultSig, 107);
  EXPECT_EQ(WorldMouse.PointOrderX, 555);
  EXPECT_EQ(Land.LandDecals[2].cell, Cell(55, 55));
  for (double& m : RendScene.PickView.projection)
    m = 0;  // no ground under the cursor: the order is dropped
  FieldMouse.MouseAction = kMousePointOrder;
  MouseSelectByTool();
  EXPECT_EQ(u->fromPultSig, 0);
  EXPECT_EQ(WorldMouse.PointOrderFgr, nullptr);
  FieldMouse.MouseAction = kMousePointOrder;
  MouseSelectByTool();
  EXPECT_EQ(WorldMouse.PointOrderSig, 0);
}

// What the world asks of the interface, on the screens the game builds: a trigger's message shows
// in the code window, as its one coloured row, in the update that ran the trigger; a missing one
// shows nothing; a click on the text lets the game go on; a program mode is switched to by the
// next frame.
TEST_F(GameOrders, TheFrameCarriesOutWhatTheWorldAsks) {
  const int winW = Win.WinWidth, winH = Win.WinHeight;
  Win.WinWidth = 800, Win.WinHeight = 600;
  Gui_InitRoot(800, 600);
  Gui_Build();
  SetProgramMode(kModePlay);
  // Two messages, English and local; the local texts show (English off).
  for (const char* t : {"one", "odin", "two", "dva 42 // x"}) {
    MsgRec r{};
    std::strncpy(r.text, t, sizeof(r.text) - 1);
    Msgs.MsgBase.push_back(r);
  }
  auto trigger = [](int msgNo, int period) {
    Fgr* t = Make(fgrTriger);
    t->ProcNomUpd2 = r_Triger_Upd, t->baner = 3, t->trigRunCase = 4, t->Marsh1 = msgNo;
    t->trigRunKlv = 1;
    t->waitNow = t->waitFull = t->ueWaitFull = period;
    return t;
  };
  trigger(3, 100);  // past the base's end
  trigger(2, 200);
  trigger(1, 300);
  FieldMouse.HoverPickTimer = 1000000;
  StageReq.EtapLocationNom = 1;
  o2::GamePause = 0;
  GuiWin* box = Screens.CodeWinBox;
  GuiWin* text = Screens.CodeWinText;

  GameUpdate();  // 100 ms: the missing message
  EXPECT_EQ(box->visible, 0);
  EXPECT_EQ(o2::GamePause, 0);
  EXPECT_EQ(GuiList_Count(text), 0);
  GameUpdate();  // 200 ms
  EXPECT_EQ(box->visible, 1);
  EXPECT_EQ(o2::GamePause, 1);
  EXPECT_EQ(CodeWin.CodeWinMsgReq, 0);
  ASSERT_EQ(GuiList_Count(text), 1);
  EXPECT_EQ(GuiList_RowText(text, 0), "dva 42 // x");
  EXPECT_EQ(GuiList_RowColor(text, 0), "    oo eeee");  // a word, digits, a comment

  // The click on the text, as the frame's mouse pass hands it over.
  gPlat.winX = gPlat.winY = 0;
  gPlat.cursorX = text->x + text->w / 2;
  gPlat.cursorY = Win.WinHeight - (text->y + text->h / 2);
  EXPECT_EQ(Gui_MouseAll(1), 1);
  EXPECT_EQ(o2::GamePause, 0);
  EXPECT_EQ(box->visible, 0);
  gPlat.cursorX = gPlat.cursorY = 0;
  GameUpdate();  // 300 ms: the next message takes the place of the one before
  EXPECT_EQ(box->visible, 1);
  ASSERT_EQ(GuiList_Count(text), 1);
  EXPECT_EQ(GuiList_RowText(text, 0), "odin");

  ModeWords.ProgMode = kModeEditor;
  ModeWords.ProgModeReq = kModePlay;
  FrameByMode(0);
  EXPECT_EQ(ModeWords.ProgMode, kModePlay);
  EXPECT_EQ(ModeWords.ProgModeReq, 0);
  Gui_DestroyTree();
  Screens = ScreensRec{};
  CodeWin = t_CodeWin{};
  Ranks.RangPanelExists = 0;
  Win.WinWidth = winW, Win.WinHeight = winH;
  MsgBase_Clear();
  o2::GamePause = 0;
  StageReq.EtapLocationNom = 0;
}

using GameUpdateSteps = FramesTest;

TEST_F(GameUpdateSteps, WithoutALocationPlayEndsBeforeAnyFigureAndTheSideSwitchDropsTheSelection) {
  Fgr* t = Make(fgrTriger);
  Fgr* slot = Make(fgrDekor);
  slot->active = 0;
  t->ProcNomUpd2 = r_Triger_Upd;
  t->activateFgr = slot->nom;
  FieldMouse.HoverPickTimer = 1000000;
  StageReq.EtapLocationNom = StageReq.EtapLoadReqLoc = 0;
  GameUpdate();
  EXPECT_EQ(ModeWords.ProgMode, kModeStart);
  EXPECT_EQ(slot->active, 0);
  ModeWords.ProgMode = kModePlay;
  StageReq.EtapLocationNom = 1;
  GameUpdate();
  EXPECT_EQ(slot->active, 1);
  StageReq.EtapLocationNom = 0;

  // Home commands the other of sides 2 and 3; from any other side it gives 3.
  const int switched[][2] = {{2, 3}, {3, 2}, {4, 3}, {5, 3}};
  for (const auto& [from, to] : switched) {
    SelList_SetOne(&SelList, slot, 0);
    Sides.PlayerSide = from;
    FieldMouse.SideSwitchReq = 1;
    Game_TickUpd();
    EXPECT_EQ(Sides.PlayerSide, to) << from;
    EXPECT_EQ(SelList.count + FieldMouse.SideSwitchReq, 0) << from;
  }
}

// What a cell offers the player, by its cursor kind and the side's level (or bunker).
TEST_F(GameUpdateSteps, TheCursorKindsOfferTheirCodesAtTheirLevels) {
  struct Row {
    int kind, level, code;
  };
  for (const Row& r : {Row{0, 100, 0}, Row{1, 49, 0}, Row{1, 50, 80}, Row{2, 0, 81}, Row{3, 49, 0},
                       Row{3, 50, 82}, Row{4, 75, 83}, Row{5, 100, 0}, Row{6, 100, 0}, Row{7, 99, 0},
                       Row{7, 100, 84}, Row{8, 75, 0}, Row{8, 100, 85}, Row{9, 100, 0}, Row{11, 100, 0}})
    EXPECT_EQ(Cell_OfferCode(r.kind, r.level), r.code) << r.kind << " at " << r.level;

  FieldMouse.HoverPickTimer = 1000000;
  StageReq.EtapLocationNom = 1;
  struct Hover {
    int kind, bunker, cell, code;
  };
  const int valid = Cell(40, 40), border = Cell(255, 40);
  for (const Hover& h :
       {Hover{2, 0, valid, 81}, Hover{9, fgrAngBunker, valid, 80}, Hover{9, fgrNekBunker, valid, 81},
        Hover{9, fgrHasBunker, valid, 0}, Hover{10, fgrAngBunker, valid, 81},
        Hover{10, fgrNekBunker, valid, 80}, Hover{2, 0, border, 0}}) {
    Land_Layer(0)[h.cell].cursor = (uint8_t)h.kind;
    Sides.SideTab[Sides.PlayerSide - 1][kSideBunker] = h.bunker;
    FieldMouse.CursorCode = 55;
    FieldMouse.HoverCell = h.cell;
    GameUpdate();
    EXPECT_EQ(FieldMouse.CursorCode, h.code) << "kind " << h.kind << " bunker " << h.bunker;
    EXPECT_EQ(FieldMouse.HoverCell, 0);
  }
  GameUpdate();  // nothing hovered: the code stays
  EXPECT_EQ(FieldMouse.CursorCode, 0);
  StageReq.EtapLocationNom = 0;
}

}  // namespace

// A choice on the message panel that empties the offer queue asks the panel away (MsgBox_Next, run
// by the panel's button in the widgets' mouse step); the update hides it right after that step, so
// the pause key of the same frame is read with the panel gone and pauses the game again.
TEST_F(GameUpdateSteps, AChoiceThatClosesTheMessagePanelLetsThePauseKeyOfItsFrameThrough) {
  GuiWin panel{};
  panel.visible = 1;
  Screens.MsgPanel = &panel;
  o2::GamePause = 1;
  EXPECT_EQ(MsgBox_Next(), 0);  // nothing waits: the pause is lifted and the panel asked away
  EXPECT_EQ(o2::GamePause, 0);
  KmdByNum(KMD_SPACE)->fired = 1;
  FieldMouse.HoverPickTimer = 1000000;
  StageReq.EtapLocationNom = 1;
  GameUpdate();
  EXPECT_EQ(panel.visible, 0);
  EXPECT_EQ(Ranks.RangPanelReq, kRangPanelNone);
  EXPECT_EQ(o2::GamePause, 1);
  // While the panel stands the same key changes nothing.
  panel.visible = 1;
  GameUpdate();
  EXPECT_EQ(o2::GamePause, 1);
  KmdByNum(KMD_SPACE)->fired = 0;
  Screens.MsgPanel = nullptr;
  o2::GamePause = 0;
  StageReq.EtapLocationNom = 0;
}
