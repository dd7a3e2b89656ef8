// Speed of the image codec and the text measures: start-up decodes every font atlas and texture.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "render/font.h"
#include "render/image.h"

static std::vector<uint8_t> ReadShipped(const char* name) {
  std::vector<uint8_t> v;
  FILE* f = fopen((std::string(TOLV_SOURCE_DIR "/uni_files/res/") + name).c_str(), "rb");
  if (!f) return v;
  int c;
  while ((c = fgetc(f)) != EOF) v.push_back((uint8_t)c);
  fclose(f);
  return v;
}

// A 512 x 512 run-length font atlas (the largest shipped image).
static void BM_TargaDecodeRleAtlas(benchmark::State& state) {
  std::vector<uint8_t> file = ReadShipped("font_sansb26.tga");
  for (auto _ : state) {
    int w, h, b;
    uint8_t* px = TargaDecode(file.data(), file.size(), &w, &h, &b);
    benchmark::DoNotOptimize(px);
    free(px);
  }
  state.SetBytesProcessed(state.iterations() * 512 * 512 * 4);
}
BENCHMARK(BM_TargaDecodeRleAtlas);

// A plain 256 x 256 24-bit picture.
static void BM_TargaDecodePlain(benchmark::State& state) {
  std::vector<uint8_t> file = ReadShipped("tx_map_picture.tga");
  for (auto _ : state) {
    int w, h, b;
    uint8_t* px = TargaDecode(file.data(), file.size(), &w, &h, &b);
    benchmark::DoNotOptimize(px);
    free(px);
  }
  state.SetBytesProcessed(state.iterations() * 256 * 256 * 3);
}
BENCHMARK(BM_TargaDecodePlain);

// The text boxes measure every visible row every frame.
static void BM_FontTextWidth(benchmark::State& state) {
  static FontSetRec set;
  for (int c = 0; c < 256; c++) set.fonts[1].glyphs[c].advance = 5 + c % 4;
  const char* row = "The quick brown fox jumps over the lazy dog 0123456789 and then some more";
  for (auto _ : state) benchmark::DoNotOptimize(Font_TextWidth(&set, 1, row, 0, -1));
}
BENCHMARK(BM_FontTextWidth);
