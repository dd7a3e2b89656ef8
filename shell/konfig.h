// The settings file: two window sizes offered in a Yes/No question, the look of the text boxes and the
// frame sleep of the text screen, read once by position before the window exists.
#pragma once

#include <string>

extern std::string gsFileKonfig;  // "uni_files/konfig.txt"

extern int KonfigStrip[3];         // strip flag and its two ints
extern float KonfigStripRGB[3];
extern float KonfigTextRGB[3];
extern int KonfigTextFlag;         // colour codes in the text boxes
extern float KonfigColours[3][4];  // box, odd band, even band
extern float KonfigSelRGB[3];
extern int FrameSleepMode1;        // ms slept after each frame of the text screen
extern int KonfigEditFlag;

// The Yes/No question; a seam so that tests answer it (Plat_MessageBox by default).
extern int (*gKonfigAsk)(const char* text, const char* caption, int flags);

void Konfig_Read();
// Back to the built-in defaults (tests).
void Konfig_Defaults();
