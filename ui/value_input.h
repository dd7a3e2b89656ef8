// The one-line value input: the keys and characters the window procedure offers it first.
#pragma once

int InpLine_SpecialCharOk(unsigned char key);
int TextInput_Char(unsigned char c);
int TextInput_SpecialKey(unsigned char key);
