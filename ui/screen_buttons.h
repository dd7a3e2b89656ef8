// The draw and event callbacks that the screens hang on their buttons: the start screen's command
// column and text-window parts, and the top-right strip of every screen.
#pragma once

#include "shell/gui_win.h"

extern GuiWin* ScrollBarDrag;  // the text-window scroll bar being dragged; the start frame clears it

void TextOpenBtn_Draw(GuiWin* w);
void TextSaveBtn_Draw(GuiWin* w);
void TextCopyBtn_Draw(GuiWin* w);
void TextPasteBtn_Draw(GuiWin* w);
void AuthorsBtn_Draw(GuiWin* w);
void PlayTestBtn_Draw(GuiWin* w);
void EditorBtn_Draw(GuiWin* w);
void EscBtn_Draw(GuiWin* w);
void EscBtn_Click(GuiWin* w);

void TextWinHome_Draw(GuiWin* w);
void TextWinHome_Click(GuiWin* w);
void TextWinEnd_Draw(GuiWin* w);
void TextWinEnd_Click(GuiWin* w);
void TextWinScroll_Draw(GuiWin* w);
void TextWinScroll_Click(GuiWin* w);
void TextWinFileLine_Draw(GuiWin* w);
void TextWinSpecLine_Draw(GuiWin* w);

void TopStrip_Draw(GuiWin* w);
void CloseBtn_Draw(GuiWin* w);
void CloseBtn_Click(GuiWin* w);
void HideBtn_Draw(GuiWin* w);
void HideBtn_Click(GuiWin* w);
