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

// One kind of the figure's properties as its panels read them: the kind of its values, its page,
// its generated accessors and the word its step hints name a cell by.
template <typename T>
struct FgrTable {
  const InpValueKind<T>& kind;
  int* page;
  const char* cells;  // "fgr_int", "fgr_flo"
  int (*out)(int n);
  void (*readOnly)(int n, int& readOnly);
  int (*range)(int n, T& a, T& b);
  int (*step)(int n, T& step);  // 0: none
  int (*flags)(int n, int& tip, int& ignorSb, int& visp, int& spec);
  char* (*name)(int n);
  char* (*kom1)(int n);
  char* (*komD1)(int n);
  char* (*komD2)(int n);
  char* (*komD3)(int n);
  T* (*adr)(Fgr* f, int n);
  void (*val)(Fgr* f, int n, T& value);
  std::string (*rowText)(T value, const char* name);  // a play row's bar
};

const FgrTable<int> kFgrInt = {
    kInpInt,          &Hud.ValPage_FgrInt,
    "fgr_int",        ValPanel_FgrIntOut,
    Fgr_Int_ReadOnly, Fgr_Int_TramVals,
    Fgr_Int_Adv,      Fgr_Int_AnFlags,
    Fgr_Int_NameVar,  Fgr_Int_Kom1,
    Fgr_Int_KomD1,    Fgr_Int_KomD2,
    Fgr_Int_KomD3,    Fgr_Int_Adr,
    Fgr_Int_Val,      [](int value, const char* name) { return StrFmt("%d:%s", value, name); }};
const FgrTable<float> kFgrFlo = {
    kInpFlo,          &Hud.ValPage_FgrFlo,
    "fgr_flo",        ValPanel_FgrFloOut,
    Fgr_Flo_ReadOnly, Fgr_Flo_TramVals,
    Fgr_Flo_Adv,      Fgr_Flo_AnFlags,
    Fgr_Flo_NameVar,  Fgr_Flo_Kom1,
    Fgr_Flo_KomD1,    Fgr_Flo_KomD2,
    Fgr_Flo_KomD3,    Fgr_Flo_Adr,
    Fgr_Flo_Val,      [](float value, const char* name) { return StrFmt("%s:%f", name, value); }};

template <typename T>
int ReadOnly(const FgrTable<T>& t, int n) {
  int ro = 0;
  t.readOnly(n, ro);
  return ro;
}

// The editable property of an editor row piece, with its figure; null when there is none.
template <typename T>
T* Target(GuiWin* w, const FgrTable<T>& t, int* n) {
  Fgr* f = Shown();
  *n = RowProp(w, *t.page);
  if (!f || t.out(*n) || ReadOnly(t, *n)) return nullptr;
  return t.adr(f, *n);
}

template <typename T>
void StepDraw(GuiWin* w, const FgrTable<T>& t, int sign) {
  int n = 0;
  T step = 0;
  T* p = Target(w, t, &n);
  if (!p || !t.step(n, step)) return;
  ValPanel_StepFrame(w, p, InpEditReq_Of(t.kind).target,
                     ValPanel_StepHint(t.kind, sign, step, t.cells, n));
}

template <typename T>
void StepClick(GuiWin* w, const FgrTable<T>& t, int sign) {
  if (!w) return;
  w->consumed = 1;
  int n = 0;
  T step = 0, a = 0, b = 0;
  T* p = Target(w, t, &n);
  if (!p || InpEditReq_Of(t.kind).target == p || !t.step(n, step)) return;
  const int has = t.range(n, a, b);
  ValPanel_Step(p, (T)sign * step, has, a, b);
}

template <typename T>
void Hint(const FgrTable<T>& t, int n) {
  Gui_HintSet(t.kom1(n), t.komD1(n), t.komD2(n), t.komD3(n));
}

template <typename T>
void NameBar(GuiWin* w, const FgrTable<T>& t) {
  const int n = RowProp(w, *t.page);
  if (!Shown() || t.out(n) || !t.name(n)) return;
  int tip = 0, ignorSb = 0, visp = 0, spec = 0;
  t.flags(n, tip, ignorSb, visp, spec);
  ValPanel_Bar(w, t.name(n), nullptr, &ignorSb, &visp);
  if (w->hover) Hint(t, n);
}

template <typename T>
void ValueText(const FgrTable<T>& t, int n, T value, const char* line2) {
  T a = 0, b = 0;
  const int has = t.range(n, a, b);
  ValPanel_ValueHint(t.kind, n, value, has, a, b, line2);
}

template <typename T>
void Cell(GuiWin* w, const FgrTable<T>& t) {
  Fgr* f = Shown();
  const int n = RowProp(w, *t.page);
  if (!f || t.out(n)) return;
  T* p = t.adr(f, n);
  if (!p) return;
  const ValCellLook look = ValPanel_Cell(w, ReadOnly(t, n), p, InpEditReq_Of(t.kind).target);
  if (look == kValCellEditing) ValueText(t, n, *p, kValHintCancel);
  if (look == kValCellFree && w->hover) ValueText(t, n, *p, kValHintStart);
  ValPanel_CellText(w, look, t.kind.printCell(*p));
}

// The typed value is written straight into the figure's record, which never moves (the container
// is a fixed array): a pending edit keeps writing into the figure that was selected at the click.
template <typename T>
void CellClick(GuiWin* w, const FgrTable<T>& t) {
  if (!w) return;
  w->consumed = 1;
  int n = 0;
  T a = 0, b = 0;
  T* p = Target(w, t, &n);
  if (!p) return;
  const int has = t.range(n, a, b);
  ValPanel_CellClick(w, t.kind, p, has, a, b);
}

// A play row without a figure: a grey bar.
void GreyRow(GuiWin* w) {
  Tex_Off();
  Gl_BlendMode(kBlendAlpha);
  glColor4f(0.2f, 0.2f, 0.2f, 0.4f);
  Gl2D_TexRect((float)w->x, (float)w->y, (float)w->w, (float)w->h, 1, 0, 1);
}

template <typename T>
void PlayRow(GuiWin* w, const FgrTable<T>& t) {
  if (!w) return;
  Fgr* f = Shown();
  if (!f) {
    GreyRow(w);
    return;
  }
  const int n = *t.page + w->number;
  const char* name = t.name(n);
  if (!name) return;
  T value = 0;
  t.val(f, n, value);
  ValPanel_Cut127(OrgPanels.CaptionBuf, t.rowText(value, name));
  int tip = 0, ignorSb = 0, visp = 0, spec = 0;
  t.flags(n, tip, ignorSb, visp, spec);
  ValPanel_Bar(w, OrgPanels.CaptionBuf, nullptr, &ignorSb, &visp);
  if (w->hover) Hint(t, n);
}

}  // namespace

int ValPanel_FgrIntOut(int n) { return n < 1 || n > kIntLast ? 1 : 0; }
int ValPanel_FgrFloOut(int n) { return n < 1 || n > kFloLast ? 1 : 0; }

void ValPanel_FgrIntHdrClick(GuiWin* w) { ValPanel_Page(w, &Hud.ValPage_FgrInt, kIntPageMax); }
void ValPanel_FgrFloHdrClick(GuiWin* w) { ValPanel_Page(w, &Hud.ValPage_FgrFlo, kFloPageMax); }

void ValPanel_FgrIntName(GuiWin* w) { NameBar(w, kFgrInt); }
void ValPanel_FgrFloName(GuiWin* w) { NameBar(w, kFgrFlo); }
void ValPanel_FgrIntText(int n, int value, const char* line2) { ValueText(kFgrInt, n, value, line2); }
void ValPanel_FgrFloText(int n, float value, const char* line2) { ValueText(kFgrFlo, n, value, line2); }
void ValPanel_FgrInt(GuiWin* w) { Cell(w, kFgrInt); }
void ValPanel_FgrFlo(GuiWin* w) { Cell(w, kFgrFlo); }
void ValPanel_FgrIntValClick(GuiWin* w) { CellClick(w, kFgrInt); }
void ValPanel_FgrFloValClick(GuiWin* w) { CellClick(w, kFgrFlo); }
void ValPanel_FgrIntSub(GuiWin* w) { StepDraw(w, kFgrInt, -1); }
void ValPanel_FgrIntAdd(GuiWin* w) { StepDraw(w, kFgrInt, 1); }
void ValPanel_FgrFloSub(GuiWin* w) { StepDraw(w, kFgrFlo, -1); }
void ValPanel_FgrFloAdd(GuiWin* w) { StepDraw(w, kFgrFlo, 1); }
void ValPanel_FgrIntSubClick(GuiWin* w) { StepClick(w, kFgrInt, -1); }
void ValPanel_FgrIntAddClick(GuiWin* w) { StepClick(w, kFgrInt, 1); }
void ValPanel_FgrFloSubClick(GuiWin* w) { StepClick(w, kFgrFlo, -1); }
void ValPanel_FgrFloAddClick(GuiWin* w) { StepClick(w, kFgrFlo, 1); }
void ValPanel_FgrIntRow(GuiWin* w) { PlayRow(w, kFgrInt); }
void ValPanel_FgrFloRow(GuiWin* w) { PlayRow(w, kFgrFlo); }
