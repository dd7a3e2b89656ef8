// Stand-ins for the rendering services that start-up, the frame and shutdown call, until rendering
// lands; each is deleted when its real one is merged.
#pragma once

#include <string>

void Gl_Perspective45(int width, int height);
// Loads no font: an empty set, as a description that lists none. Text is not drawn meanwhile.
int FontSet_Load(const std::string& resDir);
void FontSet_Free();
// Loads no texture: an empty start-up list is valid.
int Tex_LoadPack(const std::string& listFile);
// Frees the pixels and names of every texture slot and sets the table's flag word.
void TexTable_FreeAll();
void Exit_FreeLandTextures();
// The text printer of the key re-binding prompt; prints nothing meanwhile.
struct PendingTextPrinter {
  void frz(const std::string& text, int font, int x, int y, int left, int bottom, int width, int height);
};
extern PendingTextPrinter print1;
// Saves the back buffer as a 24-bit BMP in "screens1" (or where the scripted run asked).
void ScreenShotBmp();
