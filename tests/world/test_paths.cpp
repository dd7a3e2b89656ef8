// The path search against two oracles on seeded random maps of every layer and both grids: a
// literal transcription of the search as written (binary heap of item numbers with a linear scan
// on decrease-key, stamps in (N + 1)-wide tables), which must give the same answer and the same
// path, and a breadth-first reachability search, which must agree on whether a path exists.
#include <algorithm>
#include <cstdlib>
#include <deque>
#include <vector>

#include "world/movement.h"
#include "world_fixture.h"

namespace {

// ---- the search exactly as written, on the map of one layer (column * n + row)
struct Literal {
  int n;
  const uint8_t* map;
  std::vector<int> g, pc, pr, stamp;  // (n + 1)-wide cell tables
  std::vector<int> col, row, h, f;    // per open item
  std::vector<int> heap;              // 1-based item numbers
  int count = 0;
  int gen = 10;
  std::vector<std::pair<int, int>> bank;

  explicit Literal(int size)
      : n(size),
        g((n + 1) * (n + 1)),
        pc(g.size()),
        pr(g.size()),
        stamp(g.size()),
        col(n * n + 2),
        row(n * n + 2),
        h(n * n + 2),
        f(n * n + 2),
        heap(n * n + 2) {}
  int At(int c, int r) const { return r * (n + 1) + c; }
  bool Blocked(int c, int r) const { return c < 0 || r < 0 || c >= n || r >= n || map[c * n + r]; }

  int Find(int x0, int z0, int x1, int z1, int size) {
    bank.clear();
    int sx = x0 / size, sy = z0 / size, tx = x1 / size, ty = z1 / size;
    if (sx < 0 || sy < 0 || sx >= n || sy >= n) return 2;  // no start cell off the grid
    if (sx == tx && sy == ty) return 2;
    if (Blocked(tx, ty)) return 2;
    if (gen > 1000000) {
      std::fill(stamp.begin(), stamp.end(), 0);
      gen = 10;
    }
    int open = gen + 1, closed = gen + 2;
    gen += 2;
    g[At(sx, sy)] = 0;
    int items = 1;
    count = 1;
    heap[1] = 1;
    col[1] = sx, row[1] = sy;
    for (;;) {
      if (count == 0) return 2;
      int it = heap[1];
      int px = col[it], py = row[it];
      stamp[At(px, py)] = closed;
      heap[1] = heap[count];
      count--;
      int u = 1;
      for (;;) {
        int v = u;
        if (2 * u <= count && f[heap[u]] >= f[heap[2 * u]]) v = 2 * u;
        if (2 * u + 1 <= count && f[heap[v]] >= f[heap[2 * u + 1]]) v = 2 * u + 1;
        if (v == u) break;
        std::swap(heap[u], heap[v]);
        u = v;
      }
      for (int y = py - 1; y <= py + 1; y++)
        for (int x = px - 1; x <= px + 1; x++) {
          if (x == -1 || y == -1 || x == n || y == n) continue;
          if (stamp[At(x, y)] == closed || Blocked(x, y)) continue;
          bool diag = x != px && y != py;
          if (diag && (Blocked(px, y) || Blocked(x, py))) continue;
          int cost = diag ? 14 : 10;
          int ng = g[At(px, py)] + cost;
          if (stamp[At(x, y)] == open) {
            if (ng >= g[At(x, y)]) continue;
            g[At(x, y)] = ng;
            pc[At(x, y)] = px, pr[At(x, y)] = py;
            int m = 1;
            while (!(col[heap[m]] == x && row[heap[m]] == y)) m++;
            f[heap[m]] = h[heap[m]] + ng;
            while (m != 1 && f[heap[m]] < f[heap[m / 2]]) {
              std::swap(heap[m], heap[m / 2]);
              m /= 2;
            }
          } else {
            int ni = ++items;
            heap[++count] = ni;
            col[ni] = x, row[ni] = y;
            g[At(x, y)] = ng;
            h[ni] = (std::abs(x - tx) + std::abs(y - ty)) * 10;
            f[ni] = ng + h[ni];
            pc[At(x, y)] = px, pr[At(x, y)] = py;
            int m = count;
            while (m != 1 && f[heap[m]] <= f[heap[m / 2]]) {
              std::swap(heap[m], heap[m / 2]);
              m /= 2;
            }
            stamp[At(x, y)] = open;
          }
        }
      if (stamp[At(tx, ty)] == open) break;
    }
    for (int x = tx, y = ty; !(x == sx && y == sy);) {
      bank.push_back({x, y});
      int a = pc[At(x, y)], b = pr[At(x, y)];
      x = a, y = b;
    }
    std::reverse(bank.begin(), bank.end());
    return 1;
  }
};

// ---- reachability by breadth-first search over the same moves (8 neighbours, no corner cut)
bool Reachable(const uint8_t* map, int n, int sx, int sy, int tx, int ty) {
  auto blocked = [&](int c, int r) { return c < 0 || r < 0 || c >= n || r >= n || map[c * n + r]; };
  std::vector<char> seen(n * n, 0);
  std::deque<std::pair<int, int>> q{{sx, sy}};
  seen[sx * n + sy] = 1;
  while (!q.empty()) {
    auto [c, r] = q.front();
    q.pop_front();
    if (c == tx && r == ty) return true;
    for (int dr = -1; dr <= 1; dr++)
      for (int dc = -1; dc <= 1; dc++) {
        int x = c + dc, y = r + dr;
        if (blocked(x, y) || seen[x * n + y]) continue;
        if (dc && dr && (blocked(c, y) || blocked(x, r))) continue;
        seen[x * n + y] = 1;
        q.push_back({x, y});
      }
  }
  return false;
}

// A random floor: open ground with blocking tiles of every kind at the given density, and a few
// long walls so that whole regions are cut off.
void RandomFloor(LandFloor* fl, int permille) {
  static const uint8_t kBlockers[5] = {0, 1, 5, 6, 7};
  for (int c = 0; c < kLandCells; c++)
    fl->kle[c].tile = (Rand() % 1000 < permille) ? kBlockers[Rand() % 5] : 2;
  for (int w = 0; w < 3; w++) {
    int at = 1 + Rand() % 254, vertical = Rand() % 2, gap = Rand() % 4 ? 1 + Rand() % 254 : -1;
    for (int i = 0; i < kLandSide; i++) {
      if (i == gap) continue;
      fl->kle[vertical ? i * kLandSide + at : at * kLandSide + i].tile = Rand() % 2 ? 0 : 7;
    }
  }
}

}  // namespace

class PathSearch : public WorldTest {
 protected:
  // The answers and paths of the search on the floors the seed makes at three densities against
  // the written search and the reachability oracle; the kinds of answer counted.
  void SameAsTheOracles(int seed);
  int found = 0, refused = 0, unreachable = 0;
};

void PathSearch::SameAsTheOracles(int seed) {
  Literal lit10(kLandSide), lit20(kLandHalfSide);
  for (int permille : {60, 200, 330}) {
    RandSeed((uint32_t)(seed * 1000 + permille));
    for (int fl = 0; fl < 2; fl++) RandomFloor(fl ? &Land.LandUnder : &Land.LandSurface, permille);
    PassMaps_Rebuild();
    for (int floor = 0; floor < 2; floor++)
      for (int layer = 1; layer <= kLandLayers; layer++)
        for (int half = 0; half < 2; half++) {
          LandFloor* fl = floor ? &Land.LandUnder : &Land.LandSurface;
          Literal& lit = half ? lit20 : lit10;
          const int n = half ? kLandHalfSide : kLandSide, size = half ? 20 : 10;
          lit.map = half ? fl->paf2[layer - 1] : fl->paf[layer - 1];
          Paths.PathFloor = floor;
          for (int q = 0; q < 10; q++) {
            // Points over the whole field and a little beyond it, edges included; most targets
            // on open cells.
            int x0 = Rand() % 2600 - 20, z0 = Rand() % 2600 - 20, x1 = Rand() % 2600 - 20,
                z1 = Rand() % 2600 - 20;
            for (int tries = 0; q >= 3 && tries < 50; tries++) {
              x0 = Rand() % 2560, z0 = Rand() % 2560;
              if (!lit.map[(x0 / size) * n + z0 / size]) break;
            }
            for (int tries = 0; q >= 3 && tries < 50; tries++) {
              x1 = Rand() % 2560, z1 = Rand() % 2560;
              if (!lit.map[(x1 / size) * n + z1 / size]) break;
            }
            if (q == 0) x0 = -15, z0 = 2575;  // off the grid
            if (q == 1) x0 = 0, z0 = 0;       // the corner cell
            int got = half ? Land_PathFind20(layer, 0, x0, z0, x1, z1)
                           : Land_PathFind(layer, 0, x0, z0, x1, z1);
            int want = lit.Find(x0, z0, x1, z1, size);
            ASSERT_EQ(got, want) << "seed " << seed << " layer " << layer << " half " << half << " q "
                                 << q;
            int sx = x0 / size, sy = z0 / size, tx = x1 / size, ty = z1 / size;
            bool startOn = sx >= 0 && sy >= 0 && sx < n && sy < n;
            bool targetOk = tx >= 0 && ty >= 0 && tx < n && ty < n && !lit.map[tx * n + ty];
            if (startOn && targetOk && !(sx == tx && sy == ty)) {
              bool reach = Reachable(lit.map, n, sx, sy, tx, ty);
              ASSERT_EQ(got == 1, reach) << "layer " << layer;
              unreachable += !reach;
            } else {
              ASSERT_EQ(got, 2);
              refused++;
            }
            if (got != 1) continue;
            found++;
            const PathSlot& p = Paths.PathSlots[0];
            ASSERT_EQ(p.len, (int)lit.bank.size());
            int c = sx, r = sy;
            for (int i = 0; i < p.len; i++) {
              int x = p.step[i][0], y = p.step[i][1];
              ASSERT_EQ(x, lit.bank[i].first);
              ASSERT_EQ(y, lit.bank[i].second);
              ASSERT_TRUE(std::max(std::abs(x - c), std::abs(y - r)) == 1) << "steps are neighbours";
              ASSERT_EQ(lit.map[x * n + y], 0) << "every step is free";
              if (x != c && y != r) {
                ASSERT_FALSE(lit.map[c * n + y] || lit.map[x * n + r]) << "no corner cut";
              }
              c = x, r = y;
            }
            ASSERT_EQ(c, tx);
            ASSERT_EQ(r, ty);
          }
        }
  }
}

// Each seed gives every kind of answer; a test each, so that each takes half the time.
TEST_F(PathSearch, SameAnswersAndPathsAsTheWrittenSearchAndTheReachabilityOracleSeed7) {
  SameAsTheOracles(7);
  EXPECT_GT(found, 125);
  EXPECT_GT(refused, 50);
  EXPECT_GT(unreachable, 50);
}

TEST_F(PathSearch, SameAnswersAndPathsAsTheWrittenSearchAndTheReachabilityOracleSeed977) {
  SameAsTheOracles(977);
  EXPECT_GT(found, 125);
  EXPECT_GT(refused, 50);
  EXPECT_GT(unreachable, 50);
}

TEST_F(PathSearch, TileTypesBlockTheirLayersAndBorderCellsStayBlocked) {
  // Tile type -> blocked in layers 1..5.
  const int kTable[8][5] = {{1, 1, 1, 1, 1}, {0, 1, 1, 1, 1}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0},
                            {0, 0, 0, 0, 0}, {0, 0, 1, 0, 1}, {0, 1, 1, 1, 1}, {1, 1, 1, 1, 1}};
  for (int t = 0; t < 8; t++) Land.LandUnder.kle[10 * kLandSide + 20 + t].tile = (uint8_t)t;
  Land.LandSurface.kle[5].tile = 2;  // a border cell whose map file called it open ground
  PassMaps_Rebuild();
  Paths.PathFloor = 1;
  for (int t = 0; t < 8; t++)
    for (int l = 1; l <= 5; l++) {
      EXPECT_EQ(Land_Passable10(l, 20 + t, 10), kTable[t][l - 1]) << "type " << t << " layer " << l;
      EXPECT_EQ(Land_Passable20(l, (20 + t) / 2, 5), kTable[t][l - 1] || kTable[t ^ 1][l - 1]);
    }
  Paths.PathFloor = 0;
  for (int l = 1; l <= 5; l++) EXPECT_EQ(Land_Passable10(l, 5, 0), 1);
  EXPECT_EQ(Land_Passable10(0, 20, 20), 1);
  EXPECT_EQ(Land_Passable10(6, 20, 20), 1);
  EXPECT_EQ(Land_Passable10(1, 256, 20), 1);
}

TEST_F(PathSearch, FootprintsBlockLayersTwoToFiveAndUnitsOfLayerOnePassThrough) {
  // Shape -> its cells, as offsets from the first cell.
  const std::vector<std::vector<int>> kCells = {{0},
                                                {0},
                                                {0, 1},
                                                {0, 256},
                                                {0, 1, 2},
                                                {0, 256, 512},
                                                {0, 1, 256, 257},
                                                {0, 1, 256, 257, 512, 513},
                                                {0, 1, 2, 256, 257, 258},
                                                {0, 1, 2, 256, 257, 258, 512, 513, 514},
                                                {0, 1, 256, 257},
                                                {0, 1, 256, 257}};
  const int c = 40 * kLandSide + 40;
  for (int shape = 0; shape <= 12; shape++) {
    for (int cell = c - 600; cell < c + 1200; cell++) {
      bool in = shape >= 1 && shape <= 11 &&
                std::count(kCells[shape].begin(), kCells[shape].end(), cell - c) > 0;
      ASSERT_EQ(Land_FootprintHas(shape, c, cell), in ? 1 : 0) << "shape " << shape << " cell " << cell;
    }
  }
  EXPECT_EQ(Land_FootprintHas(1, 0, 0), 0);
  // A standing 3 x 3 building on a wall's only gap: layer 1 still walks through it, layer 2 not.
  for (int r = 1; r < 255; r++) Land.LandSurface.kle[r * kLandSide + 100].tile = 0;
  Land.LandSurface.kle[50 * kLandSide + 100].tile = 2;
  Fgr* b = Make(101);
  b->LandKleLUp = 49 * kLandSide + 99;
  b->LandKleStamp = 9;
  Fgr* dying = Make(101);
  dying->LandKleLUp = 10 * kLandSide + 10;
  dying->LandKleStamp = 1;
  dying->isMort = 100;
  PassMaps_Rebuild();
  Paths.PathFloor = 0;
  EXPECT_EQ(Land_PathFind(1, 0, 505, 505, 1505, 505), 1);
  EXPECT_EQ(Land_PathFind(2, 0, 505, 505, 1505, 505), 2);
  EXPECT_EQ(Land_Passable10(2, 10, 10), 0) << "a dying figure blocks nothing";
  // Stamping ignores indexes off the grid.
  Grid256_Mark(&Land.LandSurface, -1, 1, 1, 1, 1, 1);
  Grid256_Mark(&Land.LandSurface, kLandCells, 1, 1, 1, 1, 1);
  Land_StampFootprint(9, kLandCells - 2, 1, 1, 1, 1, 1, 0);
}

TEST_F(PathSearch, EdgeAnswersAndTheGenerationWrap) {
  Paths.PathFloor = 0;
  Land.LandSurface.kle[30 * kLandSide + 31].tile = 0;
  PassMaps_Rebuild();
  int gen = Paths.PathGen;
  EXPECT_EQ(Land_PathFind(1, 0, 300, 300, 315, 305), 2) << "a blocked target";
  EXPECT_EQ(Paths.PathGen, gen) << "answered before any stamp changes";
  EXPECT_EQ(Land_PathFind(1, 0, 300, 300, 309, 301), 2) << "start and target in one cell";
  EXPECT_EQ(Land_PathFind(1, 4, 300, 300, 600, 600), 2) << "no slot 4";
  EXPECT_EQ(Land_PathFind(1, 0, -2000000000, 300, 600, 600), 2) << "a start off the grid";
  // The same search after the counter passes its limit finds the same path.
  ASSERT_EQ(Land_PathFind(1, 0, 105, 105, 2005, 1805), 1);
  std::vector<int> first(&Paths.PathSlots[0].step[0][0],
                         &Paths.PathSlots[0].step[0][0] + 2 * Paths.PathSlots[0].len);
  Paths.PathGen = kPathGenWrap + 1;
  ASSERT_EQ(Land_PathFind(1, 0, 105, 105, 2005, 1805), 1);
  EXPECT_EQ(Paths.PathGen, kPathGenStart + 2);
  std::vector<int> again(&Paths.PathSlots[0].step[0][0],
                         &Paths.PathSlots[0].step[0][0] + 2 * Paths.PathSlots[0].len);
  EXPECT_EQ(first, again);
  // Cell (40, 40) whose only open neighbour is the diagonal (41, 41) past two blocked cells.
  for (int r = 39; r <= 41; r++)
    for (int c = 39; c <= 41; c++)
      if (!(c == 40 && r == 40) && !(c == 41 && r == 41))
        Land.LandSurface.kle[r * kLandSide + c].tile = 0;
  PassMaps_Rebuild();
  EXPECT_EQ(Land_PathFind(1, 0, 405, 405, 415, 415), 2);
  EXPECT_EQ(Land_PathFind(1, 0, 415, 415, 405, 405), 2);
}

// The maps are rebuilt by the frame clock whatever the mode, but figures plan their routes only
// while the game runs: neither paused nor edited.
TEST_F(PathSearch, RoutesArePlannedOnlyWhileTheGameRuns) {
  const int cell = 20 * kLandSide + 20;
  Fgr* b = Make(101);  // a 2 x 2 building
  b->LandKleStamp = 6;
  b->LandKleLUp = 60 * kLandSide + 60;
  struct Case {
    int pause, edit, planned;
  } const kCases[] = {{1, 0, 0}, {0, 1, 0}, {1, 1, 0}, {0, 0, 1}};
  for (const Case& k : kCases) {
    Fgr* u = MakeUnit(2, cell);
    u->targPathKle = 20 * kLandSide + 120;
    o2::GamePause = k.pause;
    EditModeOn = k.edit;
    PassMaps_Rebuild();
    Paths.PathFloor = 0;
    EXPECT_EQ(Land_Passable10(2, 60, 61), 1) << "the maps are rebuilt in every mode";
    EXPECT_EQ(u->onPath, k.planned) << k.pause << k.edit;
    EXPECT_EQ(u->targPathKle, 20 * kLandSide + 120) << "the order stays";
    u->Sbros();
  }
  o2::GamePause = 0;
  EditModeOn = 0;
}
