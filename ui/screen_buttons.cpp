// Button callbacks of the screens: the start screen's command column, the parts of its text
// windows, and the top-right strip of every screen.
#include "ui/screen_buttons.h"

#include <GL/gl.h>

#include "gm/org_base.h"
#include "gui/buttons.h"
#include "gui/gui_list.h"
#include "gui/hints.h"
#include "gui/text_box.h"
#include "platform/platform.h"
#include "render/font.h"
#include "render/gl2d.h"
#include "render/tex_names.h"
#include "render/texture.h"
#include "shell/window_state.h"
#include "ui/program_mode.h"
#include "ui/screens.h"

// The text windows' frame, and the text boxes' outline.
constexpr float TextWinFrame_Color[4] = {0.4f, 0.35f, 0.2f, 0.8f};

namespace {

void Fill(float x, float y, float w, float h) { Gl2D_TexRect(x, y, w, h, 1, 0, 1); }

void Print(const char* text, int font, int x, int y) { Font_PrintWin(text, font, (float)x, (float)y); }

// The frame of a line under a text window, with its inner colour.
void LineFrame(GuiWin* w, float r, float g, float b) {
  Tex_Off();
  Gl_BlendMode(kBlendAlpha);
  glColor4fv(TextWinFrame_Color);
  Fill((float)w->x, (float)w->y, (float)w->w, (float)w->h);
  glColor4f(r, g, b, 1);
  Fill((float)(w->x + 4), (float)(w->y + 2), (float)(w->w - 8), (float)(w->h - 4));
}

void HoverOnly(GuiWin* w, const char* l1, const char* l2) {
  if (!w || !w->hover) return;
  const int rect[4] = {w->x, w->y, w->w, w->h};
  Gui_HoverFrame(rect);
  Gui_HintSet(l1, l2, "test3", "test4");
}

}  // namespace

void TextOpenBtn_Draw(GuiWin* w) {
  Gui_DrawButton(w, "Открыть", "Достать файл и разместить текст в окне", 1);
}
void TextSaveBtn_Draw(GuiWin* w) { Gui_DrawButton(w, "Сохранить", "Сохранить весь текст в файл", 1); }
void TextCopyBtn_Draw(GuiWin* w) {
  Gui_DrawButton(w, "Копирка", "Копировать выделеный текст в карман", 1);
}

void TextPasteBtn_Draw(GuiWin* w) {
  if (!w) return;
  if (Plat_ClipboardHasText()) Gui_DrawButton(w, "Вставить", "Вставить текст из кармана", 1);
  else Gui_DrawButton(w, "Карман", "Сначала нужно скопировать в карман", 1);
}

void AuthorsBtn_Draw(GuiWin* w) {
  Gui_DrawButton(w, "Авторы", "Это бесплатная програма - никаких гарантий ))", 1);
}
void PlayTestBtn_Draw(GuiWin* w) {
  Gui_DrawButton(w, "PlayTest", "Загрузить и играть (... Maps/test.etp)", 1);
}
void EditorBtn_Draw(GuiWin* w) {
  Gui_DrawButton(w, "Editor", "Переключить в режым редактора этапов", 1);
}
void EscBtn_Draw(GuiWin* w) { Gui_DrawButton(w, "Esc", "Переход в обше-меню из игры и обратно", 1); }

void EscBtn_Click(GuiWin* w) {
  if (!w) return;
  w->consumed = 1;
  o2::GamePause = 1;
  SetProgramMode(kModeStart);
}

void ReturnBtn_Draw(GuiWin* w) { Gui_DrawButton(w, "<Возврат>", "Если нужно перейти в цыкл игры", 1); }

void ReturnBtn_Click(GuiWin* w) {
  if (!w) return;
  w->consumed = 1;
  SetProgramMode(kModePlay);
}

void MutagenBtn_Draw(GuiWin* w) {
  Gui_DrawButton(w, "Mutagen", "Считать карту и сгенерить фигуры (файл km)", 1);
}
void MenuItemBtn_Draw(GuiWin* w) { Gui_DrawButton(w, "<--->", "пункт глав меню", 4); }
void MenuItemOffBtn_Draw(GuiWin* w) { Gui_DrawButton(w, "< ??? >", "(не работает) пункт глав меню", 1); }
void KGenOrgBtn_Draw(GuiWin* w) {
  Gui_DrawButton(w, "KGen org2", "стереть и создать новый  gm/org_base_a.h", 1);
}

void KGenFgrBtn_Draw(GuiWin* w) {
  Gui_DrawButton(w, "KGen FGR pr", "пере-создать <врезки свойств фигуры>[fa _pre _in _proc]", 1);
}

void KGenResBtn_Draw(GuiWin* w) {
  Gui_DrawButton(w, "KGen gen RES", "стереть-создать часть рутины Ресурсов [res_a.h]", 1);
}

void TextTestCopy_Draw(GuiWin* w) {
  if (o2::EngText) Gui_DrawToggle(w, "copy", "test of copying in to clipboard (karet line)");
  else Gui_DrawToggle(w, "копи", "тест копиры в карман обмена (строка каретки)");
}

void TextTestPaste_Draw(GuiWin* w) { Gui_DrawToggle(w, "paste", "тест копиры из кармана обмена"); }
void TextTestOpen_Draw(GuiWin* w) { Gui_DrawToggle(w, "open", "Загрузить текст"); }
void TextTestSave_Draw(GuiWin* w) { Gui_DrawToggle(w, "save", "сохранить текст"); }

void TextWinHome_Draw(GuiWin* w) {
  Gui_DrawButton(w, "<", "(к началу) Левый клик строку., Правый страничку", 1);
}
void TextWinEnd_Draw(GuiWin* w) {
  Gui_DrawButton(w, ">", "(в конец) Левый клик строку., Правый страничку", 1);
}

void TextWinHome_Click(GuiWin* w) {
  if (!w) return;
  GuiList_ScrollUp(w->parent, w->clickCode == kClickRight ? 0 : 1);
}

void TextWinEnd_Click(GuiWin* w) {
  if (!w) return;
  GuiList_ScrollDown(w->parent, w->clickCode == kClickRight ? 0 : 1);
}

void TextWinScroll_Draw(GuiWin* w) {
  if (!w || !GuiList_HasData(w->parent)) return;
  if (w->hover)
    Gui_HintSet("Правый клик ставить и таскать офсет текста в окне", nullptr, nullptr, nullptr);
  const GuiWin* box = w->parent;
  const int n = GuiList_Count(box);
  const float f = (float)box->firstRow, v = (float)box->visibleRows, h = (float)w->h, bw = (float)w->w;
  float p = n - 1 != 0 ? f / (float)(n - 1) * h : 0.0f;
  if (p < 1) p = 1;
  float len = n != 0 ? v / (float)n * h : 0.0f;
  if (len < bw) len = bw;
  if (len > h) len = h - 2;
  float offset = h - (p + len);
  if (offset < 0) offset = 0;
  Tex_Off();
  Gl_BlendMode(kBlendAlpha);
  glColor4fv(TextWinFrame_Color);
  Fill((float)w->x, (float)w->y, bw, h);
  glColor4f(0.5f, 0.8f, 0.9f, 1);
  Fill((float)(w->x + 2), (float)w->y + offset, bw - 4, len);
}

void TextWinScroll_Click(GuiWin* w) {
  if (!w || !GuiList_HasData(w->parent)) return;
  if (Gui_ClickIsRepeat(w->clickCode) && !Screens.ScrollBarDrag) Screens.ScrollBarDrag = w;
}

void TextWinFileLine_Draw(GuiWin* w) {
  if (!w) return;
  LineFrame(w, 0, 0.3f, 0.8f);
  const char* name = w->number == 1   ? TextBoxes.TextBox1Name
                     : w->number == 2 ? TextBoxes.TextBox2Name
                                      : nullptr;
  if (!name) return;
  glColor4f(0.5f, 0.5f, 0.4f, 1);
  Print(name, 3, w->x + 9, w->y + 2);
  glColor4f(0.9f, 0.8f, 0.7f, 1);
  Print(name, 3, w->x + 8, w->y + 3);
}

void TextWinSpecLine_Draw(GuiWin* w) {
  if (!w) return;
  LineFrame(w, 0.4f, 0.5f, 0.7f);
  // A file of this box that did not open or save is said here until the next one does.
  const char* status = TextBox_FileStatus(w->number);
  if (status[0]) {
    glColor4f(1, 0.8f, 0.3f, 1);
    Print(status, 2, w->x + 15, w->y + 4);
    return;
  }
  glColor4f(0.9f, 0.9f, 0.9f, 1);
  Print("особая линия (например печать имени процедуры где каретка)", 2, w->x + 15, w->y + 4);
}

void TopStrip_Draw(GuiWin* w) {
  if (!w) return;
  Gl_BlendMode(kBlendOff);
  Tex_Bind(&TexTable, kTxTopStrip);
  glColor4f(0.6f, 0.5f, 0.5f, 1);
  Fill((float)w->x, (float)w->y, (float)w->w, (float)w->h);
  Tex_Off();
}

void CloseBtn_Draw(GuiWin* w) { HoverOnly(w, "Закрыть програму", "Close"); }
void HideBtn_Draw(GuiWin* w) { HoverOnly(w, "Свернуть програму", "Hide"); }

void CloseBtn_Click(GuiWin* w) {
  if (!w) return;
  w->consumed = 1;
  o2::NeedExit = 1;
}

void HideBtn_Click(GuiWin* w) {
  if (!w) return;
  w->consumed = 1;
  Plat_MinimiseWindow();
  o2::anFocusFlag = 0;
}
