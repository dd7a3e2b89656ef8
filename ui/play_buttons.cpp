// Button callbacks of the play screen.
#include "ui/play_buttons.h"

#include <GL/gl.h>

#include "figures/chains.h"
#include "figures/fgr.h"
#include "figures/fgrs.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "figures/stage.h"
#include "gm/org_base.h"
#include "gui/buttons.h"
#include "gui/hints.h"
#include "gui/paint_words.h"
#include "render/field.h"
#include "render/font.h"
#include "render/gl2d.h"
#include "render/tex_names.h"
#include "render/texture.h"
#include "shell/geometry.h"
#include "shell/msgbase.h"
#include "shell/text.h"
#include "shell/window_state.h"
#include "ui/hud.h"
#include "ui/org_panels.h"
#include "ui/screens.h"
#include "ui/stage_buttons.h"
#include "world/figure_ops.h"
#include "world/ranks.h"
#include "world/selection.h"
#include "world/unit_upkeep.h"

namespace {

void Fill(const GuiWin* w, int fill) {
  Gl2D_TexRect((float)w->x, (float)w->y, (float)w->w, (float)w->h, fill, 0, 1);
}

// The unit the unit box and the unit panel show.
Fgr* BoxUnit() { return pFgrSelectedOne(1); }

// A line of the unit box: the text in the shared caption buffer, drawn as a button in font 2.
void DbgLine(GuiWin* w, const std::string& text, const char* hint) {
  ValPanel_Cut127(OrgPanels.CaptionBuf, text);
  Gui_DrawButton(w, OrgPanels.CaptionBuf, hint, 2);
}

// The player's captain of icon n (1..4) found this frame, else none.
Fgr* CaptainFgr(int n) {
  if (n < 1 || n > 4) return nullptr;
  const int slot = SelList.FoundBoss[n];
  return slot >= 1 && slot < kFgrsSlots ? &Fgrs.mf[slot] : nullptr;
}

}  // namespace

void RangPanel_ApplyReq() {
  if (!Screens.MsgPanel) return;
  if (Ranks.RangPanelReq == kRangPanelShow) Screens.MsgPanel->visible = 1;
  if (Ranks.RangPanelReq == kRangPanelHide) Screens.MsgPanel->visible = 0;
  Ranks.RangPanelReq = kRangPanelNone;
}

void PlayScreen_Draw(GuiWin* w) {
  if (w) RangPanel_ApplyReq();
}

void PauseBtn_Draw(GuiWin* w) {
  if (!w || !o2::GamePause) return;
  Gui_DrawButton(w, "PAUSE", "сейчас в игре пауза - кликни и отключи паузу", 5);
  Tex_Off();
  Gl_BlendMode(kBlendAlpha);
  const float grey = HudPulse();
  glColor4f(grey, grey, grey, 1);
  Fill(w, 0);
}

void PauseBtn_Click(GuiWin* w) {
  if (!w || !o2::GamePause) return;
  w->consumed = 1;
  o2::GamePause = 0;
}

void UnitBoxTitle_Draw(GuiWin* w) {
  Fgr* f = BoxUnit();
  if (!w || !f) return;
  const char* caption = EditModeOn ? fgrXName(f->Status()) : Fgr_ItemNameText(f);
  Gui_DrawButton(w, caption, "---+---", 1);
}

void UnitBoxTitle_Click(GuiWin* w) {
  Fgr* f = BoxUnit();
  if (!w || !f) return;
  w->consumed = 1;
  if (w->clickCode == kClickLeft) PickPoint_SetFromFgr(f);
}

void UnitDbg_Draw(GuiWin* w) {
  Fgr* f = BoxUnit();
  if (!w || !f) return;
  DbgLine(w, StrFmt("%d  %d  nxt%d  tk:%d", f->onPath, f->onPathLen, f->onPathNext, f->targPathKle),
          "onPath, onPathLen, onPathNext, targPathKle");
}

void UnitDbgRank_Draw(GuiWin* w) {
  Fgr* f = BoxUnit();
  if (!w || !f) return;
  DbgLine(w, StrFmt("r:%d  exp%d  enx%d", (int)f->UN->ExpRang, f->xExpNow, f->xExpNext),
          "UN->ExpRang, pf->xExpNow, pf->xExpNext");
}

void UnitDbgCounts_Draw(GuiWin* w) {
  Fgr* f = BoxUnit();
  if (!w || !f) return;
  const BoeCounters* c = f->UN->isUse ? &f->UN->cnt : nullptr;
  auto now = [c](int channel) { return c ? BoeCnt_Get(c, channel) : 0; };
  DbgLine(w, StrFmt("%d  %d  %d  m%d  %d", now(1), now(3), now(5), now(15), f->tactic),
          "NormHP  CaptHP  TehnHP  bcHot  tactic(сколько фильтров в буфере)");
}

void HudUnitPanel_OpenClick(GuiWin* w) {
  if (!w) return;
  w->consumed = 1;
  if (Screens.HudUnitPanel) Screens.HudUnitPanel->visible = 1;
  o2::GamePause = 1;
}

void HudUnitPanel_CloseClick(GuiWin* w) {
  if (!w) return;
  if (Screens.HudUnitPanel) Screens.HudUnitPanel->visible = 0;
  o2::GamePause = 0;
  w->consumed = 1;
}

void Gui_DrawFgrPreview(GuiWin* w) {
  GuiButtons.GuiDrawingWin = nullptr;
  Fgr* f = pFgrSelectedOne(0);
  if (!w || !f || Fgr_NotMine(f) || w->number < 1 || w->number > 18) return;
  Fgr* button = SelList.PanelBtnFgrs[w->number];
  if (!button || !button->Active() || !button->ProcNomOnR) return;
  GuiButtons.GuiDrawingWin = w;
  ProcFgr(button->ProcNomOnR, button);
  GuiButtons.GuiDrawingWin = nullptr;
}

void CaptainCell_Click(GuiWin* w) {
  if (!w || w->clickCode != kClickLeft) return;
  Fgr* f = pFgrSelectedOne(0);
  if (f && Fgr_SetFromPultSig(f, w->number)) w->consumed = 1;
}

void CargoCell_Click(GuiWin* w) {
  if (!w || w->number >= 2) return;
  w->consumed = 1;
  Fgr* f = BoxUnit();
  if (!f) return;
  if (!Slot3_IsSet()) Slot3_Set(f, f->P2_Sub_Gruz, w);
  else if (Geo.DragSlot.widget == w) Slot3_Clear();
}

// The picked-up item is put on as the unit's suit; the suit it wore goes into its cargo. When the
// old suit finds no room there the item goes back into the cargo instead, so no item is left
// hanging on the unit outside its chains.
void SuitCell_Click(GuiWin* w) {
  if (!w || w->number != 2) return;
  w->consumed = 1;
  Fgr* f = BoxUnit();
  if (!f || !Slot3_IsSet()) return;
  Fgr* item = Geo.DragSlot.item;
  if (Geo.DragSlot.fgr == f && Geo.DragSlot.widget != w && Fgr_Sub_KickGruz(f, item)) {
    Fgr* old = f->P2_UseSuit;
    if (old && !Fgr_Sub_AddGruz(f, old)) {
      Fgr_Sub_AddGruz(f, item);
    } else {
      f->P2_UseSuit = item;
      item->pParent = f;
    }
  }
  Slot3_Clear();
}

void CaptainIcon_Draw(GuiWin* w) {
  if (!w) return;
  Fgr* c = CaptainFgr(w->number);
  if (!c) {
    if (w->number == 1) Gui_DrawButton(w, "xXx", "наймите капитана и его фотка будет здесь", 3);
    return;
  }
  Tex_Bind(&TexTable, c->Tex1);
  Gl_BlendMode(kBlendAlpha);
  const float grey = w->hover ? 1.0f : 0.8f;
  glColor4f(grey, grey, grey, grey);
  Fill(w, 1);
  Tex_Off();
  Gl_BlendMode(kBlendOff);
  if (c == pFgrSelectedOne(1)) {
    glColor4f(0.6f, 0.6f, 0.3f, 1);
    Fill(w, 0);
    glColor4f(0.9f, 0.9f, 0.4f, 1);
    Gl2D_TexRect((float)(w->x + 1), (float)(w->y + 1), (float)(w->w - 2), (float)(w->h - 2), 0, 0, 1);
  } else {
    glColor4f(0, 0.7f, 0.7f, 1);
    Fill(w, 0);
  }
  if (!w->hover) return;
  w->consumed = 1;
  const char* name = Fgr_ItemNameText(c);
  glDisable(GL_SCISSOR_TEST);
  glColor4f(0.8f, 0.7f, 0.6f, 1);
  Font_PrintWin(name, 2, (float)w->x, (float)(w->y + w->h));
  glEnable(GL_SCISSOR_TEST);
  Gui_HintSet(name, "ikon of kaptain ander u kontrol (try klik)", nullptr, nullptr);
}

void CaptainIcon_Click(GuiWin* w) {
  if (!w) return;
  Fgr* c = CaptainFgr(w->number);
  if (!c) return;
  w->consumed = 1;
  if (c == pFgrSelectedOne(1)) PickPoint_SetFromFgr(c);
  else if (w->clickCode == kClickLeft)
    SelList_SetOne(&SelList, c, 0);  // inactive ones only in the editor
  else if (w->clickCode == kClickRight) PickPoint_SetFromFgr(c);
}

void FloorBox_Draw(GuiWin* w) {
  if (!w) return;
  Tex_Bind(&TexTable, kTxFloorboxBack);
  Gl_BlendMode(kBlendAlpha);
  glColor4f(0.5f, 0.5f, 0.5f, 0.5f);
  Fill(w, 1);
  MiniMap_Draw(Sides.SideTab, 0);
  if (!w->hover) return;
  Tex_Bind(&TexTable, kTxFloorboxHover);
  Gl_BlendMode(kBlendAlpha);
  glColor4f(1, 1, 1, 0.4f);
  Fill(w, 1);
  Tex_Off();
  Gl_BlendMode(kBlendOff);
  glColor4f(1, 0, 0, 1);
  Fill(w, 0);
}

void FloorBtn_Draw(GuiWin* w) { Gui_DrawButton(w, "et", "Смена этажа", 2); }

void FloorBtn_Click(GuiWin* w) {
  if (!w) return;
  w->consumed = 1;
  FieldMouse.FloorSwitchReq = 1;
}

void MsgPanel_Draw(GuiWin* w) {
  if (!w) return;
  Tex_Bind(&TexTable, kTxStartBack);
  Gl_BlendMode(kBlendAlpha);
  glColor4f(0.5f, 0.5f, 0.5f, 0.5f);
  Gl2D_TexRect((float)w->x, (float)w->y, (float)w->w, (float)w->w, 1, 0, 1);
  Tex_Off();
}

int MsgPanel_Shown() { return Screens.MsgPanel && Screens.MsgPanel->visible ? 1 : 0; }

void MsgPanel_Click(GuiWin* w) {
  if (w) w->consumed = 1;
}

void KnoCb_RangChoice(GuiWin* w) {
  if (w && Rang_ChoiceTake(w->number)) w->consumed = 1;
}

void CodeWin_Show(const char* text) {
  GuiWin* box = Screens.CodeWinText;
  if (!Screens.CodeWinBox || !box || !text) return;
  // The window's rows come from the pools the first time it is filled; each later message
  // releases the text before it.
  if (!GuiList_Of(box)) box->listHolder = GuiList_TakeHolder(0);
  GuiList_EraseRows(GuiList_Of(box), 0, 0);
  GuiList_AppendLine(box, text, "");
  box->firstRow = box->cursorRow = box->caretCol = 0;
  TextEd_ColourRows(box, 0);
  Screens.CodeWinBox->visible = 1;
}

void GamePause_Clear() {
  if (!Screens.CodeWinBox) return;
  o2::GamePause = 0;
  Screens.CodeWinBox->visible = 0;
}

void CodeWin_Click(GuiWin* w) {
  if (!w) return;
  w->consumed = 1;
  GamePause_Clear();
}

void SaveTest2Btn_Draw(GuiWin* w) {
  Gui_DrawButton(w, "Save Test2", "Сохранить пере-записать (... Maps/test2.etp)", 1);
}

// Both only store the request: the next game update saves or loads.
void SaveTest2Btn_Click(GuiWin* w) { Etap_RequestSaveTest2(w); }

void LoadTest2Btn_Draw(GuiWin* w) {
  Gui_DrawButton(w, MsgBase_Text(107), "Загрузить (... Maps/test2.etp)", 1);
}

void LoadTest2Btn_Click(GuiWin* w) {
  if (!w) return;
  w->consumed = 1;
  Etap_RequestLoadTest2(w);
}
