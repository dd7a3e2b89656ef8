// One 2D frame of 1,600 flat rectangles, each in a colour of its own (as a value panel or a grid of
// buttons draws them), headless at 800 x 600, up to glFinish. Mesa's software renderer keeps what
// a frame's draws need until the frame is drawn; held_MiB is how much more memory is taken in the
// middle of the frame (after the draws, before glFinish) than before it.
#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <malloc.h>

#include "platform/platform.h"
#include "render/gl2d.h"

namespace {

constexpr int kW = 800, kH = 600, kSide = 40;  // 40 x 40 rectangles of 20 x 15 pixels

void BM_ColouredRects(benchmark::State& state) {
  if (Plat_HeadlessContext(kW, kH) != 1) {
    state.SkipWithError("no headless context");
    return;
  }
  double held = 0;
  for (auto _ : state) {
    glClear(GL_COLOR_BUFFER_BIT);
    Gl2D_Begin(0, kW, 0, kH);
    const size_t before = mallinfo2().uordblks + mallinfo2().hblkhd;
    for (int i = 0; i < kSide * kSide; i++) {
      const uint32_t argb = 0xFF000000u | (uint32_t)(i * 2654435761u >> 8);
      Gl2D_FillRectArgb((float)(i % kSide * 20), (float)(i / kSide * 15), 19, 14, argb);
    }
    held = (double)(mallinfo2().uordblks + mallinfo2().hblkhd - before) / (1 << 20);
    Gl2D_End();
    glFinish();
  }
  state.counters["held_MiB"] = held;
  Plat_HeadlessContextFree();
}
BENCHMARK(BM_ColouredRects)->Unit(benchmark::kMillisecond);

}  // namespace
