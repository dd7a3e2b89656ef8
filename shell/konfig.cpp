// The settings file: read by position, a failed value keeps its default and ends the reading.
#include "shell/konfig.h"

#include <algorithm>
#include <fstream>

#include "platform/platform.h"
#include "shell/files.h"
#include "shell/text.h"
#include "shell/window_state.h"

t_Konfig Konfig = {.gKonfigAsk = Plat_MessageBox};

namespace {

constexpr int kKonfigStripMax = 4000;  // the widest window the settings may ask for

// Each value goes into a temporary and is stored only when it was read; then the line ends.
template <typename T>
void ReadLine(std::istream& in, T* dst, int n) {
  for (int i = 0; i < n; i++) {
    T t;
    if (in >> t) dst[i] = t;
  }
  SkipLine(in);
}

}  // namespace

void Konfig_Defaults() {
  for (int i = 0; i < 3; i++) {
    Konfig.KonfigStrip[i] = 0;
    Konfig.KonfigStripRGB[i] = 0;
    Konfig.KonfigTextRGB[i] = 0;
    for (int c = 0; c < 4; c++) Konfig.KonfigColours[i][c] = 1;
  }
  Konfig.KonfigTextFlag = 1;
  Konfig.KonfigSelRGB[0] = 0.3f;
  Konfig.KonfigSelRGB[1] = 0.5f;
  Konfig.KonfigSelRGB[2] = 0.8f;
  Konfig.FrameSleepMode1 = 10;
  Konfig.KonfigEditFlag = 0;
}

void Konfig_Read() {
  std::ifstream in;
  if (!FileOpenIn(in, Konfig.gsFileKonfig)) return;
  std::string title;
  TextGetLine(in, title);

  int yes[2] = {0, 0}, no[2] = {0, 0};
  ReadLine(in, yes, 2);
  ReadLine(in, no, 2);
  ReadLine(in, Konfig.KonfigStrip, 3);
  // The strip's offsets are added to window positions when a text box draws: an offset beyond
  // the largest window would be drawn nowhere, and one near the integer limit would overflow.
  for (int i = 1; i < 3; i++)
    Konfig.KonfigStrip[i] = std::clamp(Konfig.KonfigStrip[i], -kKonfigStripMax, kKonfigStripMax);
  ReadLine(in, Konfig.KonfigStripRGB, 3);
  ReadLine(in, Konfig.KonfigTextRGB, 3);
  ReadLine(in, &Konfig.KonfigTextFlag, 1);
  for (int i = 0; i < 3; i++) ReadLine(in, Konfig.KonfigColours[i], 4);
  ReadLine(in, Konfig.KonfigSelRGB, 3);
  ReadLine(in, &Konfig.FrameSleepMode1, 1);
  ReadLine(in, &Konfig.KonfigEditFlag, 1);
  in.close();

  std::string q = StrFmt("Yes (Да): %d x %d\nNo (Нет): %d x %d", yes[0], yes[1], no[0], no[1]);
  int answer = Konfig.gKonfigAsk(q.c_str(), "WindowSize(Размер окна)", MB_YESNO);
  const int* size = answer == IDYES ? yes : no;
  if (size[0] >= 300 && size[0] <= 4000 && size[1] >= 200 && size[1] <= 3000) {
    Win.WinWidth = size[0];
    Win.WinHeight = size[1];
  }
}
