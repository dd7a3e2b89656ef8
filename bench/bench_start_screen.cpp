// One frame of the start screen, headless at 800 x 600 with the shipped data: its widget tree, the
// two text boxes and the colouring of the focused one, drawn by Mesa's software renderer. The
// focused (upper) box holds the shipped "_about_.txt", or one row of 100,000 letters, or one row
// of 10,000 coloured words; the caret stands at the end of its first row. A long row must cost
// what the box shows of it, so the long cases stay close to the shipped one.
#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "app/start_frame.h"
#include "app/startup.h"
#include "app/window.h"
#include "figures/org_files.h"
#include "gui/text_box.h"
#include "platform/platform.h"
#include "shell/file_names.h"
#include "shell/konfig.h"
#include "shell/log.h"
#include "shell/window_state.h"
#include "ui/screens.h"

namespace {

namespace fs = std::filesystem;

enum StartText { kShipped, kLongRow, kColouredWords };

bool gReady = false;

int AnswerNo(const char*, const char*, int) { return IDNO; }

// The start-up of the game up to its first frame, in a copy of the shipped data.
bool Setup() {
  if (gReady) return true;
  const fs::path src = TOLV_SOURCE_DIR, dir = fs::path(TOLV_BENCH_DIR) / "start_screen_data";
  std::error_code ec;
  fs::remove_all(dir, ec);
  fs::create_directories(dir);
  fs::copy(src / "uni_files", dir / "uni_files", fs::copy_options::recursive);
  fs::copy_file(src / "_about_.txt", dir / "_about_.txt");
  if (chdir(dir.c_str()) != 0) return false;
  Konfig.gKonfigAsk = AnswerNo;
  Org_LoadAtStart();
  Konfig_Read();
  if (Plat_HeadlessContext(Win.WinWidth, Win.WinHeight) != 1 || !InitGL()) return false;
  Game_InitAtStart();
  gReady = Screens.TextBox1 && GuiList_HasData(Screens.TextBox1);
  return gReady;
}

void FillBox(StartText text) {
  GuiList* list = GuiList_Of(Screens.TextBox1);
  if (text == kShipped) {
    GuiList_LoadTxt2(list, "_about_.txt", 0);
  } else {
    std::string row;
    if (text == kLongRow) row.assign(100000, 'a');
    static const char* kWords[] = {"return ", "int ", "float ", "LogInfo ", "if "};
    for (int i = 0; text == kColouredWords && i < 10000; i++) row += kWords[i % 5];
    list->rows.assign(1, {row, std::string()});
  }
  TextBoxes.TextBoxFocused = Screens.TextBox1;
  Screens.TextBox1->firstRow = Screens.TextBox1->cursorRow = 0;
  Screens.TextBox1->caretCol = GuiList_RowLen(Screens.TextBox1, 0);
  Screens.TextBox1->textBoxFlag = 1;  // the first frame colours the rows, as after an open
  Mode1_Frame(1);
  glFinish();
}

void BM_StartScreenFrame(benchmark::State& state) {
  if (!Setup()) return state.SkipWithError("no GL context or shipped data");
  FillBox((StartText)state.range(0));
  for (auto _ : state) {
    Mode1_Frame(1);
    glFinish();
  }
  state.counters["chars"] = GuiList_RowLen(Screens.TextBox1, 0);
}
BENCHMARK(BM_StartScreenFrame)
    ->ArgName("text")
    ->Arg(kShipped)
    ->Arg(kLongRow)
    ->Arg(kColouredWords)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace
