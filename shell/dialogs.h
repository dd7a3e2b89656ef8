// Wrappers round the file and colour dialogs (one shared file-name buffer; the start directory is made
// current again after each) and the window accessors.
#pragma once

#include <cstdint>

struct t_Dlg {
  char StartDir[256];     // the current directory at start-up: the directory stack's base
  char DlgFilePath[256];  // the last chosen path
  unsigned DlgCustomColours[16];
  unsigned DlgLastColour;
};
extern t_Dlg Dlg;
// The interface's name for the dialogs' path buffer (the text boxes take their file name from it).
inline char (&DlgPathBuf)[256] = Dlg.DlgFilePath;

int Dlg_OpenFile();
int Dlg_SaveFile();
int Dlg_ChooseColor(float* red, float* green, float* blue, int slot);
intptr_t Window_Hwnd();
int ScreenW();
int ScreenH();
