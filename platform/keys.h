// Virtual-key codes from X keysyms and from the names a script uses. Pure tables, no Xlib here:
// keysyms are the protocol's numbers.
#pragma once

// The virtual-key code of a keysym read from the first layout group, level 0; 0 when the key has
// none (a Cyrillic letter: the key's Latin group or its place decides then, Vk_FromKeyPlace).
// *sided receives the left/right code of Shift, Ctrl and Alt (VK_LSHIFT ...) and otherwise the
// same code as the answer.
int Vk_FromKeysym(unsigned long keysym, int* sided);

// The virtual-key code of a key by its place on the keyboard (its four-character XKB key name, such
// as "AC01" for the key of A on a US keyboard): the letters, digits and punctuation keys of the
// main block, as the desktop gives them under any layout; 0 for other places.
int Vk_FromKeyPlace(const char* name4);

// A keypad keysym that changes meaning with Num Lock (KP_Home .. KP_Delete).
bool Vk_IsKeypadNav(unsigned long keysym);

// The Unicode code point a keysym types by itself (used when the input method gives nothing), 0
// for none.
unsigned Vk_KeysymToUnicode(unsigned long keysym);

// A key by name as scripts write it ("A", "7", "F5", "Esc", "Enter", "Left", "PgUp", ...),
// case-insensitive; 0 when unknown. A key's code is a number, which the script reads itself.
int Vk_FromName(const char* name);
