// The settings file: two window sizes offered in a Yes/No question, the look of the text boxes and the
// frame sleep of the text screen, read once by position before the window exists.
#pragma once

#include <string>

struct t_Konfig {
  std::string gsFileKonfig = "uni_files/konfig.txt";
  int KonfigStrip[3] = {0, 0, 0};  // strip flag and its two ints
  float KonfigStripRGB[3] = {0, 0, 0};
  float KonfigTextRGB[3] = {0, 0, 0};
  int KonfigTextFlag = 1;  // colour codes in the text boxes
  float KonfigColours[3][4] = {{1, 1, 1, 1}, {1, 1, 1, 1}, {1, 1, 1, 1}};  // box, odd band, even band
  float KonfigSelRGB[3] = {0.3f, 0.5f, 0.8f};
  int FrameSleepMode1 = 10;  // ms slept after each frame of the text screen
  int KonfigEditFlag = 0;
  // The Yes/No question; a seam so that tests answer it (Plat_MessageBox by default).
  int (*gKonfigAsk)(const char* text, const char* caption, int flags) = nullptr;
};
extern t_Konfig Konfig;

void Konfig_Read();
// Back to the built-in defaults (tests).
void Konfig_Defaults();
