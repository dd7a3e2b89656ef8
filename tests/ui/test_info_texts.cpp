// The texts the play screen's buttons name while hovered, from the shipped message base in both
// languages: each row hovers one widget drawn by its callback and reads the hint it left, typed
// from the message file. Then the skill buttons' tiers and levels and the progress bar's guard.
#include <GL/gl.h>

#include <functional>

#include "figures/chains.h"
#include "gm/org_base.h"
#include "gui/buttons.h"
#include "gui/hints.h"
#include "platform/platform.h"
#include "render/gl2d.h"
#include "shell/date_stamp.h"
#include "shell/msgbase.h"
#include "ui/hud.h"
#include "ui/info_texts.h"
#include "ui/screens.h"
#include "world/ranks.h"
#include "world/selection.h"
#include "world/sides.h"
#include "world/world_fixture.h"

namespace {

class InfoTexts : public WorldTest {
 protected:
  GuiWin w_{};

  static void SetUpTestSuite() { sGl = Plat_HeadlessContext(800, 600) == 1; }
  static void TearDownTestSuite() { Plat_HeadlessContextFree(); }

  void SetUp() override {
    WorldTest::SetUp();
    ASSERT_TRUE(sGl) << "no headless GL context";
    MsgBase_Load(SourcePath("uni_files/res/msgbase.txt"));
    ASSERT_GT(Msgs.MsgBase.size(), 200u);
    DateStamp.DateEngTextFlag = &o2::EngText;
    w_.x = 10, w_.y = 10, w_.w = 120, w_.h = 30, w_.visible = 1, w_.hover = 1;
    Gl2D_Begin(0, 800, 0, 600);
  }
  void TearDown() override {
    Gl2D_End();
    MsgBase_Clear();
    o2::EngText = 0;
    GuiButtons.GuiDrawingWin = nullptr;
    Screens.InfoPanel1 = nullptr;
    WorldTest::TearDown();
  }

  // The hint the widget leaves when its callback draws it hovered.
  void Hover(const std::function<void(GuiWin*)>& draw, int number) {
    Gui_HintClear();
    w_.number = number;
    draw(&w_);
  }

  static bool sGl;
};
bool InfoTexts::sGl = false;

struct Lines {
  const char* title;
  const char* line2;
  const char* line3;
};

void ExpectHint(const Lines& want) {
  auto same = [](const char* got, const char* want) {
    if (!want) {
      EXPECT_EQ(got, nullptr);
      return;
    }
    ASSERT_NE(got, nullptr) << want;
    EXPECT_STREQ(got, want);
  };
  same(GuiHint.title, want.title);
  same(GuiHint.line2, want.line2);
  same(GuiHint.line3, want.line3);
}

}  // namespace

TEST_F(InfoTexts, ButtonsNameTheirMessagesInEnglishAndInRussian) {
  Fgr* kno = Make(fgrKnoUnit);
  kno->Kno_MsgTitul = 96, kno->Kno_MsgHint1 = 97, kno->Kno_MsgHint2 = 98;
  Fgr* holder = Make(fgrUnitHero);
  Fgr* book = Make(fgrBookZak);
  book->MagikVers = 1;
  holder->P_PrepZak1 = book;
  Fgr* kno2 = Make(fgrKnoUnit);
  kno2->pParent = holder;
  auto panelButton = [](Fgr* k) {
    return [k](GuiWin* w) {
      GuiButtons.GuiDrawingWin = w;
      ProcFgr(k->ProcNomOnR, k);
    };
  };
  kno->ProcNomOnR = r_Proc_KnoButton;
  kno2->ProcNomOnR = r_Proc_KnoButton2;
  struct Row {
    std::function<void(GuiWin*)> draw;
    int number;
    Lines en, ru;
  };
  const Lines kGemEn = {nullptr, "A gem: needed for skills and technologies", nullptr};
  const Lines kGemRu = {nullptr, "Камень: нужен для скилов и технологий", nullptr};
  auto gem = [](Lines l, const char* title) {
    l.title = title;
    return l;
  };
  const Row rows[] = {
      {KnoCb_SideRes,
       1,
       {"Energy", "Produced by flags and mines; spent on units", nullptr},
       {"Энергия", "Даёт флаг и шахта; тратится на юнитов", nullptr}},
      {KnoCb_SideRes,
       2,
       {"Material", "Gathered by builders; spent on buildings", nullptr},
       {"Материал", "Собирают строители; тратится на здания", nullptr}},
      {KnoCb_SideRes, 3, gem(kGemEn, "Ruby"), gem(kGemRu, "Рубин")},
      {KnoCb_SideRes, 4, gem(kGemEn, "Sapphire"), gem(kGemRu, "Сапфир")},
      {KnoCb_SideRes, 5, gem(kGemEn, "Amber"), gem(kGemRu, "Янтарь")},
      {KnoCb_SideRes, 6, gem(kGemEn, "Emerald"), gem(kGemRu, "Изумруд")},
      {KnoCb_SideRes, 0, {"...", nullptr, nullptr}, {"...", nullptr, nullptr}},
      {panelButton(kno),
       1,
       {"Research armour", "All units get more armour", "Costs material and a gem"},
       {"Изучить броню", "Все юниты получат больше брони", "Стоит материал и камень"}},
      // The spell's title is the caption; its four hint lines are messages 88..91.
      {panelButton(kno2),
       2,
       {"Burns every enemy in the area", "Cast time: long", "Mana: high"},
       {"Жжёт всех врагов в области", "Время подготовки: долгое", "Мана: много"}},
      {KnoCb_GuestInfo,
       1,
       {"Show the panel of the selected unit", nullptr, nullptr},
       {"Показать панель выбранного юнита", nullptr, nullptr}},
      {KnoCb_GuestInfo,
       2,
       {"Show the second info panel", nullptr, nullptr},
       {"Показать вторую инфо-панель", nullptr, nullptr}},
      {KnoCb_GuestInfo,
       3,
       {"инфо про лифт здания - кто гость", nullptr, nullptr},
       {"инфо про лифт здания - кто гость", nullptr, nullptr}},
      {KnoCb_MapPanel, 0, {"Map", "Overview of the stage", nullptr}, {"Карта", "Обзор этапа", nullptr}},
      {KnoCb_LmbRmb,
       0,
       {"Left button: previous page, right button: next page", nullptr, nullptr},
       {"Левая кнопка: назад, правая: вперёд", nullptr, nullptr}},
      {KnoCb_MenuOptions,
       0,
       {"(не работает) пункт глав меню", nullptr, nullptr},
       {"(не работает) пункт глав меню", nullptr, nullptr}},
      {KnoCb_MenuContinue,
       0,
       {"пункт глав меню (Maps/test.etp)", nullptr, nullptr},
       {"пункт глав меню (Maps/test.etp)", nullptr, nullptr}},
  };
  Fgr* selected = Make(fgrUnitPeh);  // the info toggles are the one selected figure's
  selected->baner = 2;
  SelList_SetOne(&SelList, selected, 0);
  for (int eng : {1, 0}) {
    o2::EngText = eng;
    for (const Row& r : rows) {
      SCOPED_TRACE(testing::Message()
                   << (eng ? "English" : "Russian") << " row of widget code " << r.number);
      Hover(r.draw, r.number);
      ExpectHint(eng ? r.en : r.ru);
    }
  }
  EXPECT_EQ(GuiHint.line4, nullptr);

  // The spell button takes the holder's cast as its wait when that is longer.
  holder->spelCastNow = 3000, holder->spelCastFull = 6000;
  Hover(panelButton(kno2), 2);
  EXPECT_EQ(kno2->waitNow, 3000);
  EXPECT_EQ(kno2->waitFull, 6000);
  holder->spelCastNow = 1000;
  Hover(panelButton(kno2), 3);
  EXPECT_EQ(kno2->waitNow, 3000);
  EXPECT_EQ(GuiHint.title, nullptr) << "no second book: no texts";

  // A hovered button with its pop-up set opens the first info panel.
  GuiWin panel{};
  Screens.InfoPanel1 = &panel;
  kno->Kno_SpePopUp = 1;
  Hover(panelButton(kno), 1);
  EXPECT_EQ(panel.visible, 1);
  Gui_SetToggleFlag(0);
  EXPECT_EQ(panel.visible, 0);

  // With nothing selected the selected figure's buttons draw nothing.
  SelList_Clear();
  Hover(KnoCb_GuestInfo, 1);
  ExpectHint({nullptr, nullptr, nullptr});

  // An empty message base: the button draws its toggle without texts, the counters "...".
  MsgBase_Clear();
  Hover(panelButton(kno), 1);
  ExpectHint({nullptr, nullptr, nullptr});
  Hover(KnoCb_SideRes, 1);
  ExpectHint({"...", "...", nullptr});
  // Outside a preview the panel buttons have nowhere to draw.
  GuiButtons.GuiDrawingWin = nullptr;
  Gui_HintClear();
  Proc_KnoButton(kno);
  Proc_KnoButton2(kno2);
  EXPECT_EQ(GuiHint.title, nullptr);
}

TEST_F(InfoTexts, SkillButtonsNameTheTierOfTheSkillInTheirChainPosition) {
  Fgr* c = Make(fgrUnitHero);
  int levels[3][3] = {{2, 3, 4}, {1, 0, 9}, {5, 6, 7}};
  Fgr* s[3];
  for (int i = 0; i < 3; i++) {
    s[i] = Make(fgrAbilSkil);
    s[i]->AbilSkilVers = i + 1;
    s[i]->SkilRangBase = levels[i][0], s[i]->SkilRangExt2 = levels[i][1],
    s[i]->SkilRangExt3 = levels[i][2];
  }
  c->P2_Sub_UseSkil = s[0];  // the chain by hand: position 1, 2, 3
  s[0]->pTail = s[1], s[1]->pTail = s[2];
  // code -> chain position (0: none), its level's tier, and the name: skills 1, 2, 3 are Strength,
  // Speed and Armour, tier 2 their adept and tier 3 their master.
  const struct {
    int code, pos, tier;
    const char* name;
  } kCodes[] = {{1, 1, 1, "Strength"},
                {2, 2, 1, "Speed"},
                {3, 3, 1, "Armour"},
                {4, 0, 0, nullptr},
                {5, 0, 0, nullptr},
                {6, 1, 2, "Strength adept"},
                {7, 2, 2, "Speed adept"},
                {8, 3, 2, "Armour adept"},
                {9, 0, 0, nullptr},
                {10, 0, 0, nullptr},
                {11, 1, 3, "Strength master"},
                {12, 2, 3, "Speed master"},
                {13, 3, 3, "Armour master"},
                {14, 0, 0, nullptr},
                {15, 0, 0, nullptr},
                {0, 0, 0, nullptr}};
  o2::EngText = 1;
  for (const auto& k : kCodes) {
    SCOPED_TRACE(k.code);
    int level = -1;
    const char* name = Skil_ByButton(c, k.code, &level);
    if (!k.pos) {
      EXPECT_EQ(name, nullptr);
      EXPECT_EQ(level, -1);
      continue;
    }
    ASSERT_NE(name, nullptr);
    EXPECT_STREQ(name, k.name);
    EXPECT_EQ(level, levels[k.pos - 1][k.tier - 1]);
  }
  // The skill buttons of the selected captain: "level-name", or "x" where nothing stands.
  SelList_SetOne(&SelList, c, 0);
  w_.hover = 1;
  Hover(KnoCb_SkilH2, 7);
  ExpectHint({"H2: Прилагательный скил", nullptr, nullptr});
  Hover(KnoCb_SkilH2, 2);
  ExpectHint({"H2: Базовый скил", nullptr, nullptr});
  Hover(KnoCb_SkilH2, 4);
  ExpectHint({"H2: нет скила - возможно сюда можно добавить новый", nullptr, nullptr});
  SelList_Clear();
}

TEST_F(InfoTexts, TheProgressBarMeasuresOnlyAgainstAPositiveWhole) {
  Fgr* f = Make(fgrKnoUnit);
  const struct {
    int now, full;
    int width;  // red pixels along the bar's row, of a 120-pixel widget
  } kBars[] = {{0, 9000, 0},     {100, 0, 0},       {100, -5, 0},
               {4500, 9000, 60}, {9000, 9000, 120}, {20000, 9000, 120}};
  for (const auto& b : kBars) {
    SCOPED_TRACE(testing::Message() << b.now << "/" << b.full);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    f->waitNow = b.now, f->waitFull = b.full;
    Gui_DrawFgrBar(&w_, f);
    glFinish();
    unsigned char row[200 * 3];
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, w_.y + 12, 200, 1, GL_RGB, GL_UNSIGNED_BYTE, row);
    int red = 0;
    for (int x = 0; x < 200; x++) red += row[3 * x] > 100 && row[3 * x + 1] < 50;
    EXPECT_NEAR(red, b.width, 1);
  }
}
