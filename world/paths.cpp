// Passability maps and the A* path search over them.
//
// The search is the classic one: a binary heap of open items ordered by f = g + h (Manhattan
// distance times 10), diagonal steps cost 14 and never cut a blocked corner, generation stamps mark
// open and closed cells so nothing is cleared between searches, and the search ends as soon as the
// target is opened. Two things make it faster without changing any answer: each open item knows
// its heap position (a decrease-key needs no scan of the heap), and a target outside the start's
// connected region is refused at once from labels of the map's regions, made once per map after
// each rebuild. Diagonal steps need both orthogonal cells free, so the regions are the plain
// 4-connected regions of free cells.
#include "world/paths.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "gm/org_base.h"
#include "shell/random.h"
#include "world/land_grid.h"
#include "world/movement.h"

t_Paths Paths;

namespace {

struct PathCell {
  int stamp;
  int g;
  int parent;  // cell index (row * N + column) of the cell it was reached from
  int item;    // its open item while it is open
};

constexpr int kItemsMax = kLandCells + 2;
// World units a cell of the fine map; a cell of the coarse one is twice that.
constexpr int kCellUnits = (int)kLandCellSize;

struct SearchState {
  PathCell cell10[kLandCells];
  PathCell cell20[kLandHalfSide * kLandHalfSide];
  uint64_t heap[kItemsMax];  // the open list as a binary heap: f in the high word, the item below
  int itemCell[kItemsMax];
  int itemH[kItemsMax];
  int itemPos[kItemsMax];
};
SearchState S;

// Region labels of each map (0 blocked), made on the first search after the map changed.
struct Labels {
  uint16_t lab10[2][kLandLayers][kLandCells];
  uint16_t lab20[2][kLandLayers][kLandHalfSide * kLandHalfSide];
  uint8_t valid10[2][kLandLayers];
  uint8_t valid20[2][kLandLayers];
};
Labels L;

// The layers each cell blocks by its tile, as bits, index column * 256 + row: the rebuild's scratch.
struct TileMasks {
  uint8_t mask[kLandCells];
};
TileMasks M;

const uint8_t* MapOf(int floor, int layer, int n) {
  LandFloor* fl = Land_Floor(floor);
  return n == kLandSide ? fl->paf[layer - 1] : fl->paf2[layer - 1];
}

// Labels a map laid out column * n + row: the free cells of each column form runs, and runs of
// neighbouring columns that share a row belong to one region (union-find over the runs).
constexpr int kRunsMax = kLandCells / 2 + kLandSide;
struct Runs {
  int start[kRunsMax], end[kRunsMax], col[kRunsMax], parent[kRunsMax];
  uint16_t label[kRunsMax];
};
Runs R;

int RunRoot(int i) {
  while (R.parent[i] != i) i = R.parent[i] = R.parent[R.parent[i]];
  return i;
}

void LabelMap(const uint8_t* map, uint16_t* lab, int n) {
  int runs = 0, prevFirst = 0, prevEnd = 0;
  for (int c = 0; c < n; c++) {
    const uint8_t* column = map + c * n;
    const int first = runs;
    for (int r = 0; r < n;) {
      if (column[r]) {
        r++;
        continue;
      }
      R.start[runs] = r;
      while (r < n && !column[r]) r++;
      R.end[runs] = r - 1;
      R.col[runs] = c;
      R.parent[runs] = runs;
      runs++;
    }
    for (int i = prevFirst, j = first; i < prevEnd && j < runs;) {
      if (R.end[i] < R.start[j]) {
        i++;
      } else if (R.end[j] < R.start[i]) {
        j++;
      } else {
        int a = RunRoot(i), b = RunRoot(j);
        if (a != b) R.parent[a > b ? a : b] = a < b ? a : b;
        if (R.end[i] < R.end[j]) i++;
        else j++;
      }
    }
    prevFirst = first;
    prevEnd = runs;
  }
  memset(lab, 0, sizeof(uint16_t) * n * n);
  uint16_t next = 0;
  for (int i = 0; i < runs; i++) {
    int root = RunRoot(i);
    R.label[i] = root == i ? ++next : R.label[root];  // a root comes before the runs joined to it
    uint16_t* out = lab + R.col[i] * n;
    for (int r = R.start[i]; r <= R.end[i]; r++) out[r] = R.label[i];
  }
}

const uint16_t* LabelsOf(int floor, int layer, int n) {
  int fl = floor == 1 ? 1 : 0;
  if (n == kLandSide) {
    if (!L.valid10[fl][layer - 1]) LabelMap(MapOf(floor, layer, n), L.lab10[fl][layer - 1], n);
    L.valid10[fl][layer - 1] = 1;
    return L.lab10[fl][layer - 1];
  }
  if (!L.valid20[fl][layer - 1]) LabelMap(MapOf(floor, layer, n), L.lab20[fl][layer - 1], n);
  L.valid20[fl][layer - 1] = 1;
  return L.lab20[fl][layer - 1];
}

// 1 when the target can be reached from the start: a free start by its own region, a blocked
// start (a figure standing where it may not) by the regions of the cells it may step to.
int Reachable(const uint8_t* map, const uint16_t* lab, int n, int sc, int sr, int tc, int tr) {
  int want = lab[tc * n + tr];
  if (!map[sc * n + sr]) return lab[sc * n + sr] == want;
  for (int r = sr - 1; r <= sr + 1; r++)
    for (int c = sc - 1; c <= sc + 1; c++) {
      if (c < 0 || r < 0 || c >= n || r >= n || (c == sc && r == sr) || map[c * n + r]) continue;
      if (c != sc && r != sr && (map[sc * n + r] || map[c * n + sr])) continue;
      if (lab[c * n + r] == want) return 1;
    }
  return 0;
}

inline uint64_t Entry(int f, int item) { return (uint64_t)(uint32_t)f << 32 | (uint32_t)item; }
inline int EntryF(uint64_t e) { return (int)(e >> 32); }
inline int EntryItem(uint64_t e) { return (int)(uint32_t)e; }

inline void HeapPut(int m, uint64_t e) {
  S.heap[m] = e;
  S.itemPos[EntryItem(e)] = m;
}

// An entry rises from position m while its f is below (strict) or not above its parent's.
template <bool kStrict>
void HeapRise(int m, uint64_t e) {
  const int f = EntryF(e);
  while (m != 1 && (kStrict ? f < EntryF(S.heap[m / 2]) : f <= EntryF(S.heap[m / 2]))) {
    HeapPut(m, S.heap[m / 2]);
    m /= 2;
  }
  HeapPut(m, e);
}

template <int N>
int PathFindN(PathCell* cells, int layer, int slot, int x0, int z0, int x1, int z1, int size) {
  Paths.PathExpanded = 0;
  if (slot < 0 || slot >= kPathSlots) return 2;
  const int sc = x0 / size, sr = z0 / size, tc = x1 / size, tr = z1 / size;
  // A figure off the field has no start cell: nothing may be read or written for it.
  if (sc < 0 || sr < 0 || sc >= N || sr >= N) return 2;
  if (sc == tc && sr == tr) return 2;
  if (N == kLandSide ? Land_Passable10(layer, tc, tr) : Land_Passable20(layer, tc, tr)) return 2;
  if (Paths.PathGen > kPathGenWrap) {
    // Both grids share the counter, so both forget their stamps.
    for (PathCell& k : S.cell10) k.stamp = 0;
    for (PathCell& k : S.cell20) k.stamp = 0;
    Paths.PathGen = kPathGenStart;
  }
  const int open = Paths.PathGen + 1, closed = Paths.PathGen + 2;
  Paths.PathGen += 2;
  PathSlot& out = Paths.PathSlots[slot];
  out.len = 0;
  const uint8_t* map = MapOf(Paths.PathFloor, layer, N);
  if (!Reachable(map, LabelsOf(Paths.PathFloor, layer, N), N, sc, sr, tc, tr)) return 2;

  const int start = sr * N + sc, target = tr * N + tc;
  cells[start].g = 0;
  int items = 1, count = 1;
  S.itemCell[1] = start;
  S.itemH[1] = 0;
  HeapPut(1, Entry(0, 1));
  cells[start].item = 1;
  while (cells[target].stamp != open) {
    if (!count) return 2;
    const int pidx = S.itemCell[EntryItem(S.heap[1])];
    PathCell& par = cells[pidx];
    par.stamp = closed;
    Paths.PathExpanded++;
    // The last entry goes to the top and sinks while a child is not above it: the smaller child
    // (the right one on a tie) moves up while it is not above the entry. Along that path of
    // children f never falls, so the hole is first taken down the whole path with one compare a
    // level, and the entry then rises back past the children that were above it; the heap ends
    // as the step-by-step sinking leaves it.
    const uint64_t last = S.heap[count--];
    if (count) {
      int u = 1;
      for (int l = 2; l <= count; l = 2 * u) {
        const int v = l + 1 <= count && EntryF(S.heap[l + 1]) <= EntryF(S.heap[l]) ? l + 1 : l;
        HeapPut(u, S.heap[v]);
        u = v;
      }
      const int fLast = EntryF(last);
      while (u != 1 && EntryF(S.heap[u / 2]) > fLast) {
        HeapPut(u, S.heap[u / 2]);
        u /= 2;
      }
      HeapPut(u, last);
    }
    const int pc = pidx % N, pr = pidx / N, pg = par.g;
    // The 3 x 3 cells around the parent, blocked (or off the grid) or not, read once.
    bool b[3][3];
    if (pc > 0 && pr > 0 && pc < N - 1 && pr < N - 1) {
      for (int dc = 0; dc < 3; dc++) {
        const uint8_t* column = map + (pc + dc - 1) * N + pr - 1;
        for (int dr = 0; dr < 3; dr++) b[dr][dc] = column[dr] != 0;
      }
    } else {
      for (int dr = 0; dr < 3; dr++)
        for (int dc = 0; dc < 3; dc++) {
          const int c = pc + dc - 1, r = pr + dr - 1;
          b[dr][dc] = c < 0 || r < 0 || c >= N || r >= N || map[c * N + r];
        }
    }
    for (int dr = 0; dr < 3; dr++)
      for (int dc = 0; dc < 3; dc++) {
        if (b[dr][dc]) continue;
        const int c = pc + dc - 1, r = pr + dr - 1, idx = pidx + (dr - 1) * N + (dc - 1);
        PathCell& k = cells[idx];
        if (k.stamp == closed) continue;
        const bool diag = dc != 1 && dr != 1;
        if (diag && (b[dr][1] || b[1][dc])) continue;
        const int g = pg + (diag ? 14 : 10);
        if (k.stamp == open) {
          if (g >= k.g) continue;
          k.g = g;
          k.parent = pidx;
          HeapRise<true>(S.itemPos[k.item], Entry(S.itemH[k.item] + g, k.item));
        } else {
          const int item = ++items;
          const int h = (std::abs(c - tc) + std::abs(r - tr)) * 10;
          S.itemCell[item] = idx;
          S.itemH[item] = h;
          k.item = item;
          k.g = g;
          k.parent = pidx;
          k.stamp = open;
          HeapRise<false>(++count, Entry(g + h, item));
        }
      }
  }
  // The chain is walked once, from the target back, and the steps then turned round.
  int len = 0;
  for (int k = target; k != start && len < kPathBank; k = cells[k].parent, len++) {
    out.step[len][0] = k % N;
    out.step[len][1] = k / N;
  }
  out.len = len;
  for (int i = 0, j = len - 1; i < j; i++, j--)
    for (int a = 0; a < 2; a++) std::swap(out.step[i][a], out.step[j][a]);
  return 1;
}

int LayerOk(int layer) { return layer >= 1 && layer <= kLandLayers; }

// Layers 1..5 blocked by each tile type, as bits 0..4.
constexpr uint8_t kTileBlocks[8] = {0x1F, 0x1E, 0, 0, 0, 0x14, 0x1E, 0x1F};

void MarkCell(LandFloor* fl, int cell, unsigned mask) {
  const int col = cell % kLandSide, row = cell / kLandSide;
  for (int l = 0; l < kLandLayers; l++)
    if (mask & (1u << l)) {
      fl->paf[l][col * kLandSide + row] = 1;
      fl->paf2[l][(col / 2) * kLandHalfSide + row / 2] = 1;
    }
}

const int* FootprintOf(int shape, int* n) {
  // The cells of each shape from its first cell, named by their (column, row) step.
  constexpr int c00 = Land_CellStep(0, 0), c10 = Land_CellStep(1, 0), c20 = Land_CellStep(2, 0);
  constexpr int c01 = Land_CellStep(0, 1), c11 = Land_CellStep(1, 1), c21 = Land_CellStep(2, 1);
  constexpr int c02 = Land_CellStep(0, 2), c12 = Land_CellStep(1, 2), c22 = Land_CellStep(2, 2);
  static const int k1[] = {c00}, k2[] = {c00, c10}, k3[] = {c00, c01}, k4[] = {c00, c10, c20},
                   k5[] = {c00, c01, c02}, k6[] = {c00, c10, c01, c11},
                   k7[] = {c00, c10, c01, c11, c02, c12}, k8[] = {c00, c10, c20, c01, c11, c21},
                   k9[] = {c00, c10, c20, c01, c11, c21, c02, c12, c22};
  switch (shape) {
    case 1: *n = 1; return k1;
    case 2: *n = 2; return k2;
    case 3: *n = 2; return k3;
    case 4: *n = 3; return k4;
    case 5: *n = 3; return k5;
    case 6:
    case 10:
    case 11: *n = 4; return k6;
    case 7: *n = 6; return k7;
    case 8: *n = 6; return k8;
    case 9: *n = 9; return k9;
    default: *n = 0; return nullptr;
  }
}

}  // namespace

void PassMaps_Changed() {
  memset(L.valid10, 0, sizeof L.valid10);
  memset(L.valid20, 0, sizeof L.valid20);
}

int Land_PathFind(int layer, int slot, int x0, int z0, int x1, int z1) {
  if (!LayerOk(layer)) return 2;
  return PathFindN<kLandSide>(S.cell10, layer, slot, x0, z0, x1, z1, kCellUnits);
}

int Land_PathFind20(int layer, int slot, int x0, int z0, int x1, int z1) {
  if (!LayerOk(layer)) return 2;
  return PathFindN<kLandHalfSide>(S.cell20, layer, slot, x0, z0, x1, z1, 2 * kCellUnits);
}

int Land_Passable10(int layer, int column, int row) {
  if (!LayerOk(layer) || column < 0 || row < 0 || column >= kLandSide || row >= kLandSide) return 1;
  return MapOf(Paths.PathFloor, layer, kLandSide)[column * kLandSide + row] ? 1 : 0;
}

int Land_Passable20(int layer, int column, int row) {
  if (!LayerOk(layer) || column < 0 || row < 0 || column >= kLandHalfSide || row >= kLandHalfSide)
    return 1;
  return MapOf(Paths.PathFloor, layer, kLandHalfSide)[column * kLandHalfSide + row] ? 1 : 0;
}

int Land_CornerCut10(int layer, int column, int row, int parentColumn, int parentRow) {
  if (std::abs(column - parentColumn) != 1 || std::abs(row - parentRow) != 1) return 0;
  return Land_Passable10(layer, parentColumn, row) || Land_Passable10(layer, column, parentRow);
}

int Land_CornerCut20(int layer, int column, int row, int parentColumn, int parentRow) {
  if (std::abs(column - parentColumn) != 1 || std::abs(row - parentRow) != 1) return 0;
  return Land_Passable20(layer, parentColumn, row) || Land_Passable20(layer, column, parentRow);
}

void Grid256_Mark(LandFloor* fl, int cell, int l1, int l2, int l3, int l4, int l5) {
  if (!fl || cell < 0 || cell >= kLandCells) return;
  unsigned mask = (l1 ? 1u : 0) | (l2 ? 2u : 0) | (l3 ? 4u : 0) | (l4 ? 8u : 0) | (l5 ? 16u : 0);
  MarkCell(fl, cell, mask);
  PassMaps_Changed();
}

void Land_StampFootprint(int shape, int cell, int l1, int l2, int l3, int l4, int l5, int floor) {
  if (!Land_CellValid(cell)) return;
  int n;
  const int* offs = FootprintOf(shape, &n);
  static const int kOne[] = {0};
  if (!offs) offs = kOne, n = 1;
  LandFloor* fl = Land_Floor(floor);
  for (int i = 0; i < n; i++)
    if (Land_CellValid(cell + offs[i])) Grid256_Mark(fl, cell + offs[i], l1, l2, l3, l4, l5);
}

int Land_FootprintHas(int shape, int c, int cell) {
  if (!Land_CellValid(c) || !Land_CellValid(cell)) return 0;
  int n;
  const int* offs = FootprintOf(shape, &n);
  for (int i = 0; i < n; i++)
    if (c + offs[i] == cell) return 1;
  return 0;
}

void PassMaps_StampFigures(t_Fgrs* c) {
  if (!c) return;
  for (int i = 1; i < kFgrsSlots; i++) {
    Fgr* f = &c->mf[i];
    if (f->Active() && !f->isMort && f->LandKleLUp && f->LandKleStamp)
      Land_StampFootprint(f->LandKleStamp, f->LandKleLUp, 0, 1, 1, 1, 1, f->UnderGround);
  }
  // The maps follow the frame clock, paused or not; planning is a figure's own work, and figures
  // stand still while the game is paused or edited.
  if (o2::GamePause || EditModeOn) return;
  for (int i = 1; i < kFgrsSlots; i++)
    if (c->mf[i].Active()) Fgr_PathPlan(&c->mf[i]);
}

// Blocks a floor's maps by the tile types of its cells; border cells are blocked whatever a map
// file wrote into them. The cells are read once in their own order, the maps written in theirs.
static void PassMaps_MarkTiles(LandFloor* fl) {
  uint8_t* mask = M.mask;
  for (int row = 0; row < kLandSide; row++) {
    const bool borderRow = row == 0 || row == kLandSide - 1;
    for (int col = 0; col < kLandSide; col++) {
      unsigned t = fl->kle[row * kLandSide + col].tile;
      bool border = borderRow || col == 0 || col == kLandSide - 1;
      mask[col * kLandSide + row] = border ? 0x1F : t < 8 ? kTileBlocks[t] : 0;
    }
  }
  for (int l = 0; l < kLandLayers; l++) {
    uint8_t* p10 = fl->paf[l];
    uint8_t* p20 = fl->paf2[l];
    const uint8_t bit = (uint8_t)(1u << l);
    for (int m = 0; m < kLandCells; m++) p10[m] = (mask[m] & bit) ? 1 : 0;
    for (int c2 = 0; c2 < kLandHalfSide; c2++)
      for (int r2 = 0; r2 < kLandHalfSide; r2++) {
        const uint8_t* q = p10 + 2 * c2 * kLandSide + 2 * r2;
        p20[c2 * kLandHalfSide + r2] = q[0] | q[1] | q[kLandSide] | q[kLandSide + 1];
      }
  }
}

void PassMaps_Rebuild() {
  PassMaps_MarkTiles(&Land.LandSurface);
  PassMaps_MarkTiles(&Land.LandUnder);
  PassMaps_Changed();
  PassMaps_StampFigures(&Fgrs);
}

void Fgr_PathPlan(Fgr* f) {
  if (!f || !f->PafLay || !f->targPathKle) return;
  if (f->onPath == 1 && !(f->onPathLen >= 1 && f->onPathNext > 4)) return;
  Paths.PathFloor = f->UnderGround;
  const int target = f->targPathKle;
  float px = f->priv_position_x, pz = f->priv_position_z;
  // An invalid target cell has no point to go to, and a position off the field no start.
  int found = 2;
  float tx = 0.0f, tz = 0.0f;
  if (Land_CellValid(target) && std::isfinite(px) && std::isfinite(pz) && std::fabs(px) < 1.0e6f &&
      std::fabs(pz) < 1.0e6f) {
    Land_CellCentre(target, &tx, &tz);
    found = f->GabarIsFat ? Land_PathFind20(f->PafLay, 0, (int)px, (int)pz, (int)tx, (int)tz)
                          : Land_PathFind(f->PafLay, 0, (int)px, (int)pz, (int)tx, (int)tz);
  }
  if (found != 1) {
    f->onPath = 0;
    f->targPathKle = 0;
    f->targPathKle2 = 0;
    return;
  }
  const PathSlot& p = Paths.PathSlots[0];
  f->onPath = 1;
  f->onPathNext = 0;
  f->onPathLen = p.len;
  if (p.len > 3 && Fgr::Owner(f) != Sides.PlayerSide && f->P_FireTarg == f->P_AutoTarg &&
      Rand() % 11 == 5) {
    Fgr_MoveStateStep(f);
    return;
  }
  const int mul = f->GabarIsFat ? 2 : 1;
  for (int i = 0; i < 3 && i < p.len; i++) {
    f->Paf[i][0] = (short)(p.step[i][0] * mul);
    f->Paf[i][1] = (short)(p.step[i][1] * mul);
  }
  if (p.len > 3 || f->GabarIsFat || p.len == 1) {
    Fgr_AimAtPathStep(f, 10.0f);
    return;
  }
  // A short path with a free straight line becomes one straight leg.
  float cx, cz;
  Land_CellCentre(Land_CellAt(px, pz) < 0 ? 0 : Land_CellAt(px, pz), &cx, &cz);
  bool blocked = false;
  Land_LineWalk(cx, cz, tx, tz, [&](int c) {
    if (c == target) return true;
    blocked = c < 0 || Land_Passable10(f->PafLay, c % kLandSide, c / kLandSide);
    return blocked;
  });
  if (blocked) Fgr_AimAtPathStep(f, 10.0f);
  else Fgr_MoveToWithMark(f, tx, tz);
}
