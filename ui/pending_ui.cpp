// Stand-ins for the interface services not built yet: each body is empty (or answers "not taken")
// and is deleted when its real one lands. Grouped by the header that declares it.
#include "ui/buttons.h"
#include "ui/editor_frame.h"
#include "ui/gui.h"
#include "ui/hints.h"
#include "ui/screens.h"
#include "ui/text_box.h"
#include "ui/value_input.h"

// --- ui/gui.h
void Gui_InitRoot(int, int) {}
void Gui_DestroyTree() {}
void Gui_DrawAll() {}

// --- ui/hints.h
void Gui_HintDraw(const int*) {}
const int* Gui_HintStripRect(int) { return nullptr; }

// --- ui/buttons.h
void ScreenShotKey() {}

// --- ui/editor_frame.h
void Field_DrawMarkers() {}
void FieldRect_ScrollInput() {}

// --- ui/value_input.h
int InpLine_SpecialCharOk(unsigned char) { return 0; }
int TextInput_Char(unsigned char) { return 0; }
int TextInput_SpecialKey(unsigned char) { return 0; }

// --- ui/text_box.h
int textEditStream(GuiWin*, int, int) { return 0; }

// --- ui/screens.h
void Gui_BuildAtStart() {}
