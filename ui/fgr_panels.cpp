// The value panels of the selected figure.
#include "ui/fgr_panels.h"

#include <GL/gl.h>

#include "gm/fgr.h"
#include "gui/gui.h"
#include "gui/hints.h"
#include "gui/value_input.h"
#include "render/gl2d.h"
#include "render/texture.h"
#include "shell/text.h"
#include "ui/org_panels.h"
#include "world/selection.h"

namespace {

constexpr int kRows = 25;
constexpr int kIntLast = 216;
constexpr int kFloLast = 56;
constexpr int kIntPageMax = kIntLast - kRows;  // 191: properties 192..216
constexpr int kFloPageMax = kFloLast - kRows;  // 31: properties 32..56

// The figure the panels show: the selection's only entry, else none.
Fgr* Shown() { return SelList.count == 1 ? SelList.e[1] : nullptr; }

// The property an editor row piece stands for: the page plus its row's number; -1 without a row.
int RowProp(const GuiWin* w, int page) { return w && w->parent ? page + w->parent->number : -1; }

int IntReadOnly(int n) {
  int ro = 0;
  Fgr_Int_ReadOnly(n, ro);
  return ro;
}

int FloReadOnly(int n) {
  int ro = 0;
  Fgr_Flo_ReadOnly(n, ro);
  return ro;
}

// The editable property of an editor row piece, with its figure; null when there is none.
int* IntTarget(GuiWin* w, int* n) {
  Fgr* f = Shown();
  *n = RowProp(w, Hud.ValPage_FgrInt);
  if (!f || ValPanel_FgrIntOut(*n) || IntReadOnly(*n)) return nullptr;
  return Fgr_Int_Adr(f, *n);
}

float* FloTarget(GuiWin* w, int* n) {
  Fgr* f = Shown();
  *n = RowProp(w, Hud.ValPage_FgrFlo);
  if (!f || ValPanel_FgrFloOut(*n) || FloReadOnly(*n)) return nullptr;
  return Fgr_Flo_Adr(f, *n);
}

void IntStepDraw(GuiWin* w, int sign) {
  int n = 0, step = 0;
  int* p = IntTarget(w, &n);
  if (!p || !Fgr_Int_Adv(n, step)) return;
  ValPanel_StepFrame(w, p, ValueInput.InpEditReq.intTarget,
                     sign < 0 ? StrFmt("%d отнять // fgr_int[%d]", step, n)
                              : StrFmt("%d прибавить в fgr_int[%d]", step, n));
}

void FloStepDraw(GuiWin* w, int sign) {
  int n = 0;
  float step = 0;
  float* p = FloTarget(w, &n);
  if (!p || !Fgr_Flo_Adv(n, step)) return;
  ValPanel_StepFrame(w, p, ValueInput.InpEditReq.floTarget,
                     sign < 0 ? StrFmt("%f отнять // fgr_flo[%d]", step, n)
                              : StrFmt("%f прибавить в fgr_flo[%d]", step, n));
}

void IntStepClick(GuiWin* w, int sign) {
  if (!w) return;
  w->consumed = 1;
  int n = 0, step = 0, a = 0, b = 0;
  int* p = IntTarget(w, &n);
  if (!p || ValueInput.InpEditReq.intTarget == p || !Fgr_Int_Adv(n, step)) return;
  const int has = Fgr_Int_TramVals(n, a, b);
  ValPanel_StepInt(p, sign * step, has, a, b);
}

void FloStepClick(GuiWin* w, int sign) {
  if (!w) return;
  w->consumed = 1;
  int n = 0;
  float step = 0, a = 0, b = 0;
  float* p = FloTarget(w, &n);
  if (!p || ValueInput.InpEditReq.floTarget == p || !Fgr_Flo_Adv(n, step)) return;
  const int has = Fgr_Flo_TramVals(n, a, b);
  ValPanel_StepFlo(p, (float)sign * step, has, a, b);
}

// A play row without a figure: a grey bar.
void GreyRow(GuiWin* w) {
  Tex_Off();
  Gl_BlendMode(kBlendAlpha);
  glColor4f(0.2f, 0.2f, 0.2f, 0.4f);
  Gl2D_TexRect((float)w->x, (float)w->y, (float)w->w, (float)w->h, 1, 0, 1);
}

}  // namespace

int ValPanel_FgrIntOut(int n) { return n < 1 || n > kIntLast ? 1 : 0; }
int ValPanel_FgrFloOut(int n) { return n < 1 || n > kFloLast ? 1 : 0; }

void ValPanel_FgrIntHdrClick(GuiWin* w) { ValPanel_Page(w, &Hud.ValPage_FgrInt, kIntPageMax); }
void ValPanel_FgrFloHdrClick(GuiWin* w) { ValPanel_Page(w, &Hud.ValPage_FgrFlo, kFloPageMax); }

void ValPanel_FgrIntName(GuiWin* w) {
  const int n = RowProp(w, Hud.ValPage_FgrInt);
  if (!Shown() || ValPanel_FgrIntOut(n) || !Fgr_Int_NameVar(n)) return;
  int tip = 0, ignorSb = 0, visp = 0, spec = 0;
  Fgr_Int_AnFlags(n, tip, ignorSb, visp, spec);
  ValPanel_Bar(w, Fgr_Int_NameVar(n), nullptr, &ignorSb, &visp);
  if (w->hover) Gui_HintSet(Fgr_Int_Kom1(n), Fgr_Int_KomD1(n), Fgr_Int_KomD2(n), Fgr_Int_KomD3(n));
}

void ValPanel_FgrFloName(GuiWin* w) {
  const int n = RowProp(w, Hud.ValPage_FgrFlo);
  if (!Shown() || ValPanel_FgrFloOut(n) || !Fgr_Flo_NameVar(n)) return;
  int tip = 0, ignorSb = 0, visp = 0, spec = 0;
  Fgr_Flo_AnFlags(n, tip, ignorSb, visp, spec);
  ValPanel_Bar(w, Fgr_Flo_NameVar(n), nullptr, &ignorSb, &visp);
  if (w->hover) Gui_HintSet(Fgr_Flo_Kom1(n), Fgr_Flo_KomD1(n), Fgr_Flo_KomD2(n), Fgr_Flo_KomD3(n));
}

void ValPanel_FgrIntText(int n, int value, const char* line2) {
  int a = 0, b = 0;
  if (Fgr_Int_TramVals(n, a, b))
    ValPanel_Cut127(OrgPanels.HintTitleBuf, StrFmt("%d значение // min:%d  max: %d", value, a, b));
  else ValPanel_Cut127(OrgPanels.HintTitleBuf, StrFmt("%d значение в ячейке %d", value, n));
  Gui_HintSet(OrgPanels.HintTitleBuf, line2, nullptr, nullptr);
}

void ValPanel_FgrFloText(int n, float value, const char* line2) {
  float a = 0, b = 0;
  if (Fgr_Flo_TramVals(n, a, b))
    ValPanel_Cut127(OrgPanels.HintTitleBuf, StrFmt("%f значение // min:%f  max: %f", value, a, b));
  else ValPanel_Cut127(OrgPanels.HintTitleBuf, StrFmt("%f значение в ячейке %d", value, n));
  Gui_HintSet(OrgPanels.HintTitleBuf, line2, nullptr, nullptr);
}

void ValPanel_FgrInt(GuiWin* w) {
  Fgr* f = Shown();
  const int n = RowProp(w, Hud.ValPage_FgrInt);
  if (!f || ValPanel_FgrIntOut(n)) return;
  int* p = Fgr_Int_Adr(f, n);
  if (!p) return;
  const ValCellLook look = ValPanel_Cell(w, IntReadOnly(n), p, ValueInput.InpEditReq.intTarget);
  if (look == kValCellEditing) ValPanel_FgrIntText(n, *p, kValHintCancel);
  if (look == kValCellFree && w->hover) ValPanel_FgrIntText(n, *p, kValHintStart);
  ValPanel_CellText(w, look, StrFmt("%5d", *p));
}

void ValPanel_FgrFlo(GuiWin* w) {
  Fgr* f = Shown();
  const int n = RowProp(w, Hud.ValPage_FgrFlo);
  if (!f || ValPanel_FgrFloOut(n)) return;
  float* p = Fgr_Flo_Adr(f, n);
  if (!p) return;
  const ValCellLook look = ValPanel_Cell(w, FloReadOnly(n), p, ValueInput.InpEditReq.floTarget);
  if (look == kValCellEditing) ValPanel_FgrFloText(n, *p, kValHintCancel);
  if (look == kValCellFree && w->hover) ValPanel_FgrFloText(n, *p, kValHintStart);
  ValPanel_CellText(w, look, StrFmt("%5f", *p));
}

// The typed value is written straight into the figure's record, which never moves (the container
// is a fixed array): a pending edit keeps writing into the figure that was selected at the click.
void ValPanel_FgrIntValClick(GuiWin* w) {
  if (!w) return;
  w->consumed = 1;
  int n = 0, a = 0, b = 0;
  int* p = IntTarget(w, &n);
  if (!p) return;
  const int has = Fgr_Int_TramVals(n, a, b);
  ValPanel_CellClickInt(w, p, has, a, b);
}

void ValPanel_FgrFloValClick(GuiWin* w) {
  if (!w) return;
  w->consumed = 1;
  int n = 0;
  float a = 0, b = 0;
  float* p = FloTarget(w, &n);
  if (!p) return;
  const int has = Fgr_Flo_TramVals(n, a, b);
  ValPanel_CellClickFlo(w, p, has, a, b);
}

void ValPanel_FgrIntSub(GuiWin* w) { IntStepDraw(w, -1); }
void ValPanel_FgrIntAdd(GuiWin* w) { IntStepDraw(w, 1); }
void ValPanel_FgrFloSub(GuiWin* w) { FloStepDraw(w, -1); }
void ValPanel_FgrFloAdd(GuiWin* w) { FloStepDraw(w, 1); }
void ValPanel_FgrIntSubClick(GuiWin* w) { IntStepClick(w, -1); }
void ValPanel_FgrIntAddClick(GuiWin* w) { IntStepClick(w, 1); }
void ValPanel_FgrFloSubClick(GuiWin* w) { FloStepClick(w, -1); }
void ValPanel_FgrFloAddClick(GuiWin* w) { FloStepClick(w, 1); }

void ValPanel_FgrIntRow(GuiWin* w) {
  if (!w) return;
  Fgr* f = Shown();
  if (!f) {
    GreyRow(w);
    return;
  }
  const int n = Hud.ValPage_FgrInt + w->number;
  const char* name = Fgr_Int_NameVar(n);
  if (!name) return;
  int value = 0;
  Fgr_Int_Val(f, n, value);
  ValPanel_Cut127(OrgPanels.CaptionBuf, StrFmt("%d:%s", value, name));
  int tip = 0, ignorSb = 0, visp = 0, spec = 0;
  Fgr_Int_AnFlags(n, tip, ignorSb, visp, spec);
  ValPanel_Bar(w, OrgPanels.CaptionBuf, nullptr, &ignorSb, &visp);
  if (w->hover) Gui_HintSet(Fgr_Int_Kom1(n), Fgr_Int_KomD1(n), Fgr_Int_KomD2(n), Fgr_Int_KomD3(n));
}

void ValPanel_FgrFloRow(GuiWin* w) {
  if (!w) return;
  Fgr* f = Shown();
  if (!f) {
    GreyRow(w);
    return;
  }
  const int n = Hud.ValPage_FgrFlo + w->number;
  const char* name = Fgr_Flo_NameVar(n);
  if (!name) return;
  float value = 0;
  Fgr_Flo_Val(f, n, value);
  ValPanel_Cut127(OrgPanels.CaptionBuf, StrFmt("%s:%f", name, value));
  int tip = 0, ignorSb = 0, visp = 0, spec = 0;
  Fgr_Flo_AnFlags(n, tip, ignorSb, visp, spec);
  ValPanel_Bar(w, OrgPanels.CaptionBuf, nullptr, &ignorSb, &visp);
  if (w->hover) Gui_HintSet(Fgr_Flo_Kom1(n), Fgr_Flo_KomD1(n), Fgr_Flo_KomD2(n), Fgr_Flo_KomD3(n));
}
