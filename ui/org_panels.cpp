// The value panels of the named variables and the row pieces the figure-property panels share.
#include "ui/org_panels.h"

#include <GL/gl.h>

#include <cstring>

#include "figures/mode_words.h"
#include "gm/org_base.h"
#include "gui/buttons.h"
#include "gui/gui.h"
#include "gui/hints.h"
#include "gui/paint_words.h"
#include "gui/value_input.h"
#include "render/font.h"
#include "render/gl2d.h"
#include "render/tex_names.h"
#include "render/texture.h"
#include "shell/msgbase.h"
#include "shell/text.h"
#include "shell/window_state.h"
#include "ui/screens.h"

OrgPanelsRec OrgPanels;

namespace {

constexpr int kRows = 25;
constexpr int kOrg2PageMax = 225;  // the last page shows 226..250
constexpr int kOrgFPageMax = 125;  // 126..150

void Fill(const GuiWin* w, int fill) {
  Gl2D_TexRect((float)w->x, (float)w->y, (float)w->w, (float)w->h, fill, 0, 1);
}

// The variable a row piece stands for: the page plus its row's number; -1 without a row.
int RowVar(const GuiWin* w, int page) { return w && w->parent ? page + w->parent->number : -1; }

// One table of the named variables as its panel reads it: its values and page, the kind of its
// values, its generated accessors and the words its texts name it by.
template <typename T>
struct OrgTable {
  const InpValueKind<T>& kind;
  T* values;  // org2n, orgFn
  int* page;
  const char* table;  // "org2", "orgF": the name bar's hint
  const char* cells;  // "org2n", "orgFn": the step buttons' hints
  bool colourTitle;   // the name bar's hint title is coloured as a line of a text box
  int (*out)(int n);
  void (*readOnly)(int n, int& readOnly);
  int (*range)(int n, T& a, T& b);
  int (*step)(int n, T& step);  // 0: none
  int (*flags)(int n, int& blok, int& tip, int& etap, int& visp);
  char* (*name)(int n);
  char* (*nameClr)(int n);
  char* (*koment1)(int n);
  char* (*koment2)(int n);
};

int Org2Step(int n, int& step) {
  step = org2_Adv(n);
  return step != 0;
}

const OrgTable<int> kOrg2 = {kInpInt,      org2n,         &OrgPanels.ValPage_Org2,
                             "org2",       "org2n",       true,
                             org2_out,     org2_ReadOnly, org2_TramVals,
                             Org2Step,     org2_AnFlags,  org2_NameVar,
                             org2_NameClr, org2_Koment1,  org2_Koment2};
const OrgTable<float> kOrgF = {kInpFlo,      orgFn,         &OrgPanels.ValPage_OrgF,
                               "orgF",       "orgFn",       false,
                               orgF_out,     orgF_ReadOnly, orgF_TramVals,
                               orgF_Adv,     orgF_AnFlags,  orgF_NameVar,
                               orgF_NameClr, orgF_Koment1,  orgF_Koment2};

template <typename T>
int Editable(const OrgTable<T>& t, int n) {
  if (t.out(n)) return 0;
  int ro = 0;
  t.readOnly(n, ro);
  return !ro;
}

template <typename T>
void StepDraw(GuiWin* w, const OrgTable<T>& t, int sign) {
  const int n = RowVar(w, *t.page);
  if (!Editable(t, n)) return;
  T step = 0;
  if (!t.step(n, step)) return;
  ValPanel_StepFrame(w, &t.values[n], InpEditReq_Of(t.kind).target,
                     ValPanel_StepHint(t.kind, sign, step, t.cells, n));
}

template <typename T>
void StepClick(GuiWin* w, const OrgTable<T>& t, int sign) {
  if (!w) return;
  w->consumed = 1;
  const int n = RowVar(w, *t.page);
  if (!Editable(t, n) || InpEditReq_Of(t.kind).target == &t.values[n]) return;
  T step = 0;
  if (!t.step(n, step)) return;
  T a = 0, b = 0;
  const int has = t.range(n, a, b);
  ValPanel_Step(&t.values[n], (T)sign * step, has, a, b);
}

template <typename T>
void InfoLine(GuiWin* w, const OrgTable<T>& t) {
  const int n = RowVar(w, *t.page);
  if (t.out(n) || !t.name(n)) return;
  const char* name = t.name(n);
  int blok = 0, tip = 0, etap = 0, visp = 0;
  t.flags(n, blok, tip, etap, visp);
  ValPanel_Bar(w, name, t.nameClr(n), &etap, &visp);
  if (!w->hover) return;
  const std::string info = StrFmt("%s[%d] name: %s  (Etp %d)", t.table, n, name, etap);
  ValPanel_Cut127(OrgPanels.HintTitleBuf, info);
  Gui_HintSet(OrgPanels.HintTitleBuf, t.koment1(n), t.koment2(n), nullptr);
  if (!t.colourTitle) return;
  std::string clr;
  TextEd_ColourLine(info, clr);
  ValPanel_Cut127(OrgPanels.HintTitleClrBuf, clr);
  GuiHint.titleClr = OrgPanels.HintTitleClrBuf;
}

template <typename T>
void ValueText(const OrgTable<T>& t, int n, const char* line2) {
  if (t.out(n)) return;
  T a = 0, b = 0;
  const int has = t.range(n, a, b);
  ValPanel_ValueHint(t.kind, n, t.values[n], has, a, b, line2);
}

template <typename T>
void Cell(GuiWin* w, const OrgTable<T>& t) {
  const int n = RowVar(w, *t.page);
  if (t.out(n)) return;
  int ro = 0;
  t.readOnly(n, ro);
  const ValCellLook look = ValPanel_Cell(w, ro, &t.values[n], InpEditReq_Of(t.kind).target);
  if (look == kValCellEditing) ValueText(t, n, kValHintCancel);
  if (look == kValCellFree && w->hover) ValueText(t, n, kValHintStart);
  ValPanel_CellText(w, look, t.kind.printCell(t.values[n]));
}

template <typename T>
void CellClick(GuiWin* w, const OrgTable<T>& t) {
  if (!w) return;
  w->consumed = 1;
  const int n = RowVar(w, *t.page);
  if (!Editable(t, n)) return;
  T a = 0, b = 0;
  const int has = t.range(n, a, b);
  ValPanel_CellClick(w, t.kind, &t.values[n], has, a, b);
}

void Print(const char* text, const char* clr, int x, int y) {
  Font_PrintWin(text, 1, (float)x, (float)y, clr);
}

// The special panels of the screen the mode shows: 1 the named variables, 2 the figure properties.
void ShowSpePanels(GuiWin* org, GuiWin* fgr) {
  if (org) org->visible = OrgPanels.SpePanelMode == 1;
  if (fgr) fgr->visible = OrgPanels.SpePanelMode == 2;
}

}  // namespace

void ValPanel_Page(GuiWin* w, int* page, int last) {
  if (!w) return;
  w->consumed = 1;
  *page += w->clickCode == kClickRight ? kRows : -kRows;
  if (*page < 0) *page = 0;
  if (*page > last) *page = last;
}

void ValPanel_StepFrame(GuiWin* w, const void* p, const void* target, const std::string& hint) {
  Gl2D_FrameRect(w);
  if (w->hover && target != p) {
    ValPanel_Cut127(OrgPanels.HintTitleBuf, hint);
    Gui_HintSet(OrgPanels.HintTitleBuf, nullptr, nullptr, nullptr);
  }
}

void ValPanel_Cut127(char* dst, const std::string& text) {
  const size_t n = text.size() < 127 ? text.size() : 127;
  std::memcpy(dst, text.data(), n);
  dst[n] = 0;
}

void ValPanel_Bar(GuiWin* w, const char* text, const char* clr, int* frameFlag, int* visp) {
  if (!w) return;
  const int v = visp ? *visp : 0;
  if (v >= 1) {
    if (v <= 3) Tex_Bind(&TexTable, kTxNamebarBlue + v - 1);  // blue, green, red
    else Tex_Off();
    Gl_BlendMode(kBlendAlpha);
    glColor4f(0.6f, 0.6f, 0.6f, 0.6f);
    Fill(w, 1);
  } else if (clr) {
    Tex_Off();
    Gl_BlendMode(kBlendAlpha);
    glColor4f(1, 1, 1, 0.4f);
    Fill(w, 1);
  }
  if (frameFlag && *frameFlag) {
    Tex_Off();
    Gl_BlendMode(kBlendOff);
    glColor4f(0, 0.5f, 0.7f, 1);
    Gl2D_TexRect((float)(w->x + 2), (float)(w->y + 3), (float)w->w, (float)(w->h - 5), 0, 0, 1);
    Gl2D_TexRect((float)(w->x + 3), (float)(w->y + 3), (float)w->w, (float)(w->h - 6), 0, 0, 1);
  }
  if (!text) return;
  glColor4f(0, 0, 0, 1);
  Print(text, nullptr, w->x + 7, w->y);
  glColor4f(1, 1, 1, 1);
  Print(text, clr, w->x + 6, w->y + 1);
}

ValCellLook ValPanel_Cell(GuiWin* w, int readOnly, const void* p, const void* target) {
  Tex_Off();
  Gl_BlendMode(kBlendAlpha);
  if (readOnly) {
    glColor4f(0.5f, 0.3f, 0.2f, 0.6f);
    Fill(w, 1);
    return kValCellReadOnly;
  }
  glColor4f(0.2f, 0.3f, 0.4f, 0.6f);
  Fill(w, 1);
  if (target == p) {
    // The field may be wider than the cell.
    glDisable(GL_SCISSOR_TEST);
    InputField_Draw(w->x, w->y, 4, w->h, "", "");
    glEnable(GL_SCISSOR_TEST);
    return kValCellEditing;
  }
  if (target) return kValCellGreyed;
  Gl_BlendMode(kBlendOff);
  if (w->hover) glColor4f(1, 1, 0, 1);
  else glColor4f(0.5f, 0.1f, 0, 1);
  Fill(w, 0);
  return kValCellFree;
}

void ValPanel_CellText(GuiWin* w, ValCellLook look, const std::string& text) {
  if (look == kValCellEditing) return;
  if (look == kValCellGreyed) glColor4f(0.6f, 0.6f, 0.7f, 1);
  else glColor4f(1, 1, 1, 1);
  Font_PrintWin(text.c_str(), 1, (float)(w->x + 1), (float)(w->y + 1));
}

template <typename T>
void ValPanel_CellClick(GuiWin* w, const InpValueKind<T>& k, T* p, int has, T a, T b) {
  InpValueReq<T>& edit = InpEditReq_Of(k);
  if (edit.target == p && w->clickCode == kClickRight) {
    edit.state = kInpCancelled;
    return;
  }
  if (has && !(a < b)) return;
  Gui_BindValue(&ValueInput.InpEditReq, k, p, has ? a : T(0), has ? b : T(0));
}
template void ValPanel_CellClick(GuiWin*, const InpValueKind<int>&, int*, int, int, int);
template void ValPanel_CellClick(GuiWin*, const InpValueKind<float>&, float*, int, float, float);

template <typename T>
void ValPanel_Step(T* p, T step, int has, T a, T b) {
  *p += step;
  if (!has) return;
  if (*p < a) *p = a;
  if (*p > b) *p = b;
}
template void ValPanel_Step(int*, int, int, int, int);
template void ValPanel_Step(float*, float, int, float, float);

template <typename T>
void ValPanel_ValueHint(const InpValueKind<T>& k, int n, T value, int has, T a, T b, const char* line2) {
  const std::string v = k.print(value);
  if (has)
    ValPanel_Cut127(OrgPanels.HintTitleBuf, StrFmt("%s значение // min:%s  max: %s", v.c_str(),
                                                   k.print(a).c_str(), k.print(b).c_str()));
  else ValPanel_Cut127(OrgPanels.HintTitleBuf, StrFmt("%s значение в ячейке %d", v.c_str(), n));
  Gui_HintSet(OrgPanels.HintTitleBuf, line2, nullptr, nullptr);
}
template void ValPanel_ValueHint(const InpValueKind<int>&, int, int, int, int, int, const char*);
template void ValPanel_ValueHint(const InpValueKind<float>&, int, float, int, float, float, const char*);

template <typename T>
std::string ValPanel_StepHint(const InpValueKind<T>& k, int sign, T step, const char* cells, int n) {
  const std::string s = k.print(step);
  return sign < 0 ? StrFmt("%s отнять // %s[%d]", s.c_str(), cells, n)
                  : StrFmt("%s прибавить в %s[%d]", s.c_str(), cells, n);
}
template std::string ValPanel_StepHint(const InpValueKind<int>&, int, int, const char*, int);
template std::string ValPanel_StepHint(const InpValueKind<float>&, int, float, const char*, int);

void ValPanel_Org2HdrClick(GuiWin* w) { ValPanel_Page(w, &OrgPanels.ValPage_Org2, kOrg2PageMax); }
void ValPanel_OrgFHdrClick(GuiWin* w) { ValPanel_Page(w, &OrgPanels.ValPage_OrgF, kOrgFPageMax); }

void ValPanel_RowClick(GuiWin* w) {
  if (w) w->consumed = 1;
}

void Org2_InfoLine(GuiWin* w) { InfoLine(w, kOrg2); }
void ValPanel_OrgFInfo(GuiWin* w) { InfoLine(w, kOrgF); }
void ValPanel_Org2Text(int n, const char* line2) { ValueText(kOrg2, n, line2); }
void ValPanel_OrgFText(int n, const char* line2) { ValueText(kOrgF, n, line2); }
void ValPanel_Org2(GuiWin* w) { Cell(w, kOrg2); }
void ValPanel_OrgF(GuiWin* w) { Cell(w, kOrgF); }
void ValPanel_Org2ValClick(GuiWin* w) { CellClick(w, kOrg2); }
void ValPanel_OrgFValClick(GuiWin* w) { CellClick(w, kOrgF); }
void ValPanel_Org2Sub(GuiWin* w) { StepDraw(w, kOrg2, -1); }
void ValPanel_Org2Add(GuiWin* w) { StepDraw(w, kOrg2, 1); }
void ValPanel_OrgFSub(GuiWin* w) { StepDraw(w, kOrgF, -1); }
void ValPanel_OrgFAdd(GuiWin* w) { StepDraw(w, kOrgF, 1); }
void ValPanel_Org2SubClick(GuiWin* w) { StepClick(w, kOrg2, -1); }
void ValPanel_Org2AddClick(GuiWin* w) { StepClick(w, kOrg2, 1); }
void ValPanel_OrgFSubClick(GuiWin* w) { StepClick(w, kOrgF, -1); }
void ValPanel_OrgFAddClick(GuiWin* w) { StepClick(w, kOrgF, 1); }

void PanelCycle_Draw(GuiWin* w) {
  Gui_DrawButton(w, "spe", "Цыкл особых панэлей (нет -> org2 -> fgr props)", 1);
}

void PanelCycle_Click(GuiWin* w) {
  if (!w) return;
  w->consumed = 1;
  OrgPanels.SpePanelMode = OrgPanels.SpePanelMode >= 2 ? 0 : OrgPanels.SpePanelMode + 1;
  if (EditModeOn) ShowSpePanels(Screens.OrgPanel_Edit, Screens.FgrPanel_Edit);
  else ShowSpePanels(Screens.OrgPanel_Play, Screens.FgrPanel_Play);
}

void LangSwitch_Draw(GuiWin* w) {
  if (o2::EngText == 0) Gui_DrawButton(w, "<Eng>", "Set English", 1);
  else Gui_DrawButton(w, "<Rus>", "Включить русский язык", 1);
}

void LangSwitch_Click(GuiWin* w) {
  if (w) o2::EngText = o2::EngText == 0 ? 1 : 0;
}
