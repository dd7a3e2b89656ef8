// Stand-ins (weak) for the file dialogs, until they land: no dialog ever answers a path.
#include "figures/pending_figures_stages.h"

#if !__has_include("shell/dialogs.h")
__attribute__((weak)) char DlgFilePath[256];
__attribute__((weak)) int Dlg_OpenFile() { return 0; }
__attribute__((weak)) int Dlg_SaveFile() { return 0; }
#endif
