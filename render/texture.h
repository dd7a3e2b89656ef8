// The texture table: 501 numbered slots, each an image in memory and its GL texture; the
// start-up list loader, the raw image format and the mipmap level files.
#pragma once
#include <cstdint>
#include <string>

#include "figures/tex_slot.h"

constexpr int kTexSlots = 501;  // slots 0..500

struct TexTableRec {
  int32_t count;  // 1 when empty; after Tex_LoadPack the last slot read plus one
  TexSlot slots[kTexSlots];
  std::string TexCurName;  // file of the entry being loaded; level files derive from it
};

extern TexTableRec TexTable;

// Slot operations.
void Tex_Bind(TexTableRec* table, int n);  // n outside 0..500 does nothing
void Tex_On(TexSlot* slot);
void Tex_Off();
void Tex_Delete(TexSlot* slot);
void Tex_FreePixels(TexSlot* slot);
uint8_t* Tex_Alloc(TexSlot* slot, int width, int height, int bits);
// Pixel at column x, row y from the top; nothing written outside the image.
void Tex_Pixel(const TexSlot* slot, int x, int y, uint8_t* r, uint8_t* g, uint8_t* b, uint8_t* a);
int Tex_NoMipmaps(const TexSlot* slot);
int Img_DrawPixels(const TexSlot* slot, int x, int y, int bgr);

// Texture making.
int Tex_Create(TexSlot* slot, int mipMode, int freePixels);
int Tex_FromMem(TexTableRec* table, int n, uint8_t* pixels, int width, int height, int formatCode,
                int mipMode);
int Tex_LoadFile(TexSlot* slot, const char* fileName);
int Tex_LoadNamed(TexTableRec* table, int n, const char* fileName, int mipMode);
int Tex_LoadPack(TexTableRec* table, const char* listName);
// A raw image file (three little-endian words, width, height, bytes a pixel, then the rows) written
// whole or not at all, as the saves write (FileWriteWhole); with flip the rows go bottom up, and the
// caller's pixels are flipped in place once the file is written. Nothing for bytes a pixel outside 1..4.
void Img_WriteRaw(const char* fileName, uint8_t* pixels, int width, int height, int bytesPerPixel,
                  int flip);

// Upload steps of Tex_Create.
void Tex_ParamLinear();
int Tex_Mipmaps2DRgb(TexSlot* slot);
int Tex_Mipmaps2DRgba(TexSlot* slot);
void Tex_Image2DRgb(TexSlot* slot, const uint8_t* pixels, int* width, int* height, int firstLevel);
void Tex_Image2DRgba(TexSlot* slot, const uint8_t* pixels, int* width, int* height, int firstLevel);
uint8_t* Tex_LoadTga(TexSlot* slot, int level, int* width, int* height, int* bits);
int Tex_UploadRgbMips(TexSlot* slot, int mode);
int Tex_UploadRgbaMips(TexSlot* slot, int mode);

// Frees every slot's pixels and texture and empties the table (count 1).
void TexTable_Free(TexTableRec* table);

// Texture coordinates of cell (col, row) of an ncols x nrows atlas, counted from 1: four (u, v)
// pairs into out[8]. The first argument is not used. Null for null out or counts below 1.
float* TexCoord_AtlasCell(const void* unused, float* out, int col, int ncols, int row, int nrows,
                          int mirror);
