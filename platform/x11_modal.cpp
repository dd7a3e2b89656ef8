// Modal boxes of the x11 backend: message box, Yes/No question, file dialogs, colour chooser.
#include "platform/x11_internal.h"

int X11_MessageBox(const char* text, const char* caption, int flags) { return (flags & 0xF) == MB_YESNO ? IDNO : IDOK; }
int X11_FileDialog(char* path, int cap, const char* title, int save) { return 0; }
int X11_ChooseColor(unsigned* colour, unsigned custom[16]) { return 0; }
