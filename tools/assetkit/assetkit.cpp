// Asset kit: draws the font atlases, _tfonts.txt, every start-up texture and pix_start.txt into
// the resource folder. Fixed seeds: the output is the same bytes on every run.
//   tolv_assetkit <out dir> <DejaVu font dir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include "kit.h"

namespace {

const char* kSans = "DejaVuSans-Bold.ttf";

Rgba C(int r, int g, int b, int a = 255) { return {r / 255.0f, g / 255.0f, b / 255.0f, a / 255.0f}; }

struct TexEntry {
  int slot;
  const char* name;  // constant name the resource generator makes of it
  const char* file;
  int bits;  // 24 or 32
  int mip;
  std::function<Canvas()> draw;
};

// --- tiles: 32 x 32, opaque, seamless ---------------------------------------------------------

Canvas Ground(Rgba a, Rgba b, int cells, uint32_t seed, float rough) {
  Canvas c(32, 32);
  NoiseTint(c, a, b, cells, seed, rough);
  return c;
}

Canvas Speckled(Rgba a, Rgba b, Rgba dot, uint32_t seed, int dots) {
  Canvas c = Ground(a, b, 4, seed, 1.6f);
  KitRand r(seed);
  for (int i = 0; i < dots; i++) {
    float x = r.Unit() * 32, y = r.Unit() * 32, s = 0.6f + r.Unit() * 0.9f;
    Disc(c, x, y, s, dot);
  }
  return c;
}

Canvas Water() {
  Canvas c = Ground(C(20, 40, 110), C(40, 80, 160), 4, 59, 1.4f);
  for (int k = 0; k < 4; k++) {
    float y = 4 + k * 8;
    for (int x = 0; x < 32; x++) {
      float yy = y + std::sin((x + k * 5) * 6.2832f / 16) * 1.5f;
      c.Blend(x, (int)yy & 31, C(170, 210, 255), 0.35f);
    }
  }
  return c;
}

Canvas Rock(Rgba a, Rgba b, uint32_t seed) {
  Canvas c = Ground(a, b, 4, seed, 2.2f);
  KitRand r(seed);
  for (int i = 0; i < 5; i++) {
    float x = r.Unit() * 32, y = r.Unit() * 32;
    Segment(c, x, y, x + r.Unit() * 10 - 5, y + r.Unit() * 10 - 5, 0.8f, C(30, 25, 20, 150));
  }
  return c;
}

// An object on a ground tile: the shape over the meadow colours.
Canvas OnGround(const std::function<void(Canvas&)>& shape, uint32_t seed) {
  Canvas c = Ground(C(60, 85, 45), C(85, 110, 60), 4, seed, 1.4f);
  shape(c);
  return c;
}

// --- decorations: 32 x 32, transparent background over ground-coloured RGB -----------------

Canvas Decoration(const std::function<void(Canvas&)>& shape, uint32_t seed) {
  Canvas ground = Ground(C(60, 85, 45), C(85, 110, 60), 4, seed, 1.4f);
  Canvas c(32, 32);
  shape(c);
  // Transparent pixels keep the ground colour, so the tile reads right without blending too.
  for (size_t i = 0; i < c.px.size(); i++) {
    Rgba& p = c.px[i];
    const Rgba& g = ground.px[i];
    p.r = p.r * p.a + g.r * (1 - p.a);
    p.g = p.g * p.a + g.g * (1 - p.a);
    p.b = p.b * p.a + g.b * (1 - p.a);
  }
  return c;
}

void Crystal(Canvas& c, Rgba col) {
  Polygon(c, {16, 3, 23, 14, 16, 29, 9, 14}, col);
  Polygon(c, {16, 3, 23, 14, 16, 14}, C(255, 255, 255, 110));
  Segment(c, 16, 3, 16, 29, 0.8f, C(255, 255, 255, 90));
  Polygon(c, {7, 18, 11, 24, 7, 30, 3, 24}, col);
}

void Tree(Canvas& c) {
  FillRect(c, 14.5f, 20, 17.5f, 30, C(90, 60, 30));
  Disc(c, 16, 13, 10, C(30, 90, 35));
  Disc(c, 13, 11, 5, C(60, 130, 55));
}

void Stones(Canvas& c, Rgba col) {
  Disc(c, 11, 20, 6, col);
  Disc(c, 20, 18, 7, C(120, 115, 105));
  Disc(c, 17, 25, 5, col);
  Disc(c, 19, 15, 3, C(200, 200, 190, 140));
}

// --- sprites and marks: 64 x 64 or 32 x 32 RGBA ----------------------------------------------

Canvas Sprite(Rgba body, uint32_t letter) {
  Canvas c(64, 64);
  Disc(c, 33, 35, 27, C(0, 0, 0, 90));  // shadow
  Disc(c, 32, 32, 27, body);
  Ring(c, 32, 32, 26, 3, C(40, 40, 50, 230));
  Disc(c, 26, 24, 10, C(255, 255, 255, 60));
  StampGlyph(c, kSans, 30, letter, 33, 34, C(20, 20, 30, 200));
  StampGlyph(c, kSans, 30, letter, 32, 33, C(255, 255, 255));
  return c;
}

Canvas GlowDot(int size, Rgba col) {
  Canvas c(size, size, {col.r, col.g, col.b, 0});
  Glow(c, size / 2.0f, size / 2.0f, size / 2.0f, col);
  return c;
}

Canvas Beam() {
  Canvas c(64, 32, {1, 1, 1, 0});
  for (int y = 0; y < 32; y++) {
    float d = std::fabs(y + 0.5f - 16) / 16;
    float a = (1 - d) * (1 - d);
    for (int x = 0; x < 64; x++) c.At(x, y) = {1, 1, 1, a};
  }
  return c;
}

Canvas Cursor() {
  Canvas c(32, 32);
  std::vector<float> arrow = {1, 1, 1, 24, 7, 18, 12, 28, 16, 26, 11, 17, 19, 17};
  std::vector<float> shadow;
  for (size_t i = 0; i < arrow.size(); i++) shadow.push_back(arrow[i] + 1.5f);
  Polygon(c, shadow, C(0, 0, 0, 110));
  Polygon(c, arrow, C(20, 20, 20));
  std::vector<float> inner = {2.6f,  4,     2.6f, 20.5f, 7.4f,  15.6f, 12.6f,
                              25.8f, 14.2f, 25,   9.2f,  15.5f, 15.6f, 15.5f};
  Polygon(c, inner, C(250, 250, 240));
  return c;
}

Canvas Brackets(int size, Rgba col, float width) {
  Canvas c(size, size);
  float e = width, s = (float)size, l = s * 0.32f;
  for (int k = 0; k < 4; k++) {
    float x = (k & 1) ? s - e : e, y = (k & 2) ? s - e : e;
    float dx = (k & 1) ? -l : l, dy = (k & 2) ? -l : l;
    Segment(c, x, y, x + dx, y, width, col);
    Segment(c, x, y, x, y + dy, width, col);
  }
  return c;
}

Canvas Crosshair() {
  Canvas c(32, 32);
  Ring(c, 16, 16, 10, 2.2f, C(255, 255, 255));
  for (int k = 0; k < 4; k++) {
    float dx = k == 0 ? 1 : k == 1 ? -1 : 0, dy = k == 2 ? 1 : k == 3 ? -1 : 0;
    Segment(c, 16 + dx * 5, 16 + dy * 5, 16 + dx * 15, 16 + dy * 15, 2, C(255, 255, 255));
  }
  Disc(c, 16, 16, 1.5f, C(255, 80, 60));
  return c;
}

Canvas Badge(int frame) {
  Canvas c(32, 32);
  std::vector<float> star;
  float turn = frame * 0.3142f / 2;  // a quarter of a point per frame
  for (int i = 0; i < 10; i++) {
    float a = turn + i * 0.6283f - 1.5708f, r = (i & 1) ? 6.0f : 14.0f;
    star.push_back(16 + std::cos(a) * r);
    star.push_back(16 + std::sin(a) * r);
  }
  Disc(c, 16, 16, 15, C(30, 30, 40, 140));
  Polygon(c, star, C(250, 205, 60));
  Disc(c, 16, 16, 3.5f, C(255, 245, 190));
  return c;
}

Canvas Flag(int frame) {
  Canvas c(32, 32);
  FillRect(c, 4, 2, 6, 31, C(70, 55, 40));
  Disc(c, 5, 2.5f, 2, C(220, 200, 120));
  std::vector<float> cloth;
  float ph = frame * 1.5708f;
  for (int i = 0; i <= 8; i++) {  // top edge
    float x = 6 + i * 3.0f;
    cloth.push_back(x);
    cloth.push_back(4 + std::sin(ph + i * 0.8f) * 1.6f * i / 8);
  }
  for (int i = 8; i >= 0; i--) {  // bottom edge
    float x = 6 + i * 3.0f;
    cloth.push_back(x);
    cloth.push_back(17 + std::sin(ph + i * 0.8f) * 1.6f * i / 8);
  }
  Polygon(c, cloth, C(245, 245, 245));
  for (int i = 0; i < 8; i++) {  // folds
    float x = 7.5f + i * 3.0f, shade = 0.5f + 0.5f * std::sin(ph + i * 0.8f + 0.8f);
    Segment(c, x, 5 + std::sin(ph + i * 0.8f) * 1.6f * i / 8, x,
            16 + std::sin(ph + i * 0.8f) * 1.6f * i / 8, 1.6f, C(120, 120, 130, (int)(60 * shade)));
  }
  return c;
}

// --- panels -------------------------------------------------------------------------------

Canvas Panel(int w, int h, Rgba top, Rgba bottom, int border, uint32_t seed) {
  Canvas c(w, h);
  VGradient(c, top, bottom);
  Canvas grain(w, h);
  NoiseTint(grain, C(0, 0, 0), C(255, 255, 255), 8, seed, 1.0f);
  for (size_t i = 0; i < c.px.size(); i++) {
    float k = 0.94f + 0.12f * grain.px[i].r;
    c.px[i].r *= k, c.px[i].g *= k, c.px[i].b *= k;
  }
  Bevel(c, border, 0.45f, 0.5f);
  return c;
}

Canvas MapPicture(int size, uint32_t seed) {
  Canvas c(size, size);
  for (int y = 0; y < size; y++)
    for (int x = 0; x < size; x++) {
      float u = x * 6.0f / size, v = y * 6.0f / size;
      float n = 0.6f * Noise(u, v, seed, 6) + 0.3f * Noise(2 * u, 2 * v, seed + 1, 12) +
                0.1f * Noise(4 * u, 4 * v, seed + 2, 24);
      Rgba p = n < 0.38f   ? C(30, 60, 140)
               : n < 0.42f ? C(180, 170, 110)
               : n < 0.62f ? C(70, 120, 50)
               : n < 0.72f ? C(45, 85, 40)
                           : C(110, 95, 80);
      c.At(x, y) = p;
    }
  Bevel(c, size / 64 + 2, 0.3f, 0.4f);
  return c;
}

Canvas GlowAtlas() {
  // 8 x 2 cells of 32; the lower half of the image is atlas row 1.
  Canvas c(256, 64, {1, 1, 1, 0});
  for (int row = 0; row < 2; row++)
    for (int col = 0; col < 8; col++) {
      Canvas cell(32, 32, {1, 1, 1, 0});
      float soft = row == 0 ? 16 : 12;  // top row (atlas row 2) a little tighter
      switch (col) {
        case 0: Glow(cell, 16, 16, soft, C(255, 255, 255)); break;
        case 1: Disc(cell, 16, 16, soft / 2, C(255, 255, 255)); break;
        case 2:
          Glow(cell, 16, 16, soft, C(255, 255, 255));
          Disc(cell, 16, 16, 3, C(255, 255, 255));
          break;
        case 3: Ring(cell, 16, 16, soft * 0.6f, 3, C(255, 255, 255)); break;
        case 4:
          Glow(cell, 16, 16, soft * 0.8f, C(255, 255, 255));
          Ring(cell, 16, 16, soft * 0.55f, 2, C(255, 255, 255));
          break;
        case 5: Polygon(cell, {16, 4, 28, 16, 16, 28, 4, 16}, C(255, 255, 255, 220)); break;
        case 6:
          Segment(cell, 6, 16, 26, 16, 3, C(255, 255, 255));
          Segment(cell, 16, 6, 16, 26, 3, C(255, 255, 255));
          break;
        default:
          Glow(cell, 16, 16, soft, C(255, 255, 255, 160));
          for (int k = 0; k < 4; k++) {
            float a = k * 0.7854f;
            Segment(cell, 16 - std::cos(a) * 14, 16 - std::sin(a) * 14, 16 + std::cos(a) * 14,
                    16 + std::sin(a) * 14, 1.2f, C(255, 255, 255, 200));
          }
      }
      for (int y = 0; y < 32; y++)
        for (int x = 0; x < 32; x++) c.At(col * 32 + x, row * 32 + y) = cell.At(x, y);
    }
  return c;
}

std::vector<TexEntry> Entries() {
  std::vector<TexEntry> e;
  auto add = [&](int slot, const char* name, const char* file, int bits, int mip,
                 std::function<Canvas()> d) {
    e.push_back({slot, name, file, bits, mip, d});
  };
  add(0, "TX_WHITE", "tx_white.tga", 24, 0, [] { return Canvas(8, 8, {1, 1, 1, 1}); });
  add(1, "TX_SPR_WORKER", "tx_spr_worker.tga", 32, 1, [] { return Sprite(C(200, 190, 150), 'W'); });
  add(2, "TX_EDIT_MARK", "tx_edit_mark.tga", 32, 0, [] { return Brackets(32, C(255, 255, 255), 3); });
  add(3, "TX_CURSOR", "tx_cursor.tga", 32, 0, Cursor);
  add(4, "TX_TOP_STRIP", "tx_top_strip.tga", 24, 0,
      [] { return Panel(256, 32, C(120, 120, 135), C(60, 60, 75), 3, 4); });
  add(5, "TX_GLOW", "tx_glow.tga", 32, 1, [] { return GlowDot(64, C(255, 255, 255)); });
  add(6, "TX_FLOORBOX_BACK", "tx_floorbox_back.tga", 24, 0,
      [] { return Panel(128, 128, C(50, 55, 70), C(25, 28, 38), 4, 6); });
  add(7, "TX_SLOT_MARK", "tx_slot_mark.tga", 32, 0, [] { return Brackets(32, C(255, 255, 255), 2.5f); });
  add(8, "TX_DECAL_RING", "tx_decal_ring.tga", 32, 1, [] {
    Canvas c(64, 64, {1, 1, 1, 0});
    Ring(c, 32, 32, 27, 4, C(255, 255, 255));
    Ring(c, 32, 32, 20, 1.5f, C(255, 255, 255, 150));
    return c;
  });
  static const char* kBadge[4] = {"TX_BADGE0", "TX_BADGE1", "TX_BADGE2", "TX_BADGE3"};
  static const char* kBadgeFile[4] = {"tx_badge0.tga", "tx_badge1.tga", "tx_badge2.tga",
                                      "tx_badge3.tga"};
  static const char* kFlag[4] = {"TX_FLAG0", "TX_FLAG1", "TX_FLAG2", "TX_FLAG3"};
  static const char* kFlagFile[4] = {"tx_flag0.tga", "tx_flag1.tga", "tx_flag2.tga", "tx_flag3.tga"};
  for (int i = 0; i < 4; i++) {
    add(11 + i, kBadge[i], kBadgeFile[i], 32, 1, [i] { return Badge(i); });
    add(21 + i, kFlag[i], kFlagFile[i], 32, 1, [i] { return Flag(i); });
  }
  // Figure sprites: pale bodies so the figure's own colour tints them; a letter tells kinds apart.
  struct S {
    int slot;
    const char* name;
    const char* file;
    int r, g, b;
    uint32_t letter;
  };
  static const S kSprites[] = {
      {25, "TX_SPR_SPAWN", "tx_spr_spawn.tga", 210, 170, 170, 'S'},
      {33, "TX_SPR_HERO", "tx_spr_hero.tga", 220, 210, 160, 0x0413},
      {35, "TX_SPR_BASE", "tx_spr_base.tga", 190, 190, 205, 'B'},
      {37, "TX_SPR_TOWER", "tx_spr_tower.tga", 180, 200, 210, 'T'},
      {39, "TX_SPR_SCOUT", "tx_spr_scout.tga", 200, 220, 180, 'R'},
      {40, "TX_SPR_GUEST", "tx_spr_guest.tga", 210, 200, 220, 'G'},
      {45, "TX_SPR_DEPOT", "tx_spr_depot.tga", 200, 190, 170, 'D'},
      {49, "TX_SPR_SOLDIER", "tx_spr_soldier.tga", 190, 210, 190, 0x0421},
      {53, "TX_SPR_SHOOTER", "tx_spr_shooter.tga", 210, 190, 180, 0x0421},
      {56, "TX_SPR_SMITH", "tx_spr_smith.tga", 200, 200, 200, 'K'},
      {61, "TX_SPR_61", "tx_spr_61.tga", 180, 210, 220, '1'},
      {62, "TX_SPR_62", "tx_spr_62.tga", 220, 200, 180, '2'},
      {63, "TX_SPR_63", "tx_spr_63.tga", 190, 220, 200, '3'},
      {64, "TX_SPR_64", "tx_spr_64.tga", 210, 210, 180, '4'},
      {67, "TX_SPR_67", "tx_spr_67.tga", 200, 180, 210, '7'},
      {88, "TX_SPR_88", "tx_spr_88.tga", 190, 200, 220, '8'},
      {89, "TX_SPR_MACHINE", "tx_spr_machine.tga", 210, 200, 190, 'M'},
      {90, "TX_SPR_CART", "tx_spr_cart.tga", 200, 210, 190, 'C'},
      {91, "TX_SPR_HAND", "tx_spr_hand.tga", 220, 220, 200, 'H'},
  };
  for (const S& s : kSprites)
    add(s.slot, s.name, s.file, 32, 1, [s] { return Sprite(C(s.r, s.g, s.b), s.letter); });
  add(28, "TX_BEAM_FOE", "tx_beam_foe.tga", 32, 1, Beam);
  add(29, "TX_BEAM_OWN", "tx_beam_own.tga", 32, 1, Beam);
  add(32, "TX_TARGET", "tx_target.tga", 32, 0, Crosshair);
  add(54, "TX_FIELD_LADDER", "tx_field_ladder.tga", 32, 1, [] {
    Canvas c(64, 64);
    Ring(c, 32, 32, 24, 5, C(255, 255, 255));
    Polygon(c, {32, 14, 48, 32, 32, 50, 16, 32}, C(255, 255, 255, 200));
    return c;
  });
  add(58, "TX_SPARK", "tx_spark.tga", 32, 1, [] {
    Canvas c = GlowDot(64, C(255, 255, 255));
    Segment(c, 4, 32, 60, 32, 2, C(255, 255, 255, 200));
    Segment(c, 32, 4, 32, 60, 2, C(255, 255, 255, 200));
    return c;
  });
  add(68, "TX_STAMP", "tx_stamp.tga", 32, 1, [] {
    Canvas c(64, 64);
    Ring(c, 32, 32, 26, 4, C(255, 255, 255));
    StampGlyph(c, kSans, 30, '!', 32, 32, C(255, 255, 255));
    return c;
  });
  // Land tiles.
  add(38, "TX_TILE_FOREST", "tx_tile_forest.tga", 24, 1,
      [] { return Speckled(C(25, 45, 18), C(45, 70, 30), C(15, 30, 10), 38, 40); });
  add(46, "TX_TILE_BORDER", "tx_tile_border.tga", 24, 1,
      [] { return Rock(C(35, 32, 30), C(70, 62, 55), 46); });
  add(47, "TX_TILE_MEADOW", "tx_tile_meadow.tga", 24, 1,
      [] { return Speckled(C(60, 85, 45), C(85, 110, 60), C(110, 130, 70), 47, 25); });
  add(48, "TX_TILE_MEADOW2", "tx_tile_meadow2.tga", 24, 1,
      [] { return Speckled(C(70, 85, 50), C(95, 105, 65), C(60, 70, 40), 48, 25); });
  add(59, "TX_TILE_WATER", "tx_tile_water.tga", 24, 1, Water);
  add(75, "TX_TILE_SAND", "tx_tile_sand.tga", 24, 1,
      [] { return Speckled(C(175, 155, 105), C(205, 185, 130), C(140, 120, 80), 75, 30); });
  add(76, "TX_TILE_DIRT", "tx_tile_dirt.tga", 24, 1,
      [] { return Speckled(C(90, 65, 40), C(120, 90, 60), C(60, 45, 30), 76, 30); });
  add(77, "TX_TILE_ROCK", "tx_tile_rock.tga", 24, 1,
      [] { return Rock(C(95, 60, 40), C(140, 100, 70), 77); });
  add(78, "TX_TILE_GRAVEL", "tx_tile_gravel.tga", 24, 1,
      [] { return Speckled(C(100, 100, 95), C(135, 130, 120), C(70, 70, 65), 78, 60); });
  add(36, "TX_TILE_RUIN", "tx_tile_ruin.tga", 24, 1, [] {
    return OnGround(
        [](Canvas& c) {
          Stones(c, C(150, 140, 125));
          FillRect(c, 4, 6, 12, 10, C(120, 110, 100));
        },
        36);
  });
  add(51, "TX_TILE_CRATER", "tx_tile_crater.tga", 24, 1, [] {
    return OnGround(
        [](Canvas& c) {
          Disc(c, 16, 16, 11, C(60, 45, 35));
          Disc(c, 15, 15, 7, C(35, 28, 22));
          Ring(c, 16, 16, 11, 1.5f, C(130, 110, 80));
        },
        51);
  });
  add(52, "TX_TILE_PLATE", "tx_tile_plate.tga", 24, 1, [] {
    return OnGround(
        [](Canvas& c) {
          FillRect(c, 5, 5, 27, 27, C(120, 125, 135));
          FillRect(c, 7, 7, 25, 25, C(95, 100, 110));
          for (int k = 0; k < 4; k++)
            Disc(c, k & 1 ? 24.5f : 7.5f, k & 2 ? 24.5f : 7.5f, 1.2f, C(190, 190, 200));
        },
        52);
  });
  add(79, "TX_TILE_ROAD", "tx_tile_road.tga", 24, 1, [] {
    return OnGround(
        [](Canvas& c) {
          FillRect(c, 0, 9, 32, 23, C(120, 105, 80));
          Segment(c, 0, 16, 32, 16, 1, C(160, 145, 110, 140));
        },
        79);
  });
  // Decorations, also the editor's field cursors.
  add(80, "TX_DECO_CRYSTAL", "tx_deco_crystal.tga", 32, 1,
      [] { return Decoration([](Canvas& c) { Crystal(c, C(90, 200, 230)); }, 80); });
  add(81, "TX_DECO_TREE", "tx_deco_tree.tga", 32, 1, [] { return Decoration(Tree, 81); });
  add(82, "TX_DECO_ORE", "tx_deco_ore.tga", 32, 1,
      [] { return Decoration([](Canvas& c) { Stones(c, C(150, 90, 60)); }, 82); });
  add(83, "TX_DECO_BUSH", "tx_deco_bush.tga", 32, 1, [] {
    return Decoration(
        [](Canvas& c) {
          Disc(c, 11, 20, 7, C(40, 110, 45));
          Disc(c, 21, 19, 8, C(50, 125, 50));
          Disc(c, 16, 14, 7, C(70, 145, 60));
        },
        83);
  });
  add(84, "TX_DECO_GOLD", "tx_deco_gold.tga", 32, 1,
      [] { return Decoration([](Canvas& c) { Stones(c, C(230, 190, 60)); }, 84); });
  add(85, "TX_DECO_GEM", "tx_deco_gem.tga", 32, 1,
      [] { return Decoration([](Canvas& c) { Crystal(c, C(220, 70, 160)); }, 85); });
  add(86, "TX_DECO_STUMP", "tx_deco_stump.tga", 32, 1, [] {
    return Decoration(
        [](Canvas& c) {
          Disc(c, 16, 18, 8, C(110, 75, 40));
          Ring(c, 16, 18, 4, 1.2f, C(160, 120, 70));
        },
        86);
  });
  add(87, "TX_DECO_FLOWERS", "tx_deco_flowers.tga", 32, 1, [] {
    return Decoration(
        [](Canvas& c) {
          KitRand r(87);
          for (int i = 0; i < 9; i++) {
            float x = 5 + r.Unit() * 22, y = 5 + r.Unit() * 22;
            Disc(c, x, y, 2.2f, i % 3 ? C(240, 230, 90) : C(230, 90, 120));
            Disc(c, x, y, 0.9f, C(255, 250, 220));
          }
        },
        87);
  });
  // Minimap backgrounds, panels and pictures of the screens.
  add(60, "TX_MAP_SURFACE", "tx_map_surface.tga", 24, 0,
      [] { return Ground(C(50, 70, 40), C(70, 95, 55), 4, 60, 1.2f); });
  add(73, "TX_MAP_UNDER", "tx_map_under.tga", 24, 0,
      [] { return Ground(C(45, 35, 30), C(70, 55, 45), 4, 73, 1.2f); });
  add(65, "TX_GLOW_ATLAS", "tx_glow_atlas.tga", 32, 0, GlowAtlas);
  add(66, "TX_FLOORBOX_HOVER", "tx_floorbox_hover.tga", 32, 0, [] {
    Canvas c(64, 64, {1, 1, 1, 0});
    for (int y = 0; y < 64; y++)
      for (int x = 0; x < 64; x++) {
        int e = std::min(std::min(x, y), std::min(63 - x, 63 - y));
        c.At(x, y) = {1, 1, 1, e < 8 ? (8 - e) / 8.0f : 0.15f};
      }
    return c;
  });
  add(69, "TX_MAP_PICTURE", "tx_map_picture.tga", 24, 0, [] { return MapPicture(256, 69); });
  add(70, "TX_NAMEBAR_BLUE", "tx_namebar_blue.tga", 24, 0,
      [] { return Panel(256, 32, C(70, 100, 170), C(30, 45, 90), 2, 70); });
  add(71, "TX_NAMEBAR_GREEN", "tx_namebar_green.tga", 24, 0,
      [] { return Panel(256, 32, C(70, 140, 80), C(30, 70, 40), 2, 71); });
  add(72, "TX_NAMEBAR_RED", "tx_namebar_red.tga", 24, 0,
      [] { return Panel(256, 32, C(160, 70, 60), C(80, 30, 30), 2, 72); });
  add(74, "TX_START_BACK", "tx_start_back.tga", 24, 0, [] {
    Canvas c(256, 256);
    VGradient(c, C(25, 35, 70), C(8, 10, 22));
    Canvas grain(256, 256);
    NoiseTint(grain, C(0, 0, 0), C(255, 255, 255), 8, 74, 1.6f);
    for (int y = 0; y < 256; y++)
      for (int x = 0; x < 256; x++) {
        float v = grain.At(x, y).r, d = std::hypot(x - 128.0f, y - 110.0f) / 180;
        Rgba& p = c.At(x, y);
        float k = (0.85f + 0.3f * v) * (1.1f - 0.5f * d * d);
        p.r *= k, p.g *= k, p.b *= k;
      }
    return c;
  });
  add(92, "TX_MAP_HOVER", "tx_map_hover.tga", 32, 0, [] {
    Canvas c(128, 128, {1, 1, 1, 0});
    Ring(c, 64, 64, 58, 6, C(255, 230, 120, 200));
    Glow(c, 64, 64, 64, C(255, 240, 180, 60));
    return c;
  });
  return e;
}

bool WriteTextures(const std::string& outDir) {
  std::vector<TexEntry> entries = Entries();
  std::string list =
      "Start-up textures of tolv, drawn by the asset kit: per record a line, name, slot, image, mip "
      "mode\n";
  list += std::to_string(entries.size()) + "\n";
  for (const TexEntry& t : entries) {
    Canvas c = t.draw();
    // Alternate the origin so both row orders are shipped and read.
    if (!WriteTga(outDir + "/" + t.file, c, t.bits, false, t.slot % 2 == 1)) {
      fprintf(stderr, "assetkit: cannot write %s\n", t.file);
      return false;
    }
    list += "----\n" + std::string(t.name) + "\n" + std::to_string(t.slot) + "\nuni_files/res/" +
            t.file + "\n" + std::to_string(t.mip) + "\n";
  }
  FILE* f = fopen((outDir + "/pix_start.txt").c_str(), "wb");
  if (!f) return false;
  bool ok = fwrite(list.data(), 1, list.size(), f) == list.size();
  return fclose(f) == 0 && ok;
}

}  // namespace

bool Kit_WriteTextures(const std::string& outDir) { return WriteTextures(outDir); }

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: tolv_assetkit <out dir> <DejaVu font dir>\n");
    return 2;
  }
  if (!Kit_FontOpen(argv[2])) {
    fprintf(stderr, "assetkit: FreeType did not start\n");
    return 1;
  }
  bool ok = Kit_WriteFonts(argv[1]) && Kit_WriteTextures(argv[1]);
  Kit_FontClose();
  if (!ok) return 1;
  printf("assetkit: fonts and textures written to %s\n", argv[1]);
  return 0;
}
