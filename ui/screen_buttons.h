// The draw and event callbacks that the screens hang on their buttons: the start screen's command
// column and text-window parts, and the top-right strip of every screen.
#pragma once

#include "gui/gui_win.h"

void TextOpenBtn_Draw(GuiWin* w);
void TextSaveBtn_Draw(GuiWin* w);
void TextCopyBtn_Draw(GuiWin* w);
void TextPasteBtn_Draw(GuiWin* w);
void AuthorsBtn_Draw(GuiWin* w);
void PlayTestBtn_Draw(GuiWin* w);
void EditorBtn_Draw(GuiWin* w);
void EscBtn_Draw(GuiWin* w);
void EscBtn_Click(GuiWin* w);

// Buttons no screen places: their draws, and the return button's event (back to play).
void ReturnBtn_Draw(GuiWin* w);
void ReturnBtn_Click(GuiWin* w);
void MutagenBtn_Draw(GuiWin* w);
void MenuItemBtn_Draw(GuiWin* w);
void MenuItemOffBtn_Draw(GuiWin* w);
void KGenOrgBtn_Draw(GuiWin* w);
void KGenFgrBtn_Draw(GuiWin* w);
void KGenResBtn_Draw(GuiWin* w);
// The four toggles of a text test; the copy toggle speaks English while o2::EngText is set.
void TextTestCopy_Draw(GuiWin* w);
void TextTestPaste_Draw(GuiWin* w);
void TextTestOpen_Draw(GuiWin* w);
void TextTestSave_Draw(GuiWin* w);

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
