// File and colour dialogs over the platform's (one shared path buffer, the start folder made current
// again after each) and the window accessors.
#include "shell/dialogs.h"

#include <cstring>

#include "platform/platform.h"
#include "shell/files.h"
#include "shell/log.h"
#include "shell/window_state.h"

t_Dlg Dlg;

namespace {

int FileDialog(int save) {
  char buf[256];
  std::memcpy(buf, Dlg.DlgFilePath, sizeof(buf));
  buf[255] = 0;
  int chosen = save ? Plat_SaveFileDialog(buf, sizeof(buf), "Any type")
                    : Plat_OpenFileDialog(buf, sizeof(buf), "Any file");
  if (chosen) {
    std::memset(Dlg.DlgFilePath, 0, sizeof(Dlg.DlgFilePath));
    std::memcpy(Dlg.DlgFilePath, buf, std::strlen(buf));
  }
  // The dialog may have moved the current directory while browsing. The start directory is the
  // directory stack's base.
  if (Dlg.StartDir[0] && !DirStack_GoBase(&Files.Dirs)) LogInfo("\ncannot return to %s", Dlg.StartDir);
  return chosen ? 1 : 0;
}

float Clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

}  // namespace

int Dlg_OpenFile() { return FileDialog(0); }
int Dlg_SaveFile() { return FileDialog(1); }

int Dlg_ChooseColor(float* red, float* green, float* blue, int slot) {
  unsigned colour = Dlg.DlgLastColour;
  if (slot >= 1) {
    *red = Clamp01(*red);
    *green = Clamp01(*green);
    *blue = Clamp01(*blue);
    colour = ((unsigned)(int)(*red * 255) & 0xFF) | (((unsigned)(int)(*green * 255) & 0xFF) << 8) |
             (((unsigned)(int)(*blue * 255) & 0xFF) << 16);
    Dlg.DlgLastColour = colour;
    if (slot >= 10 && slot <= 25) Dlg.DlgCustomColours[slot - 10] = colour;
  }
  if (!Plat_ChooseColor(&colour, Dlg.DlgCustomColours)) return 0;
  Dlg.DlgLastColour = colour;
  *red = (float)(colour & 0xFF) / 255.0f;
  *green = (float)((colour >> 8) & 0xFF) / 255.0f;
  *blue = (float)((colour >> 16) & 0xFF) / 255.0f;
  return 1;
}

intptr_t Window_Hwnd() { return Win.WinHwnd; }
int ScreenW() { return Win.WinWidth; }
int ScreenH() { return Win.WinHeight; }
