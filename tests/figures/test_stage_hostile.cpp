// Hostile stage files: every cut of a saved stage, seeded bit flips and changed counts. Each is
// loaded; none may crash, hang or touch memory outside its buffers, and a refused file leaves the
// live world exactly as it was.
#include <climits>
#include <cstddef>
#include <map>

#include "figures/chains.h"
#include "stage_fate.h"
#include "stage_fixture.h"

namespace {

using stage_fate::SweepUntilStill;

class StageHostile : public StageTest {
 protected:
  std::vector<char> base_, loc_;
  WorldCopy world_;

  // A saved stage (base file and location 3) and the live world it was saved from.
  void Prepare(int withLand, int locFigures) {
    BuildWorld(withLand, locFigures);
    ASSERT_EQ(Etap_Save(Name("h.etp")), 1);
    base_ = ReadBytes<char>(Name("h.etp"));
    loc_ = ReadBytes<char>(Name("h.etp03"));
    world_.Take();
  }

  // A base part and its location part; with no base part (empty), the location alone.
  int LoadPair(std::vector<char>& b, size_t nb, std::vector<char>& l, size_t nl) {
    FILE* fl = MemFile(l, nl);
    if (b.empty()) {
      const int r = Etap_LoadFrom(&Fgrs, fl);
      fclose(fl);
      return r;
    }
    FILE* fb = MemFile(b, nb);
    int r = Stage_LoadPair(fb, fl);
    fclose(fb);
    fclose(fl);
    return r;
  }

  // After an accepted hostile file: the per-frame sweeps must find no dead chain member, and the
  // world must still reset and save without harm; then the prepared stage is taken again.
  void Recover() {
    o2::NeedExit = 0;
    SweepUntilStill();
    ASSERT_EQ(o2::NeedExit, 0);
    Fgrs.ResetAll();
    char* buf = nullptr;
    size_t n = 0;
    FILE* m = open_memstream(&buf, &n);
    Etap_SaveTo(&Fgrs, m);
    Base_SaveTo(&Fgrs, m, 3);
    fclose(m);
    free(buf);
    ASSERT_EQ(LoadPair(base_, base_.size(), loc_, loc_.size()), 3);
    world_.TakeFigures();
  }

  // A load of the parts that must be refused: the reason in the log lines it writes, and nothing of
  // the check's sweeps there (a reset of the scratch world says "DeadLink" or "LoopLink"); the live
  // world as it was.
  void ExpectRefused(std::vector<char>& b, std::vector<char>& l, const std::string& log) {
    LogResetCount();
    const size_t logged = LogText().size();
    EXPECT_EQ(LoadPair(b, b.size(), l, l.size()), 0) << log;
    const std::string written = LogText().substr(logged);
    EXPECT_NE(written.find(log), std::string::npos) << log << "\n" << written;
    EXPECT_TRUE(written.find("DeadLink") == std::string::npos &&
                written.find("LoopLink") == std::string::npos)
        << written;
    EXPECT_TRUE(world_.Same()) << log;
  }

  // A generated world (below): the slot of its first land holder, 0 when it has none.
  static int GenerateWorld();
};

void PutInt(std::vector<char>& b, size_t at, int v) { memcpy(b.data() + at, &v, 4); }

TEST_F(StageHostile, EveryCutOfTheBaseFileIsRefusedAndChangesNothing) {
  Prepare(0, 4);
  for (size_t n = 0; n < base_.size(); n++) {
    ASSERT_EQ(LoadPair(base_, n, loc_, loc_.size()), 0) << "cut at " << n;
    ASSERT_TRUE(world_.SameFigures()) << "cut at " << n;
    if (n % 512 == 0) {
      ASSERT_TRUE(world_.Same()) << "cut at " << n;
    }
  }
  EXPECT_NE(LogText().find("\nLoadEtapRefused: base part cut short"), std::string::npos);
  EXPECT_EQ(LoadPair(base_, base_.size(), loc_, loc_.size()), 3);
}

TEST_F(StageHostile, EveryCutOfTheLocationFigurePartAndCutsThroughTheSidesAreRefused) {
  Prepare(0, 6);
  size_t sides = loc_.size() - 5 * (8 + 71 * 4 + 500 * 76);
  for (size_t n = 0; n < loc_.size(); n += (n < sides + 400 ? 1 : 97)) {
    ASSERT_EQ(LoadPair(base_, base_.size(), loc_, n), 0) << "cut at " << n;
    ASSERT_TRUE(world_.SameFigures()) << "cut at " << n;
    if (n % 1024 == 0) {
      ASSERT_TRUE(world_.Same()) << "cut at " << n;
    }
  }
  ASSERT_EQ(LoadPair(base_, base_.size(), loc_, loc_.size() - 1), 0);
  EXPECT_TRUE(world_.Same());
  FILE* f = MemFile(loc_, loc_.size() - 4);
  EXPECT_EQ(Etap_LoadFrom(&Fgrs, f), 0);
  fclose(f);
  EXPECT_TRUE(world_.Same());
}

TEST_F(StageHostile, CutsThroughTheLandBlocksAndAWrongFloorSizeAreRefused) {
  Prepare(1, 2);
  // The land holder is base slot 10: find its first block by its tag.
  std::string all(base_.begin(), base_.end());
  size_t land = all.find("LandChar");
  ASSERT_NE(land, std::string::npos);
  size_t second = all.find("LandChar", land + 8);
  ASSERT_EQ(second - land, 1048600u);
  for (size_t cut : {land, land + 7, land + 8, land + 12, land + 16, land + 17, land + 500000,
                     land + 1048591, land + 1048599, second + 3, second + 24, second + 1048599}) {
    ASSERT_EQ(LoadPair(base_, cut, loc_, loc_.size()), 0) << "cut at " << cut;
    ASSERT_TRUE(world_.Same());
  }
  std::vector<char> bad = base_;
  PutInt(bad, second + 8, 128);
  ExpectRefused(bad, loc_, "\nLoadEtapLand: 128 x 256, not 256 x 256");
}

// Where the figures of a part start: after head, tag and count.
constexpr size_t kFirstFigure = 16 + 8 + 4;

TEST_F(StageHostile, CountsRepeatedNumbersNamesAndLoopsOutsideTheCapacitiesAreRefused) {
  Prepare(0, 3);
  struct Case {
    bool base;
    size_t at;
    int value;
    const char* log;
  };
  const size_t chunk = kFirstFigure + 8 + 4;  // first figure's chunk
  const Case cases[] = {
      {true, 24, 0, "LoadEtapCount: 0"},
      {true, 24, 501, "LoadEtapCount: 501"},
      {true, 24, -7, "LoadEtapCount: -7"},
      {false, 24, 500, "LoadEtapCount: 500"},
      {true, chunk + 8 + 20 * 4, -2, "LoadEtapKind: figure kind -2"},  // status word
      {true, 4, 87620, "LoadEtapHead: kind 87620, not 34579"},
  };
  for (const Case& c : cases) {
    std::vector<char> b = base_, l = loc_;
    PutInt(c.base ? b : l, c.at, c.value);
    ExpectRefused(b, l, c.log);
  }
  const std::string all(base_.begin(), base_.end());
  const size_t links = chunk + 8 + 218 * 4 + 8 + 58 * 4;  // the first figure's links
  // The named-variable part cut short: the base file ends inside its floats.
  std::vector<char> cut(base_.begin(), base_.end() - 12);
  ExpectRefused(cut, loc_, "\nLoadEtapOrg: named variables cut short");
  // The same slot twice.
  std::vector<char> b = base_;
  PutInt(b, all.find("    adr=", kFirstFigure + 8) + 8, 1);
  ExpectRefused(b, loc_, "\nLoadEtapSlot: figure number 1\n");
  // A unit's name with no zero in its 16 bytes.
  const size_t unit = all.find("Fgr#unit");
  ASSERT_NE(unit, std::string::npos);
  b = base_;
  memset(b.data() + unit + 36, 'A', 16);
  ExpectRefused(b, loc_, "LoadEtapName");
  // A figure wearing itself: its reset would never end.
  b = base_;
  PutInt(b, links + 13 * 4, 1);  // link 14, P2_UseHelm
  ExpectRefused(b, loc_, "LoadEtapLinks");
  // A chain head or a chain tail naming a slot the file leaves empty.
  for (int link : {22, 2}) {
    SCOPED_TRACE(link);
    b = base_;
    PutInt(b, links + link * 4, 400);
    ExpectRefused(b, loc_, "LoadEtapLinks: figure 1 chains the empty slot 400");
  }
  // A chain member stored as an empty slot (kind 0).
  size_t at = kFirstFigure;
  for (int i = 1; i < 7; i++) at = all.find("    adr=", at + 8);
  ASSERT_EQ(ReadInt(base_, at + 8), 7);  // the first item of figure 1's chain
  b = base_;
  PutInt(b, at + 12 + 8 + 20 * 4, 0);
  ExpectRefused(b, loc_, "LoadEtapLinks: figure 1 chains the empty slot 7");
  // A location chain whose tail (link 3 of slot 501) comes back to a base figure that owns the
  // location figure, and neither is a loop: base figure 4 holds slot 505 as its auto target only,
  // base figure 3 wears figure 8, which is not in the location.
  std::vector<char> l = loc_;
  for (int owner : {4, 3}) {
    PutInt(l, links + 2 * 4, owner - 500);
    EXPECT_EQ(LoadPair(base_, base_.size(), l, l.size()), 3) << owner;
    Recover();
  }
  // The slot number and a record's in-use flag come from the slot and the pool, not the file.
  b = base_;
  PutInt(b, chunk + 8 + 19 * 4, 777);
  PutInt(b, unit + 8 + 2 * 4, 0);
  EXPECT_EQ(LoadPair(b, b.size(), loc_, loc_.size()), 3);
  EXPECT_EQ(Fgrs.mf[1].nom, 1);
  ASSERT_NE(Fgrs.mf[1].UN, empty_UN_adr());
  EXPECT_EQ(Fgrs.mf[1].UN->isUse, 1);
  Recover();
  // An index list longer than the record holds: the surplus is read and dropped.
  const size_t ind = std::string(loc_.begin(), loc_.end()).find("Fgr#Ind=");
  ASSERT_EQ(ReadInt(loc_, ind + 8), 0);
  std::vector<char> grown = loc_;
  PutInt(grown, ind + 8, 40);
  grown.insert(grown.begin() + ind + 12, 40 * 4, 1);
  EXPECT_EQ(LoadPair(base_, base_.size(), grown, grown.size()), 3);
  EXPECT_EQ(Fgrs.mf[501].IndKlv, 12);
  EXPECT_EQ(Fgrs.mf[501].Ind[11], 0x01010101u);
  Recover();
}

// Where value word w of the figure whose number lies at `number` is stored (after the tag), and
// the word of its running number.
constexpr size_t ValueAt(size_t number, int w) { return number + 4 + 8 + 4 * w; }
constexpr int kLogIndexWord = (offsetof(Fgr, priv_LogIndex) - offsetof(Fgr, svZero)) / 4;
constexpr int kKindWord = (offsetof(Fgr, status) - offsetof(Fgr, svZero)) / 4;

// Where the number of the figure stored under tag and number k sits in a part (npos: none).
size_t FigureNumberAt(const std::vector<char>& b, const char* tag, int k) {
  const std::string all(b.data(), b.size());
  for (size_t at = all.find(tag); at != std::string::npos; at = all.find(tag, at + 8))
    if (at + 12 <= b.size() && ReadInt(b, at + 8) == k) return at + 8;
  return std::string::npos;
}

// Where the number of the figure in a slot sits: in the base part for a base slot, else in the
// location part, which numbers its figures from 1 after the base slots.
std::pair<std::vector<char>*, size_t> SlotNumberAt(std::vector<char>& b, std::vector<char>& l,
                                                   int slot) {
  const bool inBase = slot <= FgrsBaseLast;
  std::vector<char>& t = inBase ? b : l;
  return {&t, FigureNumberAt(t, inBase ? "    adr=" : "    ofs=", inBase ? slot : slot - FgrsBaseLast)};
}

// 1 when no live figure links to slot i, no land cell names it and it carries no land.
bool NamedByNothing(int i) {
  const Fgr* f = &Fgrs.mf[i];
  if (f->landSurf || f->landUnder) return false;
  for (const Fgr& g : Fgrs.mf)
    if (g.Status())
      for (Fgr* Fgr::*l : kFgrLinks)
        if (g.*l == f) return false;
  for (const LandFloor* fl : {&Land.LandSurface, &Land.LandUnder})
    for (const LandKle& k : fl->kle)
      if (k.occupant == f || k.holder == f) return false;
  return true;
}

// A live figure as loaded, with its unit or item record by content (the pools may hand out other
// records on another load).
struct LoadedFigure {
  std::vector<char> fig, rec;
  explicit LoadedFigure(const Fgr& f) {
    Fgr c;
    memcpy((void*)&c, &f, sizeof c);
    c.UN = nullptr;
    c.item = nullptr;
    fig = WorldCopy::Bytes(&c, sizeof c);
    if (f.UN != empty_UN_adr()) rec = WorldCopy::Bytes(f.UN, sizeof *f.UN);
    if (f.item != empty_item_adr()) rec = WorldCopy::Bytes(f.item, sizeof *f.item);
  }
  bool operator==(const LoadedFigure&) const = default;
};

// The shipped stage with one figure renumbered outside its part's range: that figure is read and
// dropped, and the rest of the stage loads as shipped. The figure is one that nothing names: the
// location's first figure holds the land, so one of its other figures; in the base any of the
// five bunkers. A chain member dropped this way leaves its chain naming an empty slot: refused.
TEST_F(StageHostile, AFigureUnderANumberOutsideItsPartIsDroppedAndTheStageLoads) {
  std::vector<char> base = ReadBytes<char>(SourcePath("Maps/test.etp"));
  std::vector<char> loc = ReadBytes<char>(SourcePath("Maps/test.etp01"));
  ASSERT_EQ(LoadPair(base, base.size(), loc, loc.size()), 1);
  world_.Take();
  std::vector<LoadedFigure> shipped;
  for (const Fgr& f : Fgrs.mf) shipped.emplace_back(f);

  ASSERT_EQ(Fgrs.mf[501].status, fgrLandHolder);
  EXPECT_FALSE(NamedByNothing(501));
  for (int b = 1; b <= 5; b++) EXPECT_TRUE(NamedByNothing(b)) << "bunker " << b;
  int locFigure = 0, chainMember = 0;
  for (int i = 502; i < kFgrsSlots; i++) {
    if (!Fgrs.mf[i].Status()) continue;
    if (!locFigure && NamedByNothing(i)) locFigure = i;
    if (!chainMember && Fgrs.mf[i].pParent && Fgrs.mf[i].pParent->P2_Sub_UseGun == &Fgrs.mf[i])
      chainMember = i;
  }
  ASSERT_NE(locFigure, 0);
  ASSERT_NE(chainMember, 0);

  struct Row {
    int slot, number;
    const char* log;
  };
  const Row rows[] = {
      {3, 0, "LoadEtapSlot: figure number 0 is outside 1..500, dropped"},
      {3, -1, "LoadEtapSlot: figure number -1 is outside 1..500, dropped"},
      {1, 1000, "LoadEtapSlot: figure number 1000 is outside 1..500, dropped"},
      {5, INT_MAX, "LoadEtapSlot: figure number 2147483647 is outside 1..500, dropped"},
      {locFigure, 500, "LoadEtapSlot: figure number 500 is outside 1..499, dropped"},
      {locFigure, INT_MAX, "LoadEtapSlot: figure number 2147483647 is outside 1..499, dropped"},
  };
  // A dropped figure was still read: the running figure number rises to its number too.
  int running = 4000000;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.log);
    std::vector<char> b = base, l = loc;
    const auto [t, at] = SlotNumberAt(b, l, r.slot);
    ASSERT_NE(at, std::string::npos);
    PutInt(*t, at, r.number);
    PutInt(*t, ValueAt(at, kLogIndexWord), ++running);
    LogResetCount();
    ASSERT_EQ(LoadPair(b, b.size(), l, l.size()), 1);
    EXPECT_NE(LogText().find(r.log), std::string::npos);
    EXPECT_EQ(Fgrs.mf[r.slot].Status(), 0);
    for (int i = 0; i < kFgrsSlots; i++) {
      if (i == r.slot) continue;
      EXPECT_TRUE(LoadedFigure(Fgrs.mf[i]) == shipped[i]) << "slot " << i;
    }
    // No record stays taken for the dropped figure: every record in use is a live figure's.
    int inUse = 0, held = 0;
    for (int i = 0; i < kRecPool; i++) inUse += UN_PoolAt(i)->isUse + item_PoolAt(i)->isUse;
    for (const Fgr& f : Fgrs.mf)
      held += (f.UN && f.UN != empty_UN_adr()) + (f.item && f.item != empty_item_adr());
    EXPECT_EQ(inUse, held);
    EXPECT_EQ(memcmp(world_.landS.data(), Land.LandSurface.kle, sizeof Land.LandSurface.kle), 0);
    EXPECT_EQ(memcmp(world_.landU.data(), Land.LandUnder.kle, sizeof Land.LandUnder.kle), 0);
    EXPECT_EQ(Fgrs.AddFgr(112, 0)->priv_LogIndex, running);
    ASSERT_EQ(LoadPair(base, base.size(), loc, loc.size()), 1);
  }

  // The gun a unit holds, dropped: its unit's chain names the empty slot, and the stage is refused,
  // its numbers too.
  world_.Take();
  std::vector<char> l = loc;
  const size_t at = FigureNumberAt(l, "    ofs=", chainMember - 500);
  PutInt(l, at, 500);
  PutInt(l, ValueAt(at, kLogIndexWord), 9000000);
  ExpectRefused(base, l, "chains the empty slot " + std::to_string(chainMember));
  EXPECT_EQ(Fgrs.AddFgr(112, 0)->priv_LogIndex, running + 1);
}

// The shipped stage with holder links (pParent) that the sweep finds gone. A chain that a sweep
// walks after one of its members was reset ends the game: such a stage is refused and changes
// nothing, and so is one whose floors lose their land holder, one whose land holder hangs on a
// figure or is worn by one (the player's soldier: when it dies the land goes), one whose chain
// member hangs on another figure than its holder or on none (when that one dies, or the member,
// the chain names a reset figure) and one whose every base figure the sweeps reset. A figure whose
// holder is gone and that no chain names is only reset by the sweep, taking its own members with
// it; a figure stored with kind 0 is an empty slot, and its members go too.
TEST_F(StageHostile, AChainNamingAFigureWhoseHolderIsGoneIsRefused) {
  std::vector<char> base = ReadBytes<char>(SourcePath("Maps/test.etp"));
  std::vector<char> loc = ReadBytes<char>(SourcePath("Maps/test.etp01"));
  ASSERT_EQ(LoadPair(base, base.size(), loc, loc.size()), 1);
  auto chained = [](int i) {
    for (const Fgr& g : Fgrs.mf)
      for (Fgr* Fgr::*l : FgrLinksFrom(kFgrLinkTail))
        if (g.Status() && g.*l == &Fgrs.mf[i]) return true;
    return false;
  };
  int gun = 0, loose = 0, empty = 0, soldier = 0, other = 0, bases = 0;  // the first, last soldier
  for (int i = 502; i < kFgrsSlots; i++) {
    const Fgr& f = Fgrs.mf[i];
    if (!f.Status()) empty = i;
    else if (!gun && f.pParent && f.pParent->P2_Sub_UseGun == &f && !chained(f.pParent->nom)) gun = i;
    else if (!loose && NamedByNothing(i)) loose = i;
    if (f.status == fgrUnitPeh && Fgr::Owner(&f) == Sides.PlayerSide) (soldier ? other : soldier) = i;
  }
  for (int i = 1; i <= FgrsBaseLast; i++) bases += Fgrs.mf[i].Status() != 0;
  ASSERT_NE(gun, 0);
  ASSERT_NE(loose, 0);
  ASSERT_NE(empty, 0);
  ASSERT_NE(soldier, 0);
  ASSERT_NE(other, 0);
  ASSERT_EQ(bases, 5);
  ASSERT_EQ(Fgrs.mf[FgrsBaseLast].Status(), 0);
  const int unit = Fgrs.mf[gun].pParent->nom, bunker = 3, holder = 501;
  ASSERT_EQ(Fgrs.mf[holder].status, fgrLandHolder);
  ASSERT_NE(other, unit);
  ASSERT_TRUE(NamedByNothing(bunker));

  const std::string chains = "LoadEtapLinks: figure " + std::to_string(unit) + " chains figure " +
                             std::to_string(gun) + ", whose ";
  const std::string cut = chains + "holder is gone";
  const int helm = 13;  // stored links: holder, previous, next, the ten one-way links, the helmet
  struct Row {
    const char* what;
    std::vector<int> figures;  // the figures whose holder links change
    int parent;                // the slot they name
    int dropped;               // a figure stored under a number outside its part
    int emptied;               // a figure stored with kind 0, an empty slot
    std::string log;           // empty: the stage loads and the sweeps reset `gone`
    std::vector<int> gone;
    int link = 0;  // the stored link that changes instead of the holder link
  };
  const Row rows[] = {
      {"a gun whose holder is an empty location slot", {gun}, empty, 0, 0, cut, {}},
      {"a gun whose holder the location drops", {gun}, loose, loose, 0, cut, {}},
      {"a gun whose holder the base drops", {gun}, bunker, bunker, 0, cut, {}},
      {"the land holder dropped", {}, 0, holder, 0, "LoadEtapLand: no land holder keeps the floors", {}},
      {"the land holder held by the player's soldier",
       {holder},
       soldier,
       0,
       0,
       "LoadEtapLand: the land holder 501 has a holder link to figure " + std::to_string(soldier),
       {}},
      {"the land holder worn by the player's soldier",
       {soldier},
       holder,
       0,
       0,
       "LoadEtapLand: figure " + std::to_string(soldier) + " owns the land holder 501",
       {},
       helm},
      {"a gun whose holder link names another soldier of the player's",
       {gun},
       other,
       0,
       0,
       chains + "holder link names figure " + std::to_string(other),
       {}},
      {"a gun whose holder link names no figure",
       {gun},
       0,
       0,
       0,
       chains + "holder link names no figure",
       {}},
      {"every base figure held by an empty base slot",
       {1, 2, 3, 4, 5},
       FgrsBaseLast,
       0,
       0,
       "LoadEtapCount: 5 figures, none kept",
       {}},
      {"a figure in no chain whose holder is an empty slot", {loose}, empty, 0, 0, "", {loose}},
      {"a unit in no chain whose holder is an empty slot", {unit}, empty, 0, 0, "", {unit, gun}},
      {"a unit stored with kind 0", {}, 0, 0, unit, "", {unit, gun}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    ASSERT_EQ(LoadPair(base, base.size(), loc, loc.size()), 1);
    world_.Take();
    std::vector<char> b = base, l = loc;
    for (int figure : r.figures) {
      const auto [t, at] = SlotNumberAt(b, l, figure);
      ASSERT_NE(at, std::string::npos);
      // A location stores every link less 500.
      PutInt(*t, ValueAt(at, 0) + 218 * 4 + 8 + 58 * 4 + r.link * 4,
             t == &b ? r.parent : r.parent - 500);
    }
    if (r.emptied) PutInt(l, ValueAt(SlotNumberAt(b, l, r.emptied).second, kKindWord), 0);
    if (r.dropped) {
      const auto [t, at] = SlotNumberAt(b, l, r.dropped);
      PutInt(*t, at, t == &b ? 0 : 500);
    }
    if (!r.log.empty()) {
      ExpectRefused(b, l, r.log);
      continue;
    }
    LogResetCount();
    ASSERT_EQ(LoadPair(b, b.size(), l, l.size()), 1);
    o2::NeedExit = 0;
    SweepUntilStill();
    EXPECT_EQ(o2::NeedExit, 0);
    for (int i : r.gone) EXPECT_EQ(Fgrs.mf[i].Status(), 0) << "slot " << i;
    EXPECT_EQ(Fgrs.mf[holder].status, fgrLandHolder);
  }
}

// Floors are kept only with a land holder that saves them again: a second holder dropped beside a
// kept one leaves the floors to the kept one, which saves them; floors whose every holder is
// dropped are refused, and so is a part whose every figure is dropped, and a location alone whose
// take resets the location figure that wears both land holders of the base (they go with it).
TEST_F(StageHostile, FloorsWithoutAHolderAndAPartWithoutFiguresAreRefused) {
  BuildWorld(1, 2);
  Fgr* second = Make(fgrLandHolder, 1);
  second->landSurf = &Land.LandSurface;
  second->landUnder = &Land.LandUnder;
  second->KamStudio = 1;
  ASSERT_EQ(second->nom, 11);  // beside the first holder, slot 10
  ASSERT_EQ(Etap_Save(Name("h.etp")), 1);
  base_ = ReadBytes<char>(Name("h.etp"));
  loc_ = ReadBytes<char>(Name("h.etp03"));
  world_.Take();
  auto blocks = [](const std::vector<char>& b) {
    return CountOf(std::string(b.begin(), b.end()), "LandChar");
  };
  ASSERT_EQ(blocks(base_), 4);

  struct Row {
    std::vector<int> slots;  // the figures stored under another number
    int to;
    const char* log;    // null: the stage loads
    bool worn = false;  // the location alone, over the world with both holders worn by figure 501
  };
  const Row rows[] = {
      {{10, 11}, -1, "LoadEtapLand: no land holder keeps the floors"},
      {{}, 0, "LoadEtapLand: no land holder keeps the floors", true},
      {{10, 11}, INT_MAX, "LoadEtapLand: no land holder keeps the floors"},
      {{501, 502}, 500, "LoadEtapCount: 2 figures, none kept"},
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 1000, "LoadEtapCount: 11 figures, none kept"},
      {{10}, 0, nullptr},
      {{11}, 1000, nullptr},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.slots.size());
    std::vector<char> b = base_, l = loc_;
    for (int k : r.slots) {
      const auto [t, at] = SlotNumberAt(b, l, k);
      PutInt(*t, at, r.to);
    }
    if (r.worn) {
      Fgrs.mf[501].P2_UseHelm = &Fgrs.mf[10];
      Fgrs.mf[501].P2_UseSuit = &Fgrs.mf[11];
      world_.Take();
      b.clear();
    }
    if (r.log) {
      ExpectRefused(b, l, r.log);
      if (r.worn) {
        Fgrs.mf[501].P2_UseHelm = Fgrs.mf[501].P2_UseSuit = nullptr;
        world_.Take();
      }
      continue;
    }
    LogResetCount();
    ASSERT_EQ(LoadPair(b, b.size(), l, l.size()), 3);
    EXPECT_EQ(memcmp(world_.landS.data(), Land.LandSurface.kle, sizeof Land.LandSurface.kle), 0);
    ASSERT_EQ(Etap_Save(Name("again.etp")), 1);
    EXPECT_EQ(blocks(ReadBytes<char>(Name("again.etp"))), 2);
    Recover();
  }
}

TEST_F(StageHostile, SeededBitFlipsAndCountChangesNeverHarm) {
  Prepare(0, 5);
  const size_t locFigures = loc_.size() - 5 * (8 + 71 * 4 + 500 * 76);
  int accepted = 0, refused = 0;
  for (int round = 0; round < 2500; round++) {
    bool full = round % 64 == 0;  // the whole world is compared now and then, the figures always
    if (full) world_.Take();
    RandSeed(round + 1);
    std::vector<char> b = base_, l = loc_;
    int edits = 1 + Rand() % 4;
    for (int e = 0; e < edits; e++) {
      bool inBase = Rand() % 2;
      std::vector<char>& t = inBase ? b : l;
      size_t span = inBase ? t.size() : (Rand() % 8 ? locFigures : t.size());
      size_t at = ((size_t)Rand() << 15 | (size_t)Rand()) % span;
      if (Rand() % 3) {
        t[at] ^= (char)(1 << (Rand() % 8));
      } else {  // a word of the file becomes a small, large or negative count
        static const int kCounts[] = {0, 1, -1, 13, 21, 52, 499, 500, 1000, 0x7fffffff, -500, 65536};
        int v = kCounts[Rand() % 12];
        size_t w = at & ~(size_t)3;
        if (w + 4 <= t.size()) memcpy(t.data() + w, &v, 4);
      }
    }
    int r = LoadPair(b, b.size(), l, l.size());
    if (r) {
      accepted++;
      Recover();
    } else {
      refused++;
      ASSERT_TRUE(world_.SameFigures()) << "round " << round;
      if (full) {
        ASSERT_TRUE(world_.Same()) << "round " << round;
      }
    }
  }
  EXPECT_GT(refused, 50);
  EXPECT_GT(accepted, 100);
}

// A part as the game writes it, in memory.
std::vector<char> SavedPart(int base) {
  const std::string s = stage_fate::SavedPart(base, 3);
  return std::vector<char>(s.begin(), s.end());
}

// A world of a few figures in each part with what a sweep acts on, drawn from the random numbers:
// holder links to live figures and to empty slots, chains (a member now and then hanging on another
// figure than its holder), equipment, now and then one or two land holders with the floors, which
// may hang on a figure or be worn or chained by one.
int StageHostile::GenerateWorld() {
  const int kinds[] = {112, 20, 301};
  std::vector<Fgr*> all;
  for (int part = 0; part < 2; part++)
    for (int n = 1 + Rand() % 6; n > 0; n--) all.push_back(Make(kinds[Rand() % 3], !part));
  Fgr* land = nullptr;  // the first land holder
  for (int n = Rand() % 2 ? 0 : 1 + (Rand() % 4 == 0); n > 0; n--) {
    Fgr* h = Make(fgrLandHolder, Rand() % 2);
    h->landSurf = &Land.LandSurface;
    h->landUnder = &Land.LandUnder;
    h->KamStudio = 1;
    all.push_back(h);
    if (!land) land = h;
  }
  auto any = [&]() -> Fgr* {
    switch (Rand() % 4) {
      case 0: return &Fgrs.mf[400];  // empty slots of either part
      case 1: return &Fgrs.mf[900];
      default: return all[Rand() % all.size()];
    }
  };
  Fgr* Fgr::*const heads[] = {&Fgr::P2_Sub_UseGun, &Fgr::P2_Sub_Gruz, &Fgr::P2_Sub_Kno};
  int Fgr::*const counts[] = {&Fgr::Sub_UseGun_now, &Fgr::Sub_Gruz_now, &Fgr::Sub_Kno_now};
  for (Fgr* f : all) {
    if (Rand() % 3 == 0) {
      const int c = Rand() % 3;
      for (int n = 1 + Rand() % 3; n > 0; n--) {
        Fgr* m = all[Rand() % all.size()];
        if (m == f || m->pParent || Fgr_Sub_IsLinked(m)) continue;
        Chain(f, heads[c], counts[c], m);
        if (Rand() % 3 == 0) m->pParent = any();
      }
    }
    if (!f->pParent && Rand() % 4 == 0) f->pParent = any();
    if (Rand() % 6 == 0) f->P2_UseHelm = all[Rand() % all.size()];
  }
  if (land && Rand() % 3 == 0) all[Rand() % all.size()]->P2_UseSuit = land;
  return land ? land->nom : 0;
}

// Generated stages, both ways. One the check takes comes out of the sweeps until still whole: the
// game goes on, the floors keep a land holder that hangs on nothing and nothing wears or chains,
// each part keeps a figure, every chain member hangs on its chain's holder. One it refuses for what
// the sweeps would do changes nothing, and taken without the check it is harmed as the refusal
// says, or holds what a death in play would harm. Half the stages are loaded whole over an empty
// world, the others as a location alone over the base they were made with; now and then a figure
// is dropped or stored with kind 0.
TEST_F(StageHostile, GeneratedStagesTheCheckTakesSweepWholeAndThoseItRefusesWouldNot) {
  std::map<std::string, int> seen;
  for (int round = 0; round < 500; round++) {
    SCOPED_TRACE(round);
    RandSeed(round + 1);
    ClearWorld();
    const int land = GenerateWorld();
    std::vector<char> b = SavedPart(1), l = SavedPart(0);
    for (int e = Rand() % 3; e > 0; e--) {
      const int k = land && Rand() % 2 == 0 ? land : 1 + Rand() % 7 + (Rand() % 2) * FgrsBaseLast;
      const auto [t, at] = SlotNumberAt(b, l, k);
      if (at == std::string::npos) continue;
      PutInt(*t, Rand() % 2 ? at : ValueAt(at, kKindWord), 0);
    }
    const bool alone = round % 2, full = round % 16 == 0;
    if (!alone) ClearWorld();
    const bool keptFloors = stage_fate::KeptFloors(!alone, true);
    if (full) world_.Take();
    else world_.TakeFigures();
    FILE* fb = alone ? nullptr : MemFile(b, b.size());
    FILE* fl = MemFile(l, l.size());
    const int taken = alone ? Etap_LoadFrom(&Fgrs, fl) : Stage_LoadPair(fb, fl);
    if (fb) fclose(fb);
    fclose(fl);
    fb = alone ? nullptr : MemFile(b, b.size());
    fl = MemFile(l, l.size());
    if (taken) {
      seen["taken"]++;
      EXPECT_TRUE(stage_fate::AcceptedWhole(fb, fl, keptFloors));
    } else {
      ASSERT_TRUE(full ? world_.Same() : world_.SameFigures());
      const char* why = nullptr;
      EXPECT_TRUE(stage_fate::RefusalBorneOut(fb, fl, &why)) << why;
      seen[why ? why : "not read"]++;
    }
    if (fb) fclose(fb);
    fclose(fl);
  }
  std::string counts;
  for (const auto& [what, n] : seen) counts += std::to_string(n) + " " + what + "; ";
  for (const char* what :
       {"taken", "chain to a figure whose holder is gone", "floors without a land holder",
        "no figure kept", "land holder with a holder link", "land holder owned by a figure",
        "chain member with another holder"})
    EXPECT_GE(seen[what], 10) << counts;
}

}  // namespace
