// Text boxes: the focused box.
#include "ui/text_box.h"

GuiWin* TextBoxFocused = nullptr;
