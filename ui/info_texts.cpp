// Info texts and tooltips of the play screen's buttons.
#include "ui/info_texts.h"

#include <GL/gl.h>

#include <string>

#include "figures/fa_proc_env.h"
#include "figures/fgrs.h"
#include "figures/records.h"
#include "figures/stage.h"
#include "gui/buttons.h"
#include "gui/hints.h"
#include "render/font.h"
#include "render/gl2d.h"
#include "render/tex_names.h"
#include "render/texture.h"
#include "shell/geometry.h"
#include "shell/log.h"
#include "shell/msgbase.h"
#include "shell/text.h"
#include "shell/window_state.h"
#include "ui/hud.h"
#include "world/combat.h"
#include "world/procs.h"
#include "world/ranks.h"
#include "world/selection.h"
#include "world/sides.h"

namespace {

constexpr int kChainWalkMax = 1000;  // no chain of a sound stage is longer than the container

// Texts made for a widget's caption or tooltip this frame: the widget and the hint keep pointers
// into them, so they outlive the call that made them.
struct InfoTextState {
  std::string filterLine;   // the first bonus filter of an item
  std::string skilCaption;  // a skill button's "level-name"
  std::string adjust1;      // the two paging buttons' captions
  std::string adjust2;
};
InfoTextState Info;

// Member n (1..) of the chain that starts at head, or null.
Fgr* ChainAt(Fgr* head, int n) {
  for (int i = 1; head && i < kChainWalkMax; i++, head = head->pTail)
    if (i == n) return head;
  return nullptr;
}

// The figure of the offer set shown (the first queued), or null.
Fgr* OfferFgr() {
  const int n = Ranks.RangQueue[kRangQueueSlots].fgr;
  if (t_Fgrs::mOut(n)) return nullptr;
  Fgr* f = &Fgrs.mf[n];
  return f->Status() ? f : nullptr;
}

void Fill(const GuiWin* w, float inset, float r, float g, float b, float a) {
  Tex_Off();
  Gl_BlendMode(kBlendAlpha);
  glColor4f(r, g, b, a);
  Gl2D_TexRect(w->x + inset, w->y + inset, w->w - 2 * inset, w->h - 2 * inset, 1, 0, 1);
}

void Outline(const GuiWin* w) {
  glColor4f(1, 1, 1, 0.8f);
  Gl2D_TexRect((float)w->x, (float)w->y, (float)w->w, (float)w->h, 0, 0, 1);
}

void Print(const char* text, int font, int x, int y) {
  Font_PrintWin(text ? text : "", font, (float)x, (float)y);
}

// A panel of that colour with its caption, outlined and naming its hint while hovered. The hint
// keeps pointers, so hint texts must outlive the frame (message-base texts and literals do).
void Panel(GuiWin* w, float inset, float r, float g, float b, const char* caption, const char* hint,
           const char* hint2 = nullptr) {
  Fill(w, inset, r, g, b, GuiButtons.GuiPanelAlpha);
  if (w->hover) Outline(w);
  glColor4f(1, 1, 1, 1);
  Print(caption, 3, w->x + 5, w->y + 2);
  if (w->hover) Gui_HintSet(hint, hint2, nullptr, nullptr);
}

// The first entry of an item's FKu table as a tooltip line (stage 1 for a set-stage entry).
const char* FirstFilterLine(const Fgr* item) {
  if (!item || !item->item || (int)item->item->fku.count < 1) return nullptr;
  const FKuEntry& e = item->item->fku.e[0];
  Info.filterLine = Boe_FilterLine(e.channel, (int)e.value, e.ofStart, e.percent, e.kind == 3 ? 1 : 0);
  return Info.filterLine.c_str();
}

// Skill buttons of a figure: "level-name", or "x" for none.
const char* SkilCaption(Fgr* f, int code) {
  int level = 0;
  const char* name = f ? Skil_ByButton(f, code, &level) : nullptr;
  Info.skilCaption = name ? StrFmt("%d-%s", level, name) : "x";
  return Info.skilCaption.c_str();
}

void SkilHinted(GuiWin* w, Fgr* f, const char* base, const char* ext, const char* none) {
  int level = 0;
  const bool has = f && Skil_ByButton(f, w->number, &level);
  Panel(w, 0, 0.5f, 0.6f, 0.7f, SkilCaption(f, w->number), has ? (w->number <= 5 ? base : ext) : none);
}

// A spell button: code n names the n-th spell of the chain.
void Spell(GuiWin* w, Fgr* head, bool bad) {
  Fgr* s = ChainAt(head, w->number);
  if (!s) {
    Panel(w, 2, 0.5f, 0.5f, 0.5f, "x", "не ясно");
    return;
  }
  const char* title = s->MagikVers == 1 ? MsgBase_Text(87) : "x";
  const std::string text =
      bad ? StrFmt("%d-%s Bad", w->number, title) : StrFmt("%d %s Good", w->number, title);
  if (bad) Panel(w, 2, 0.8f, 0.5f, 0.5f, text.c_str(), title);
  else Panel(w, 2, 0.5f, 0.8f, 0.5f, text.c_str(), title);
}

// The toggle of a panel button with its message-base title and hints (none for an empty base).
void KnoToggle(GuiWin* w, const Fgr* kno) {
  const char* title = MsgBase_TextOrNull(kno->Kno_MsgTitul);
  Gui_DrawToggleHint(w, title ? title : "", title, MsgBase_TextOrNull(kno->Kno_MsgHint1),
                     MsgBase_TextOrNull(kno->Kno_MsgHint2), nullptr);
  if (w->hover && kno->Kno_SpePopUp == 1) Gui_SetToggleFlag(1);
}

}  // namespace

void Gui_DrawFgrBar(GuiWin* w, const Fgr* f) {
  // Both words can be edited: no bar unless there is a positive whole to measure against.
  if (!w || !f || f->waitNow == 0 || f->waitFull <= 0) return;
  float share = (float)f->waitNow / (float)f->waitFull;
  share = share < 0 ? 0 : (share > 1 ? 1 : share);
  Tex_Off();
  Gl_BlendMode(kBlendAlpha);
  glColor4f(1, 0, 0, 0.7f);
  Gl2D_TexRect((float)w->x, (float)(w->y + 10), (float)w->w * share, 5, 1, 0, 1);
}

const char* Skil_ByButton(Fgr* f, int code, int* level) {
  if (!f) return nullptr;
  const int tier = code >= 1 && code <= 4     ? 1
                   : code >= 6 && code <= 9   ? 2
                   : code >= 11 && code <= 14 ? 3
                                              : 0;
  if (!tier) return nullptr;
  Fgr* s = ChainAt(f->P2_Sub_UseSkil, code - 5 * (tier - 1));
  if (!s) return nullptr;
  if (level) *level = tier == 1 ? s->SkilRangBase : tier == 2 ? s->SkilRangExt2 : s->SkilRangExt3;
  return Skil_Name(s->AbilSkilVers + (tier == 2 ? 1000 : tier == 3 ? 10000 : 0));
}

void Skil_LogAll(Fgr* captain) {
  if (!captain) return;
  for (int i = 1; i <= 4; i++) {
    Fgr* s = ChainAt(captain->P2_Sub_UseSkil, i);
    if (!s) break;
    const char* fmt = i == 1 ? "\n%s: %d .,   " : (i == 4 || !s->pTail ? "%s: %d" : "%s: %d .,   ");
    LogInfo(fmt, Skil_Name(s->AbilSkilVers), (int)s->SkilRangBase);
  }
}

void KnoCb_SideRes(GuiWin* w) {
  if (!w) return;
  const int code = w->number;
  Fill(w, 0, code % 2 ? 0.2f : 0.4f, 0.1f, code % 2 ? 0.4f : 0.2f, 0.6f);
  if (w->hover) Outline(w);
  std::string text;
  switch (code) {
    case 1: text = StrFmt("E%5d", SideShown.SideEnerCur); break;
    case 2: text = StrFmt("M%5d", SideShown.SideMatCur); break;
    case 3: text = StrFmt("р%3d", SideShown.SideGemCur[1]); break;
    case 4: text = StrFmt("с%3d", SideShown.SideGemCur[2]); break;
    case 5: text = StrFmt("а%3d", SideShown.SideGemCur[3]); break;
    case 6: text = StrFmt("и%3d", SideShown.SideGemCur[4]); break;
    default: text = "+123"; break;
  }
  glColor4f(1, 1, 1, 1);
  // The counter stands 15 pixels up its cell; a cell lower than that plus a line of the font (the
  // bar is 4% of the window, at the top edge) would cut the counter there, so it comes down to fit.
  const int line = FontSet.fonts[2].glyphs[(uint8_t)'E'].height;
  const int up = w->h - line < 15 ? (w->h - line > 0 ? w->h - line : 0) : 15;
  Print(text.c_str(), 2, w->x + 24, w->y + up);
  if (!w->hover) return;
  if (code == 1) Gui_HintSet(MsgBase_Text(27), MsgBase_Text(28), nullptr, nullptr);
  else if (code == 2) Gui_HintSet(MsgBase_Text(30), MsgBase_Text(31), nullptr, nullptr);
  else if (code >= 3 && code <= 6)
    Gui_HintSet(MsgBase_Text(29 + code), MsgBase_Text(36), nullptr, nullptr);
  else Gui_HintSet("...", nullptr, nullptr, nullptr);
}

void KnoCb_ItemInfo(GuiWin* w) {
  Fgr* f = pFgrSelectedOne(1);
  if (!w || w->number >= 2 || !f) return;
  Fill(w, 0, 0.5f, 0.5f, 0.5f, GuiButtons.GuiPanelAlpha);
  // While hovered, the first cargo item's first filter heads the hint.
  static const char* const kLines[3] = {"Костюм для зашиты капитана",
                                        "test - только первый предмет рюкзака виден.",
                                        "test - только первый фильтр в предмете ..."};
  const char* filter = FirstFilterLine(f->P2_Sub_Gruz);
  if (filter) Gui_DrawToggleHint(w, "item", filter, kLines[0], kLines[1], kLines[2]);
  else Gui_DrawToggleHint(w, "item", kLines[0], kLines[1], kLines[2], nullptr);
  if (Geo.DragSlot.widget == w) Fill(w, 0, 1, 1, 1, 0.4f);
}

void KnoCb_ItemSlots(GuiWin* w) {
  Fgr* f = pFgrSelectedOne(1);
  if (!w || !f || w->number < 1 || w->number > 3) return;
  static const char* const kCaption[4] = {"", "Helm", "Suit", "Car"};
  Fgr* item = w->number == 1 ? f->P2_UseHelm : w->number == 2 ? f->P2_UseSuit : f->P2_UseCar;
  const bool dragged = Slot3_IsSet() && Geo.DragSlot.item && Geo.DragSlot.item->detPlace == 6;
  float r = 0.5f, g = item ? 0.6f : 0.8f, b = item ? 0.7f : 0.8f;
  if (dragged) r = 0.9f, g = 0.9f, b = 0.3f;
  if (!item) {
    Panel(w, 0, r, g, b, "x", "--");
    return;
  }
  const char* filter = w->number == 2 ? FirstFilterLine(item) : nullptr;
  Panel(w, 0, r, g, b, kCaption[w->number], "хинт", filter);
}

void KnoCb_CaptainOrigin(GuiWin* w) {
  Fgr* f = OfferFgr();
  if (!w || !f) return;
  Fill(w, 0, 0, 0, 0, 0.4f);
  const std::string text =
      StrFmt("Капитан %s изначально <%s>", Fgr_ItemNameText(f), Skil_Name(f->trueCaptain));
  glColor4f(1, 0.9f, 0.5f, 1);
  Print(text.c_str(), 5, w->x + 25, w->y + 12);
}

void KnoCb_SkilUpHint(GuiWin* w) {
  if (!w || w->number < 1 || w->number > 3 || !OfferFgr()) return;
  const RangOfferSet& o = Ranks.RangQueue[kRangQueueSlots];
  const int offer = w->number == 1 ? o.a : w->number == 2 ? o.b : o.c;
  Gui_DrawButton(w, Skil_Name(offer), "нажымай-выбирай и этот скил повысится", 1);
}

void KnoCb_Skil(GuiWin* w) {
  Fgr* f = pFgrSelectedOne(1);
  if (!w || !f) return;
  Gui_DrawButton(w, SkilCaption(f, w->number), nullptr, 1);
}

void KnoCb_SkilH2(GuiWin* w) {
  Fgr* f = pFgrSelectedOne(1);
  if (!w || !f) return;
  SkilHinted(w, f, "H2: Базовый скил", "H2: Прилагательный скил",
             "H2: нет скила - возможно сюда можно добавить новый");
}

void KnoCb_SkilH3(GuiWin* w) {
  Fgr* f = OfferFgr();
  if (!w || !f) return;
  if (Fgr::IsSquadHolder(f) && f->P2_Sub_Unit) f = f->P2_Sub_Unit;
  SkilHinted(w, f, "H3: Базовый скил", "H3: Прилагательный скил",
             "H3: нет скила - возможно сюда можно добавить новый");
}

void KnoCb_CaptainIs(GuiWin* w) {
  Fgr* f = pFgrSelectedOne(1);
  if (!w || !f || !f->trueCaptain) return;
  const std::string text =
      StrFmt("Капитан %s является <%s>", Fgr_ItemNameText(f), Skil_Name(f->trueCaptain));
  glColor4f(1, 1, 1, 1);
  Print(text.c_str(), 1, w->x + 5, w->y + w->h / 2);
}

void KnoCb_Bad(GuiWin* w) {
  Fgr* f = pFgrSelectedOne(1);
  if (w && f) Spell(w, f->P2_Sub_MetBd, true);
}

void KnoCb_Good(GuiWin* w) {
  Fgr* f = pFgrSelectedOne(1);
  if (w && f) Spell(w, f->P2_Sub_MetGd, false);
}

void KnoCb_GuestInfo(GuiWin* w) {
  Fgr* f = pFgrSelectedOne(1);
  if (!w || !f) return;
  switch (w->number) {
    case 1:
      Gui_DrawToggle(w, MsgBase_Text(6), MsgBase_Text(7));
      if (w->hover) Gui_SetToggleFlag(1);
      break;
    case 2:
      Gui_DrawToggle(w, MsgBase_Text(11), MsgBase_Text(12));
      if (w->hover) InfoPanel2_Show(1);
      break;
    case 3:
      if (f->PafLay) {
        Gui_DrawToggle(w, MsgBase_Text(13), "заклины которыми обвешан юнит");
        if (w->hover) UnitSpellsPanel_Show(1);
      } else {
        Gui_DrawToggle(w, MsgBase_Text(14), "инфо про лифт здания - кто гость");
        if (w->hover) LiftGuestPanel_Show(1);
      }
      break;
    default: break;
  }
}

void KnoCb_Adjust1(GuiWin* w) {
  Info.adjust1 = StrFmt("LmB <-%d-> RmB", Hud.ValPage_FgrFlo);
  Gui_DrawButton(w, Info.adjust1.c_str(), MsgBase_TextOrNull(94), 1);
}

void KnoCb_Adjust2(GuiWin* w) {
  Info.adjust2 = StrFmt("LmB <-%d-> RmB", Hud.ValPage_FgrInt);
  Gui_DrawButton(w, Info.adjust2.c_str(), MsgBase_TextOrNull(94), 1);
}

void KnoCb_LmbRmb(GuiWin* w) { Gui_DrawButton(w, "LmB <-> RmB", MsgBase_TextOrNull(94), 1); }

void KnoCb_MenuOptions(GuiWin* w) {
  Gui_DrawButton(w, MsgBase_Text(108), "(не работает) пункт глав меню", 1);
}

void KnoCb_MenuContinue(GuiWin* w) {
  if (StageReq.EtapLoadReqName.empty())
    Gui_DrawButton(w, MsgBase_Text(105), "пункт глав меню (Maps/test.etp)", 1);
  else Gui_DrawButton(w, MsgBase_Text(106), "пункт глав меню", 1);
}

void KnoCb_PanelTitle(GuiWin* w) {
  if (!w) return;
  Fill(w, 0, 0.5f, 0.3f, 0.3f, 0.5f);
  glColor4f(1, 1, 1, 1);
  Print(MsgBase_Text(2), 6, w->x + 50, w->y + w->h / 4);
}

void KnoCb_MapPanel(GuiWin* w) {
  if (!w) return;
  Gl_BlendMode(kBlendAlpha);
  glColor4f(1, 1, 1, 1);
  Tex_Bind(&TexTable, kTxMapPicture);
  Gl2D_TexRect((float)w->x, (float)w->y, 256, 256, 1, 0, 1);
  Tex_Off();
  Gl2D_TexRect((float)w->x, (float)w->y, 256, 256, 0, 0, 1);
  if (!w->hover) return;
  Tex_Bind(&TexTable, kTxMapHover);
  Gl2D_TexRect((float)w->x, (float)w->y, 128, 128, 1, 0, 1);
  Tex_Off();
  Gui_HintSet(MsgBase_Text(37), MsgBase_Text(38), nullptr, nullptr);
}

void Proc_KnoButton(Fgr* button) {
  GuiWin* w = GuiButtons.GuiDrawingWin;
  if (!button || !w) return;
  KnoToggle(w, button);
  Gui_DrawFgrBar(w, button);
}

void Proc_KnoButton2(Fgr* button) {
  GuiWin* w = GuiButtons.GuiDrawingWin;
  if (!button || !w) return;
  if (w->number == 1) {
    KnoToggle(w, button);
    return;
  }
  if (w->number != 2 && w->number != 3) return;
  Fgr* holder = button->pParent;
  if (holder && holder->spelCastNow > button->waitNow) {
    button->waitNow = holder->spelCastNow;
    button->waitFull = holder->spelCastFull;
  }
  const Fgr* book = holder ? (w->number == 2 ? holder->P_PrepZak1 : holder->P_PrepZak2) : nullptr;
  if (book && book->MagikVers == 1) {
    Gui_DrawToggleHint(w, MsgBase_Text(87), MsgBase_Text(88), MsgBase_Text(89), MsgBase_Text(90),
                       MsgBase_Text(91));
  } else {
    Gui_DrawToggleHint(w, "", nullptr, nullptr, nullptr, nullptr);
  }
  Gui_DrawFgrBar(w, button);
}

// The world's procedure numbers 34 and 56 draw through these two: handed in while the program's
// globals are made, so that the numbers draw wherever this file is linked, before any frame.
[[maybe_unused]] static const bool kKnoButtonsHandedIn =
    (ProcHooks.ProcKnoButtonDraw = Proc_KnoButton, ProcHooks.ProcKnoButton2Draw = Proc_KnoButton2, true);
