// The value panels of the named variables and the row pieces the figure-property panels share.
#include "ui/org_panels.h"

#include <GL/gl.h>

#include <cstring>

#include "figures/mode_words.h"
#include "gm/org_base.h"
#include "gui/buttons.h"
#include "gui/gui.h"
#include "gui/hints.h"
#include "gui/text_box.h"
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

int Org2Editable(int n) {
  if (org2_out(n)) return 0;
  int ro = 0;
  org2_ReadOnly(n, ro);
  return !ro;
}

int OrgFEditable(int n) {
  if (orgF_out(n)) return 0;
  int ro = 0;
  orgF_ReadOnly(n, ro);
  return !ro;
}

void Org2StepDraw(GuiWin* w, int sign) {
  const int n = RowVar(w, OrgPanels.ValPage_Org2);
  if (!Org2Editable(n)) return;
  const int step = org2_Adv(n);
  if (!step) return;
  ValPanel_StepFrame(w, &org2n[n], ValueInput.InpEditReq.intTarget,
                     sign < 0 ? StrFmt("%d отнять // org2n[%d]", step, n)
                              : StrFmt("%d прибавить в org2n[%d]", step, n));
}

void OrgFStepDraw(GuiWin* w, int sign) {
  const int n = RowVar(w, OrgPanels.ValPage_OrgF);
  if (!OrgFEditable(n)) return;
  float step = 0;
  if (!orgF_Adv(n, step)) return;
  ValPanel_StepFrame(w, &orgFn[n], ValueInput.InpEditReq.floTarget,
                     sign < 0 ? StrFmt("%f отнять // orgFn[%d]", step, n)
                              : StrFmt("%f прибавить в orgFn[%d]", step, n));
}

void Org2StepClick(GuiWin* w, int sign) {
  if (!w) return;
  w->consumed = 1;
  const int n = RowVar(w, OrgPanels.ValPage_Org2);
  if (!Org2Editable(n) || ValueInput.InpEditReq.intTarget == &org2n[n]) return;
  const int step = org2_Adv(n);
  if (!step) return;
  int a = 0, b = 0;
  const int has = org2_TramVals(n, a, b);
  ValPanel_StepInt(&org2n[n], sign * step, has, a, b);
}

void OrgFStepClick(GuiWin* w, int sign) {
  if (!w) return;
  w->consumed = 1;
  const int n = RowVar(w, OrgPanels.ValPage_OrgF);
  if (!OrgFEditable(n) || ValueInput.InpEditReq.floTarget == &orgFn[n]) return;
  float step = 0;
  if (!orgF_Adv(n, step)) return;
  float a = 0, b = 0;
  const int has = orgF_TramVals(n, a, b);
  ValPanel_StepFlo(&orgFn[n], (float)sign * step, has, a, b);
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
  *page += w->clickCode == 2 ? kRows : -kRows;
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

void ValPanel_CellClickInt(GuiWin* w, int* p, int has, int a, int b) {
  if (ValueInput.InpEditReq.intTarget == p && w->clickCode == 2) {
    ValueInput.InpEditReq.intState = 2;
    return;
  }
  if (has && !(a < b)) return;
  Gui_BindInt(&ValueInput.InpEditReq, p, has ? a : 0, has ? b : 0);
}

void ValPanel_CellClickFlo(GuiWin* w, float* p, int has, float a, float b) {
  if (ValueInput.InpEditReq.floTarget == p && w->clickCode == 2) {
    ValueInput.InpEditReq.floState = 2;
    return;
  }
  if (has && !(a < b)) return;
  Gui_BindFloat(&ValueInput.InpEditReq, p, has ? a : 0, has ? b : 0);
}

void ValPanel_StepInt(int* p, int step, int has, int a, int b) {
  *p += step;
  if (!has) return;
  if (*p < a) *p = a;
  if (*p > b) *p = b;
}

void ValPanel_StepFlo(float* p, float step, int has, float a, float b) {
  *p += step;
  if (!has) return;
  if (*p < a) *p = a;
  if (*p > b) *p = b;
}

void ValPanel_Org2HdrClick(GuiWin* w) { ValPanel_Page(w, &OrgPanels.ValPage_Org2, kOrg2PageMax); }
void ValPanel_OrgFHdrClick(GuiWin* w) { ValPanel_Page(w, &OrgPanels.ValPage_OrgF, kOrgFPageMax); }

void ValPanel_RowClick(GuiWin* w) {
  if (w) w->consumed = 1;
}

void Org2_InfoLine(GuiWin* w) {
  const int n = RowVar(w, OrgPanels.ValPage_Org2);
  if (org2_out(n) || !org2_NameVar(n)) return;
  const char* name = org2_NameVar(n);
  int blok = 0, tip = 0, etap = 0, visp = 0;
  org2_AnFlags(n, blok, tip, etap, visp);
  ValPanel_Bar(w, name, org2_NameClr(n), &etap, &visp);
  if (!w->hover) return;
  const std::string info = StrFmt("org2[%d] name: %s  (Etp %d)", n, name, etap);
  ValPanel_Cut127(OrgPanels.HintTitleBuf, info);
  Gui_HintSet(OrgPanels.HintTitleBuf, org2_Koment1(n), org2_Koment2(n), nullptr);
  // The title coloured as a line of a text box.
  std::string clr;
  TextEd_ColourLine(info, clr);
  ValPanel_Cut127(OrgPanels.HintTitleClrBuf, clr);
  GuiHint.titleClr = OrgPanels.HintTitleClrBuf;
}

void ValPanel_OrgFInfo(GuiWin* w) {
  const int n = RowVar(w, OrgPanels.ValPage_OrgF);
  if (orgF_out(n) || !orgF_NameVar(n)) return;
  const char* name = orgF_NameVar(n);
  int blok = 0, tip = 0, etap = 0, visp = 0;
  orgF_AnFlags(n, blok, tip, etap, visp);
  ValPanel_Bar(w, name, orgF_NameClr(n), &etap, &visp);
  if (!w->hover) return;
  ValPanel_Cut127(OrgPanels.HintTitleBuf, StrFmt("orgF[%d] name: %s  (Etp %d)", n, name, etap));
  Gui_HintSet(OrgPanels.HintTitleBuf, orgF_Koment1(n), orgF_Koment2(n), nullptr);
}

void ValPanel_Org2Text(int n, const char* line2) {
  if (org2_out(n)) return;
  int a = 0, b = 0;
  if (org2_TramVals(n, a, b))
    ValPanel_Cut127(OrgPanels.HintTitleBuf, StrFmt("%d значение // min:%d  max: %d", org2n[n], a, b));
  else ValPanel_Cut127(OrgPanels.HintTitleBuf, StrFmt("%d значение в ячейке %d", org2n[n], n));
  Gui_HintSet(OrgPanels.HintTitleBuf, line2, nullptr, nullptr);
}

void ValPanel_OrgFText(int n, const char* line2) {
  if (orgF_out(n)) return;
  float a = 0, b = 0;
  if (orgF_TramVals(n, a, b))
    ValPanel_Cut127(OrgPanels.HintTitleBuf, StrFmt("%f значение // min:%f  max: %f", orgFn[n], a, b));
  else ValPanel_Cut127(OrgPanels.HintTitleBuf, StrFmt("%f значение в ячейке %d", orgFn[n], n));
  Gui_HintSet(OrgPanels.HintTitleBuf, line2, nullptr, nullptr);
}

void ValPanel_Org2(GuiWin* w) {
  const int n = RowVar(w, OrgPanels.ValPage_Org2);
  if (org2_out(n)) return;
  int ro = 0;
  org2_ReadOnly(n, ro);
  const ValCellLook look = ValPanel_Cell(w, ro, &org2n[n], ValueInput.InpEditReq.intTarget);
  if (look == kValCellEditing) ValPanel_Org2Text(n, kValHintCancel);
  if (look == kValCellFree && w->hover) ValPanel_Org2Text(n, kValHintStart);
  ValPanel_CellText(w, look, StrFmt("%5d", org2n[n]));
}

void ValPanel_OrgF(GuiWin* w) {
  const int n = RowVar(w, OrgPanels.ValPage_OrgF);
  if (orgF_out(n)) return;
  int ro = 0;
  orgF_ReadOnly(n, ro);
  const ValCellLook look = ValPanel_Cell(w, ro, &orgFn[n], ValueInput.InpEditReq.floTarget);
  if (look == kValCellEditing) ValPanel_OrgFText(n, kValHintCancel);
  if (look == kValCellFree && w->hover) ValPanel_OrgFText(n, kValHintStart);
  ValPanel_CellText(w, look, StrFmt("%5f", orgFn[n]));
}

void ValPanel_Org2ValClick(GuiWin* w) {
  if (!w) return;
  w->consumed = 1;
  const int n = RowVar(w, OrgPanels.ValPage_Org2);
  if (!Org2Editable(n)) return;
  int a = 0, b = 0;
  const int has = org2_TramVals(n, a, b);
  ValPanel_CellClickInt(w, &org2n[n], has, a, b);
}

void ValPanel_OrgFValClick(GuiWin* w) {
  if (!w) return;
  w->consumed = 1;
  const int n = RowVar(w, OrgPanels.ValPage_OrgF);
  if (!OrgFEditable(n)) return;
  float a = 0, b = 0;
  const int has = orgF_TramVals(n, a, b);
  ValPanel_CellClickFlo(w, &orgFn[n], has, a, b);
}

void ValPanel_Org2Sub(GuiWin* w) { Org2StepDraw(w, -1); }
void ValPanel_Org2Add(GuiWin* w) { Org2StepDraw(w, 1); }
void ValPanel_OrgFSub(GuiWin* w) { OrgFStepDraw(w, -1); }
void ValPanel_OrgFAdd(GuiWin* w) { OrgFStepDraw(w, 1); }
void ValPanel_Org2SubClick(GuiWin* w) { Org2StepClick(w, -1); }
void ValPanel_Org2AddClick(GuiWin* w) { Org2StepClick(w, 1); }
void ValPanel_OrgFSubClick(GuiWin* w) { OrgFStepClick(w, -1); }
void ValPanel_OrgFAddClick(GuiWin* w) { OrgFStepClick(w, 1); }

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
