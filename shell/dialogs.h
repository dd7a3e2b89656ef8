// Wrappers round the file and colour dialogs (one shared file-name buffer; the start directory is made
// current again after each) and the window accessors.
#pragma once

#include <cstdint>

extern char StartDir[256];         // the current directory at start-up: the directory stack's base
extern char DlgFilePath[256];      // the last chosen path
extern char (&DlgPathBuf)[256];    // the interface's name for it
extern unsigned DlgCustomColours[16];
extern unsigned DlgLastColour;

int Dlg_OpenFile();
int Dlg_SaveFile();
int Dlg_ChooseColor(float* red, float* green, float* blue, int slot);
intptr_t Window_Hwnd();
int ScreenW();
int ScreenH();
