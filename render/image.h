// Image codec: TGA decoding into bottom-row-first pixel buffers, 24-bit BMP writing, row flips.
// Buffers handed out are malloc blocks owned by the caller (free()).
#pragma once
#include <cstddef>
#include <cstdint>

// The most an image file may decode to (64 MiB, 64 times the largest image we ship): a small file
// must not make the game take a gigabyte.
constexpr size_t kImgMaxDecodedBytes = (size_t)64 << 20;

// Decodes a TGA image of types 2 and 10, 24 or 32 bits, held whole in data[0..len). Returns
// R,G,B(,A) pixels bottom row first, or null with an error box. Input that ends early, zero
// sizes, sizes the input cannot hold and images above kImgMaxDecodedBytes are refused; nothing past
// data + len is read.
uint8_t* TargaDecode(const uint8_t* data, size_t len, int* width, int* height, int* bits);

// A copy with the rows in reverse order; frees pixels. Returns pixels itself when height <= 1,
// width < 0 or bits not 8/16/24/32.
uint8_t* ImgFlipCopy(uint8_t* pixels, int width, int height, int bits);

// Flips rows in place; nothing for null, height <= 1, width < 0 or bytes per pixel outside 1..4.
void ImgFlipRows(uint8_t* pixels, int width, int height, int bytesPerPixel);

// Writes tight 3-byte pixels as a 24-bit BMP. 1 on success, 0 on failure (with a box naming the
// file, as shownName when given, else path, and the system's reason).
int SaveBmp24(const char* path, int width, int height, const uint8_t* pixels, int rowsReversed,
              int swapRedBlue, const char* shownName = nullptr);
// The box of a picture that could not be saved: "Save BMP24 image: <name> (<reason>)".
void SaveBmp24_FailBox(const char* name, const char* why);
