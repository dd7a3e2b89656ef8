// A designer's message trigger through the whole program, headless: the start screen's Editor, the
// palette's trigger placed on the field and selected, its values typed into the figure panel (message
// 2 of the shipped base, a period of 1,000 ms, one run), the stage saved and then played at both
// window sizes. When the period runs out the game pauses under the code window with the message; a
// click on the text closes the window and the game goes on. The message's picture is kept as a
// golden picture at each size.
#include <cstring>

#include "app_run.h"
#include "figures/fgrs.h"
#include "figures/stage.h"
#include "gm/fgr.h"
#include "picture.h"

namespace {

using namespace at800;

// Window pixels (top-left origin) of the editor at 800 x 600. The palette's tool 25 lies in column
// 0, row 8 of its 78 x 16 pixel cells from (2, 378); the special-panel button shows the figure panel
// at its second click; a right click on the panel's integer header turns a page of 25 properties,
// whose value cells lie 20 pixels apart.
const char* kTriggerTool = "41 514";
const char* kCell = "500 350";
const char* kIntHeader = "582 14";
constexpr int kValueX = 628;

// Play at each window size (the settings question chooses it): the start screen's PlayTest, the
// middle of the code window's text, and boxes (x, y, w, h; top-left origin) around the code window
// and the "PAUSE" button.
struct Box {
  int x, y, w, h;
};
struct Size {
  int w, h;
  const char* playTest;
  const char* text;
  Box window, pause;
};
const Size kSizes[] = {{800, 600, "750 124", "420 408", {160, 288, 520, 240}, {555, 15, 98, 50}},
                       {1024, 768, "960 163", "537 522", {204, 369, 665, 307}, {710, 20, 124, 62}}};

// The value cell of integer row r (1..25) of the figure panel takes a typed value, and Enter.
std::string SetRow(int r, int value) {
  return "click left " + std::to_string(kValueX) + " " + std::to_string(17 + 20 * r) +
         "\nwait 2\ntype " + std::to_string(value) + "\nmsg 258 13 0\nwait 2\n";
}

// Pixels of p inside the box (with outside set: everywhere but in it) whose bytes pass the test.
template <class Test>
int Count(const Picture& p, const Box& b, bool outside, Test test) {
  int n = 0;
  for (int y = 0; y < p.h; y++)
    for (int x = 0; x < p.w; x++)
      if ((x >= b.x && x < b.x + b.w && y >= b.y && y < b.y + b.h) != outside)
        n += test(&p.rgb[((size_t)y * p.w + x) * 3]);
  return n;
}

int Differing(const Picture& a, const Picture& b, const Box& box, bool outside) {
  return Count(a, box, outside, [&](const uint8_t* px) {
    return std::memcmp(px, &b.rgb[(size_t)(px - a.rgb.data())], 3) != 0;
  });
}

// The code window's outline and the "PAUSE" caption are pure white.
int White(const Picture& p, const Box& box) {
  return Count(p, box, false,
               [](const uint8_t* px) { return px[0] == 255 && px[1] == 255 && px[2] == 255; });
}

TEST_F(AppRun, ADesignersMessageTriggerPausesThePlayUntilItsTextIsClicked) {
  // The trigger placed and selected; the figure panel's page of properties 51..75 (ueWaitFull 52,
  // waitFull 54, waitNow 55, trigRunCase 68, trigRunKlv 71), then of 101..125 (Marsh1 106).
  std::string script = std::string("answer no\nwait 3\n") + Click("left", kEditor) + "wait 4\n" +
                       Click("left", kTriggerTool) + Click("right", kCell) + Click("left", kCell) +
                       Click("left", kSpe) + Click("left", kSpe) + Click("right", kIntHeader) +
                       Click("right", kIntHeader);
  script += SetRow(2, 1000) + SetRow(4, 1000) + SetRow(5, 1000) + SetRow(18, 4) + SetRow(21, 1);
  script += Click("right", kIntHeader) + Click("right", kIntHeader) + SetRow(6, 2);
  script += std::string("file Maps/test.etp\nclick left ") + kEditorSave + "\nwait 2\nclose\n";
  ASSERT_EQ(Run(script), 0) << ReadAll(dir / "run.out");
  EXPECT_EQ(Log().find("Fail"), std::string::npos) << Log();

  const std::string maps = (dir / "Maps").string();
  ASSERT_EQ(EtapFile_Load(maps + "/test.etp"), 1);
  const Fgr* trigger = nullptr;
  for (int i = FgrsBaseLast + 1; i < kFgrsSlots; i++)
    if (Fgrs.mf[i].Status() == fgrTriger && !Fgrs.mf[i].pParent) trigger = &Fgrs.mf[i];
  ASSERT_NE(trigger, nullptr);
  EXPECT_EQ(trigger->trigRunCase, 4);
  EXPECT_EQ(trigger->Marsh1, 2);
  EXPECT_EQ(trigger->waitNow, 1000);
  EXPECT_EQ(trigger->waitFull, 1000);
  EXPECT_EQ(trigger->ueWaitFull, 1000);
  EXPECT_EQ(trigger->trigRunKlv, 1);

  // Played: the period runs out some 63 frames of 16 ms after the load, between the first two shots.
  const std::string base = ReadAll(dir / "Maps" / "test.etp"),
                    location = ReadAll(dir / "Maps" / "test.etp01");
  for (const Size& s : kSizes) {
    FreshData();
    ASSERT_TRUE(WriteAll(dir / "Maps" / "test.etp", base));
    ASSERT_TRUE(WriteAll(dir / "Maps" / "test.etp01", location));
    const Box sky = {s.w * 3 / 8, s.h * 2 / 15, 200, 40};  // above the land's far edge
    const std::string away = "move " + std::to_string(s.w - 300) + " " + std::to_string(s.h - 20) + "\n";
    std::string play = std::string("answer ") + (s.w == 800 ? "no" : "yes") + "\nwait 3\n";
    play += std::string("click left ") + s.playTest + "\nwait 40\n" + away + "wait 2\nshot before.bmp\n";
    play += "wait 60\nshot message.bmp\nwait 20\nshot still.bmp\n";
    play += std::string("click left ") + s.text + "\nwait 2\n" + away +
            "wait 2\nshot gone.bmp\nwait 20\nshot later.bmp\nclose\n";
    ASSERT_EQ(Run(play), 0) << ReadAll(dir / "run.out");
    EXPECT_EQ(Log().find("Fail"), std::string::npos) << Log();
    Picture shots[5];
    const char* names[5] = {"before", "message", "still", "gone", "later"};
    for (int i = 0; i < 5; i++) {
      shots[i] = ReadBmp((dir / (std::string(names[i]) + ".bmp")).string());
      ASSERT_EQ(shots[i].w, s.w) << names[i];
      ASSERT_EQ(shots[i].h, s.h) << names[i];
    }
    const Picture &before = shots[0], &message = shots[1], &still = shots[2], &gone = shots[3],
                  &later = shots[4];
    // The window and "PAUSE" come with the period, not before it.
    EXPECT_EQ(White(before, s.window) + White(before, s.pause), 0) << s.w;
    EXPECT_GT(White(message, s.window), 1000) << s.w;
    EXPECT_GT(White(message, s.pause), 100) << s.w;
    ExpectGolden(dir, "message");
    // Paused: nothing moves but the pulse of the "PAUSE" button's outline (not the sky either).
    EXPECT_EQ(Differing(message, still, s.pause, true), 0) << s.w;
    // The click: the window and "PAUSE" are gone, and stay gone; the game goes on, so the sky's
    // fog, which stands still while paused, changes.
    for (const Picture* p : {&gone, &later})
      EXPECT_EQ(White(*p, s.window) + White(*p, s.pause), 0) << s.w;
    EXPECT_EQ(Differing(gone, later, sky, false), sky.w * sky.h) << s.w;
  }
}

}  // namespace
