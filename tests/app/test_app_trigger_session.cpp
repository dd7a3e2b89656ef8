// A designer's message trigger through the whole program, headless, made by the steps the README
// gives a designer ("Making a message trigger"), its values as written there: the start screen's
// Editor, the palette's trigger placed on the field and selected, the figure panel shown by spe
// twice, its pages turned and the values typed, the stage saved and then played at both window
// sizes. When the wait runs out the game pauses under the code window with the message; a click on
// the text closes the window and the game goes on. The message's picture is kept as a golden
// picture at each size.
#include <cstring>
#include <regex>
#include <vector>

#include "app_run.h"
#include "figures/fgrs.h"
#include "figures/stage.h"
#include "gm/fgr.h"
#include "picture.h"

namespace {

using namespace at800;

// Window pixels (top-left origin) of the editor at 800 x 600. The palette's tool 25 lies in column
// 0, row 8 of its 78 x 16 pixel cells from (2, 378); a right click on the figure panel's integer
// header turns a page of 25 properties, whose value cells lie 20 pixels apart.
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

// One value of the README's list: "- `name` value (property n): ...".
struct Step {
  std::string name;
  int value, property;
};

// The values the README's paragraph on message triggers has the designer type, in its order.
std::vector<Step> ReadmeSteps() {
  const std::string readme = ReadAll(std::string(TOLV_SOURCE_DIR) + "/README.md");
  const size_t from = readme.find("\n### Making a message trigger\n");
  if (from == std::string::npos) return {};
  const size_t to = readme.find("\n#", from + 1);
  const std::string part = readme.substr(from, to == std::string::npos ? to : to - from);
  static const std::regex kStep(R"(\n- `(\w+)` (-?\d+) \(property (\d+)\))");
  std::vector<Step> steps;
  for (std::sregex_iterator m(part.begin(), part.end(), kStep), end; m != end; ++m)
    steps.push_back({(*m)[1], std::stoi((*m)[2]), std::stoi((*m)[3])});
  return steps;
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
  // The README's values: a message (run case 4) whose number is Marsh1, each named as the figure
  // panel names it, at its number there.
  const std::vector<Step> steps = ReadmeSteps();
  ASSERT_GE(steps.size(), 5u) << "README.md: the list of \"Making a message trigger\"";
  int runCase = -1, message = -1, wait = -1;
  for (const Step& s : steps) {
    const char* name = Fgr_Int_NameVar(s.property);
    EXPECT_STREQ(name ? name : "", s.name.c_str()) << "README.md: property " << s.property;
    if (s.name == "trigRunCase") runCase = s.value;
    if (s.name == "Marsh1") message = s.value;
    if (s.name == "waitNow") wait = s.value;
  }
  EXPECT_EQ(runCase, 4);
  EXPECT_GE(message, 1);
  EXPECT_EQ(wait, 1000);  // the README's second, which the shots below are timed by

  // The trigger placed and selected, the figure panel shown, each value typed on its page.
  std::string script = std::string("answer no\nwait 3\n") + Click("left", kEditor) + "wait 4\n" +
                       Click("left", kTriggerTool) + Click("right", kCell) + Click("left", kCell) +
                       Click("left", kSpe) + Click("left", kSpe);
  int page = 0;
  for (const Step& s : steps) {
    for (; page < (s.property - 1) / 25; page++) script += Click("right", kIntHeader);
    for (; page > (s.property - 1) / 25; page--) script += Click("left", kIntHeader);
    script += SetRow(s.property - 25 * page, s.value);
  }
  script += std::string("file Maps/test.etp\nclick left ") + kEditorSave + "\nwait 2\nclose\n";
  ASSERT_EQ(Run(script), 0) << ReadAll(dir / "run.out");
  EXPECT_EQ(Log().find("Fail"), std::string::npos) << Log();

  const std::string maps = (dir / "Maps").string();
  ASSERT_EQ(EtapFile_Load(maps + "/test.etp"), 1);
  const Fgr* trigger = nullptr;
  for (int i = FgrsBaseLast + 1; i < kFgrsSlots; i++)
    if (Fgrs.mf[i].Status() == fgrTriger && !Fgrs.mf[i].pParent) trigger = &Fgrs.mf[i];
  ASSERT_NE(trigger, nullptr);
  for (const Step& s : steps) {
    int saved = 0;
    Fgr_Int_Val(const_cast<Fgr*>(trigger), s.property, saved);
    EXPECT_EQ(saved, s.value) << s.name;
  }

  // Played: the second's wait runs out some 63 frames of 16 ms after the load, between the first two
  // shots.
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
