// A long battle of the shipped stage, headless, each frame a whole frame of play (the scene queued
// and drawn): every few seconds of game time both sides get fresh soldiers and squads at their
// camps and are sent against each other, so figures die and are made again and the container's
// slots and record pools go round many times. Along the way the container is checked whole (slot
// numbers, chains, record ownership, cell occupants), the log holds no refused slot, and the
// memory in use stays flat once warmed up. The frame count comes from
// TOLV_SOAK_FRAMES (a short cut by default; tools/soak.sh runs the long one); leaks are the
// sanitizer build's LeakSanitizer's to find when the process ends.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/game_fixture.h"
#include "catalogue/kombi.h"
#include "figures/chains.h"
#include "figures/records.h"
#include "platform/platform.h"
#include "shell/window_state.h"
#include "world/movement.h"

namespace {

constexpr int kFrameMs = 40;
constexpr int kViewW = 320, kViewH = 240;
constexpr int kShortCut = 3000;      // frames when TOLV_SOAK_FRAMES is not set
constexpr int kRoundFrames = 250;    // 10 s of game time between reinforcements
constexpr int kCheckFrames = 100;    // the container is checked this often
constexpr int kSampleFrames = 500;   // and the memory in use sampled
constexpr int kWarmUpFrames = 1500;  // the first minute of game time
// "Flat" is judged on the memory in use after the warm-up: the largest sample may exceed the first
// one by no more than kFlatBytes. Under AddressSanitizer the memory in use is the allocator's live
// bytes (the game's and the driver's allocations alike; freed blocks wait in its quarantine before
// reuse, so the resident size there climbs with the churn whatever stays alive): they stay the same
// to the kilobyte, and a leak of fifty bytes a frame passes the bound within the short cut. Otherwise
// it is the resident size, which the driver's half-megabyte vertex buffers move up and down by
// whole buffers: over 100,000 frames it wanders in a band of four of them, so the bound is eight.
#if defined(__SANITIZE_ADDRESS__)
constexpr long kFlatBytes = 64 * 1024;
#else
constexpr long kFlatBytes = 4 * 1024 * 1024;
#endif
// What a side is topped up to, and the kombis it is topped up with, in turn: a gun soldier, a
// squad of three, a squad of four, a soldier with a button. (Captains heal faster than soldiers
// hurt them: they would end the dying.)
constexpr int kSideStrength = 6;
constexpr int kKombis[] = {-5, -20, -23, -13};

int SoakFrames() {
  const char* s = std::getenv("TOLV_SOAK_FRAMES");
  const int n = s ? std::atoi(s) : 0;
  return n > 0 ? n : kShortCut;
}

#if defined(__SANITIZE_ADDRESS__)
extern "C" size_t __sanitizer_get_current_allocated_bytes();  // the sanitizer runtime's
#endif

long ResidentBytes() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * sysconf(_SC_PAGESIZE);
}

long MemoryInUse() {
#if defined(__SANITIZE_ADDRESS__)
  return (long)__sanitizer_get_current_allocated_bytes();
#else
  return ResidentBytes();
#endif
}

bool InContainer(const Fgr* f) { return f >= &Fgrs.mf[0] && f < &Fgrs.mf[kFgrsSlots]; }

// The first fault of the container's bookkeeping, or "" when it is whole: every slot knows its
// number; a chain runs from its head (no one before it) through members that name the holder,
// each linked back to the one before, and no figure is in two chains; every record taken from a
// pool belongs to exactly one slot and every slot's record to the pool or the shared empty one;
// the cells of both floors name figures of the container only.
std::string ContainerFault() {
  static int inChain[kFgrsSlots];
  static int owners[2][kRecPool];
  std::fill(std::begin(inChain), std::end(inChain), 0);
  std::fill(&owners[0][0], &owners[0][0] + 2 * kRecPool, 0);
  const t_item* items = item_PoolAt(0);
  const t_UNIT* units = UN_PoolAt(0);
  for (int i = 1; i < kFgrsSlots; i++) {
    Fgr* h = &Fgrs.mf[i];
    const std::string at = "slot " + std::to_string(i) + ": ";
    if (h->nom != i) return at + "numbered " + std::to_string(h->nom);
    if (h->UN != empty_UN_adr()) {
      if (h->UN < units || h->UN >= units + kRecPool) return at + "unit record outside the pool";
      owners[0][h->UN - units]++;
    }
    if (h->item != empty_item_adr()) {
      if (h->item < items || h->item >= items + kRecPool) return at + "item record outside the pool";
      owners[1][h->item - items]++;
    }
    if (!h->Status()) continue;
    for (int k = 1; k <= Fgr_SubPropsKlv; k++) {
      Fgr* head = Fgr_Sub_Head(h, k);
      if (head && head->pPrev) return at + "chain " + std::to_string(k) + " has one before its head";
      int steps = 0;
      for (Fgr* m = head; m; m = m->pTail) {
        const std::string in =
            at + "chain " + std::to_string(k) + " member " + std::to_string(m->nom) + " ";
        if (!InContainer(m)) return in + "outside the container";
        if (++steps >= kChainWalkMax) return in + "in a loop";
        if (m->pParent != h) return in + "names another holder";
        if (!m->Status()) return in + "is a free slot";
        if (m->pTail && m->pTail->pPrev != m) return in + "is not linked back";
        if (inChain[m->nom]++) return in + "is in two chains";
      }
    }
  }
  for (int r = 1; r < kRecPool; r++) {
    if (UN_PoolAt(r)->isUse && owners[0][r] != 1)
      return "unit record " + std::to_string(r) + " belongs to " + std::to_string(owners[0][r]) +
             " slots";
    if (item_PoolAt(r)->isUse && owners[1][r] != 1)
      return "item record " + std::to_string(r) + " belongs to " + std::to_string(owners[1][r]) +
             " slots";
  }
  for (const LandFloor* fl : {&Land.LandSurface, &Land.LandUnder})
    for (int c = 0; c < kLandCells; c++) {
      const Fgr* o = fl->kle[c].occupant;
      const Fgr* h = fl->kle[c].holder;
      if ((o && !InContainer(o)) || (h && !InContainer(h)))
        return "cell " + std::to_string(c) + " names a figure outside the container";
    }
  return "";
}

class Soak : public ShippedGameTest {
 protected:
  // The frames are whole frames of play, the scene queued and drawn too: a sprite's life runs out
  // while it is queued.
  static void SetUpTestSuite() { sGl = Plat_HeadlessContext(kViewW, kViewH) == 1; }
  static void TearDownTestSuite() { Plat_HeadlessContextFree(); }
  void SetUp() override {
    ShippedGameTest::SetUp();
    ASSERT_TRUE(sGl) << "no headless GL context";
    Win.WinWidth = kViewW, Win.WinHeight = kViewH;
  }
  static void PlayFrame() {
    Clock_Advance(kFrameMs);
    ::GameFrame(1);
    glFinish();  // what the swap of a window does: the driver's queued work is done and let go
  }
  static inline bool sGl = false;

  struct Camp {
    float x = 0, z = 0;
    int n = 0;
  };

  // Where a side's soldiers of the shipped stage stand: their mean position.
  static Camp CampOf(int side) {
    Camp c;
    for (const Fgr& f : Fgrs.mf)
      if (f.Active() && f.status == fgrUnitPeh && f.baner == side)
        c.x += f.priv_position_x, c.z += f.priv_position_z, c.n++;
    if (c.n) c.x /= c.n, c.z /= c.n;
    return c;
  }

  // The side's live fighting units (soldiers and captains, not squads' holders).
  static int Strength(int side) {
    int n = 0;
    for (const Fgr& f : Fgrs.mf)
      n += f.Active() && Fgr::IsUnit(&f) && !f.isMort && Fgr::Owner(&f) == side;
    return n;
  }
};

TEST_F(Soak, ABattleOfManyFramesKeepsTheContainerWholeAndTheMemoryFlat) {
  const int frames = SoakFrames();
  StartShippedStage(20240620);
  PlayFrame();
  ASSERT_EQ(StageReq.EtapLocationNom, 1) << "the stage did not load";
  const Camp camp[2] = {CampOf(2), CampOf(3)};
  ASSERT_GT(camp[0].n, 0);
  ASSERT_GT(camp[1].n, 0);
  const int cell[2] = {Land_CellAt(camp[0].x, camp[0].z), Land_CellAt(camp[1].x, camp[1].z)};
  ASSERT_GT(cell[0], 0);
  ASSERT_GT(cell[1], 0);

  int made = 0, refused = 0, died = 0, round = 0;
  struct Made {
    int nom, id;  // the slot and the running number the figure got
  };
  std::vector<Made> alive;  // the figures the script made and saw alive last
  long warm = 0, peak = 0, last = 0;
  std::string logFaults;
  std::string samples;  // frame:KB every ten samples, for the message
  for (int frame = 2; frame <= frames; frame++) {
    PlayFrame();
    if (o2::NeedExit) {
      ADD_FAILURE() << "the game asked to end in frame " << frame;
      break;
    }
    if (frame % kRoundFrames == 0) {
      for (int s = 0; s < 2; s++) {
        const int side = s + 2;
        // (A squad's members count once the frame has made them grown-ups, not yet here.)
        for (int n = Strength(side); n < kSideStrength; n++) {
          Fgr* g = Fgr_Create(kKombis[round++ % std::size(kKombis)], side, 0);
          if (!g) {
            refused++;
            break;
          }
          Fgr_CellMoveTo(g, cell[s], 0, 0, 0);
          alive.push_back({g->nom, g->priv_LogIndex});
          made++;
        }
        // Everyone of the side marches on the field between the camps, fighting whoever comes
        // in sight.
        for (Fgr& f : Fgrs.mf)
          if (f.Active() && Fgr::IsUnit(&f) && Fgr::Owner(&f) == side)
            Fgr_OrderMovePoint(&f, (camp[0].x + camp[1].x) / 2, (camp[0].z + camp[1].z) / 2, 1, 0);
      }
    }
    if (frame % kCheckFrames == 0) {
      const std::string fault = ContainerFault();
      if (!fault.empty()) {
        ADD_FAILURE() << "frame " << frame << ": " << fault;
        break;
      }
      // A figure the script made is gone once its slot is free or holds another figure.
      std::erase_if(alive, [&](const Made& m) {
        const Fgr& f = Fgrs.mf[m.nom];
        const bool gone = !f.Status() || f.isMort || f.priv_LogIndex != m.id;
        died += gone;
        return gone;
      });
      // The log is read and started afresh, so that its cap of lines never hides a refusal.
      const std::string log = LogText();
      for (const char* bad : {"priv_AddFgr", "err:", "Fail"})
        for (size_t at = log.find(bad); at != std::string::npos && logFaults.size() < 2000;
             at = log.find(bad, at + 1)) {
          const size_t from = log.rfind('\n', at) + 1, to = log.find('\n', at);
          logFaults += "frame " + std::to_string(frame) + ": " + log.substr(from, to - from) + "\n";
        }
      std::remove(Logger.gsFileLog.c_str());
      LogResetCount();
    }
    if (frame % kSampleFrames == 0) {
      last = MemoryInUse();
      if (frame == kWarmUpFrames) warm = peak = last;
      if (frame > kWarmUpFrames) peak = std::max(peak, last);
      if (frame % (10 * kSampleFrames) == 0)
        samples += " " + std::to_string(frame) + ":" + std::to_string(last / 1024);
    }
  }
  std::printf(
      "soak: %d frames, %d figures made, %d gone; memory in use %ld KB after the warm-up, %ld KB at "
      "most, %ld KB last; resident %ld KB\n",
      frames, made, died, warm / 1024, peak / 1024, last / 1024, ResidentBytes() / 1024);
  EXPECT_EQ(refused, 0) << "the container refused a figure";
  EXPECT_EQ(logFaults, "");
  // The battle turned figures over: most of those the script made have died and were made again.
  EXPECT_GT(made, 2 * kSideStrength);
  EXPECT_GT(died, made / 2);
  if (frames >= 2 * kWarmUpFrames) {
    EXPECT_LE(peak - warm, kFlatBytes) << "memory in use grew from " << warm / 1024 << " KB to "
                                       << peak / 1024 << " KB after the warm-up;" << samples;
  }
}

}  // namespace
