// The stage editor's palette, click modes and selected-figure box.
#include "ui/ed_palette.h"

#include <GL/gl.h>

#include <cstring>

#include "catalogue/creators.h"
#include "catalogue/kombi.h"
#include "figures/fgr.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "gui/buttons.h"
#include "render/field.h"
#include "render/font.h"
#include "render/gl2d.h"
#include "render/texture.h"
#include "shell/log.h"
#include "shell/window_state.h"
#include "world/movement.h"
#include "world/selection.h"

EdPaletteRec EdPalette;

namespace {

struct PaletteTool {
  const char* caption;
  const char* hint;
  uint8_t bytes[4];  // the cell's four type bytes; tools 22..25 create a figure instead
};

const PaletteTool kTools[kEdPaletteTools + 1] = {
    {"???", "---", {0, 0, 0, 0}},
    {"Норма", "обычные проходимые клетки", {2, 1, 0, 2}},
    {"nAngel", "ангельские обычные клетки", {2, 0, 9, 3}},
    {"nNekro", "робоскоп обычные клетки", {2, 0, 10, 5}},
    {"Море", "глубокая вода", {5, 0, 2, 4}},
    {"Яма", "помеха движению (если не летаем и не прыгаем)", {1, 0, 0, 1}},
    {"Скала", "помеха движению (если не летаем)", {6, 0, 0, 6}},
    {"дра-к1", "Рубины - строим шахту или контроль", {2, 12, 0, 7}},
    {"дра-к2", "Сапфиры - строим шахту или контроль", {2, 13, 0, 7}},
    {"дра-к3", "Алмазы - строим шахту или контроль", {2, 14, 0, 7}},
    {"дра-к4", "Изумруды - строим шахту или контроль", {2, 15, 0, 7}},
    {"Подыезд", "пра-клик-поля: мега-особая - изучи зачем это", {2, 16, 11, 10}},
    {"Бунк-Анг", "RMB (не забудь сначала подыезды): бункер Ангелов (и1)", {0, 17, 0, 11}},
    {"Бунк2 N", "RMB (не забудь сначала подыезды): бункер Некробов(и2)", {0, 18, 0, 12}},
    {"Бунк3 X", "RMB (не забудь сначала подыезды): бункер Хаоса (и2)", {0, 25, 0, 12}},
    {"Бунк4 M", "RMB (не забудь сначала подыезды): бункер Мудрецов (и2)", {0, 26, 0, 12}},
    {"Ко-пыт", "пра-клик-поля: старт-сэт колесо опыта", {0, 19, 0, 13}},
    {"x-ski-up", "пра-клик-поля: старт-сэт здание икс-скил-ап", {0, 20, 0, 14}},
    {"sunduk", "пра-клик-поля: старт-сэт сундук опыта", {0, 21, 0, 15}},
    {"gorka", "пра-клик-поля: старт-сэт горка золота или ресурсов", {0, 22, 0, 16}},
    {"unit1", "пра-клик-поля: Спаунер нейтрал слабых юнитов", {0, 23, 0, 17}},
    {"unit2", "пра-клик-поля: Спаунер нейтрал средних юнитов", {0, 24, 0, 18}},
    {"strelok1", "пра-клик-поля: юнит Стрелок1", {0, 0, 0, 0}},
    {"Lesenk", "пра-клик-поля: лесенка обоюдная", {0, 0, 0, 0}},
    {"Строитель", "пра-клик-поля: строитель", {0, 0, 0, 0}},
    {"Тригер1", "пра-клик-поля: тригер-фигура", {0, 0, 0, 0}},
};

constexpr int kLastByteTool = 21;                 // tools 1..21 write type bytes
constexpr int kLastDragTool = 10;                 // the tools a drag paints with
constexpr int kUnitKombi = kombi_StrelokAngelov;  // tool 22

struct ClickModeRec {
  const char* caption;
  const char* hint;
};

const ClickModeRec kModes[kEdClickModes + 1] = {
    {"", ""},
    {"N-", "Клик обычный нейтральный"},
    {"Ли", "Клик линковочный activateFgr"},
    {"М1", "Клик назначения Марш-1 (MarshKuda получит 1)"},
    {"М2", "Клик назначения Марш-2"},
    {"М3", "Клик назначения Марш-3"},
    {"М4", "Клик назначения Марш-4"},
};

void Fill(const GuiWin* w, int fill) {
  Gl2D_TexRect((float)w->x, (float)w->y, (float)w->w, (float)w->h, fill, 0, 1);
}

}  // namespace

void EdPalette_Apply(int drag) {
  const int tool = EdPalette.EdPaletteTool;
  if (drag && tool > kLastDragTool) return;
  LandKle* cells = Land_Layer(visUnderGround);
  int cell = FieldMouse.PickCell;
  if (!Land_CellValid(cell)) return;
  LandKle& k = cells[cell];
  if (tool >= 1 && tool <= kLastByteTool) {
    const uint8_t* b = kTools[tool].bytes;
    // A drag passes each frame over the cell under the cursor: a second coat would only make the
    // cell's figure again.
    if (drag && k.tile == b[0] && k.objCode == b[1] && k.cursor == b[2] && k.flag == b[3]) return;
    ModeWords.EdModified = 1;
    k.tile = b[0];
    k.objCode = b[1];
    k.cursor = b[2];
    k.flag = b[3];
    Fgr_CreateByCode(cells, &cell);
    return;
  }
  ModeWords.EdModified = 1;
  switch (tool) {
    case 22:
      if (Fgr* unit = Fgr_Create(kUnitKombi, Sides.PlayerSide, 0))
        Fgr_CellMoveTo(unit, cell, 0, visUnderGround, 0);
      else LogInfo("\nEdPalette: no unit made for cell %d (no room)", cell);
      break;
    case 23: FieldSpec_CreatePair(cell); break;
    case 24: Fgr_CreateForPlayer(cell); break;
    case 25: Triger_Create(k.x + 5.0f, 5.0f, k.z + 5.0f, 0, 0); break;
    default: break;
  }
}

void EdPalette_DrawTool(GuiWin* w, int tool) {
  const PaletteTool& t = kTools[tool >= 1 && tool <= kEdPaletteTools ? tool : 0];
  Gui_DrawButton(w, t.caption, t.hint, 1);
}

void EdPalette_Draw(GuiWin* w) {
  if (w) EdPalette_DrawTool(w, w->number);
}

void EdPaletteCur_Draw(GuiWin* w) { EdPalette_DrawTool(w, EdPalette.EdPaletteTool); }

void EdPalette_Click(GuiWin* w) {
  if (!w || w->clickCode != kClickLeft) return;
  EdPalette.EdPaletteTool = w->number;
  w->consumed = 1;
}

void PageBtn_Draw(GuiWin* w) { Gui_DrawButton(w, "(Page)", "пока не работает", 1); }
void EtapSaveBtn_Draw(GuiWin* w) { Gui_DrawButton(w, "Сохранить", "Задавай имя аля  test.etp", 1); }

void ClickMode_Caption(GuiWin* w) {
  if (!w || !EditModeOn) return;
  const int n = w->number;
  if (n < 1 || n > kEdClickModes) return;
  Gui_DrawButton(w, kModes[n].caption, kModes[n].hint, 1);
  if (n != EdPalette.ClickMode) return;
  Tex_Off();
  Gl_BlendMode(kBlendAdd);
  glColor4f(0.5f, 1.0f, 0.9f, 0.2f);
  Fill(w, 1);
}

void ClickMode_Click(GuiWin* w) {
  if (!w || !EditModeOn) return;
  w->consumed = 1;
  EdPalette.ClickMode = w->number;
}

void EdSelFgr_Draw(GuiWin* w) {
  if (!w || !EditModeOn) return;
  Fgr* f = pFgrSelectedOne(1);
  if (!f) return;
  Tex_Off();
  Gl_BlendMode(kBlendAlpha);
  if (f->active) glColor4f(0.3f, 0.5f, 0.6f, 0.5f);
  else glColor4f(0.9f, 0.3f, 0.3f, 0.6f);
  Fill(w, 1);
  if (w->hover) {
    Gl_BlendMode(kBlendAdd);
    glColor4f(1, 1, 1, 0.5f);
    Fill(w, 0);
  }
  Gui_TextColorWhite();
  Font_PrintWin(fgrXName(Fgr::Status(f)), 1, (float)(w->x + 5), (float)(w->y + 2));
}
