// A scripted headless game of the shipped stage: loaded through the game update's request, played
// for 3000 frames of 40 ms with a fixed seed while a script gives the player's orders. No
// consistency fault and no refused slot; the same end state (a checksum of every figure's
// properties) on every run and in both builds.
#include "game_fixture.h"

#include <cstdint>

#include "app/play_frame.h"
#include "render/field.h"
#include "world/movement.h"

namespace {

// The checksum the script ends with. It changes only when the rules of play change: then run the
// test, check that the game still plays as it should, and take the new value from its message.
constexpr uint64_t kEndChecksum = 0xedfc2fe4c032abb8;

constexpr int kFrames = 3000;
constexpr int kFrameMs = 40;

class ScriptedGame : public ShippedGameTest {
 protected:
  // Every figure's properties (not its running number, which counts on through a process) and the
  // side records, FNV-1a.
  static uint64_t Checksum() {
    uint64_t h = 1469598103934665603ull;
    auto mix = [&h](const void* p, size_t n) {
      const auto* b = static_cast<const unsigned char*>(p);
      for (size_t i = 0; i < n; i++) h = (h ^ b[i]) * 1099511628211ull;
    };
    for (const Fgr& f : Fgrs.mf) {
      Fgr g = f;
      g.priv_LogIndex = 0;
      mix(&g.svZero, (const char*)&g.floLast - (const char*)&g.svZero + sizeof g.floLast);
      for (Fgr* Fgr::*link : kFgrLinks) {
        int nom = (g.*link) ? (g.*link)->nom : 0;
        mix(&nom, sizeof nom);
      }
    }
    mix(Sides.SideTab, sizeof Sides.SideTab);
    return h;
  }

  // The player's live units.
  static int OwnUnits(Fgr** out, int max) {
    int n = 0;
    for (Fgr& f : Fgrs.mf)
      if (n < max && f.Active() && Fgr::IsUnit(&f) && f.baner == Sides.PlayerSide) out[n++] = &f;
    return n;
  }

  // One whole game from the load request to the last frame; answers the end state's checksum.
  uint64_t Play() {
    StartShippedStage(20240607);

    Fgr* own[64];
    Fgr* start[64] = {};
    float startX[64] = {};
    int moved = 0;
    for (int frame = 1; frame <= kFrames; frame++) {
      GameFrame(kFrameMs);
      if (frame == 1) {
        EXPECT_EQ(StageReq.EtapLocationNom, 1) << "the stage did not load";
        EXPECT_EQ(ModeWords.ProgMode, kModePlay);
      }
      int n = OwnUnits(own, 64);
      if (frame == 20) {  // all the player's units, ordered across the field with a waypoint
        for (int i = 0; i < n; i++) start[i] = own[i], startX[i] = own[i]->priv_position_x;
        SelList_Clear();
        for (int i = 0; i < n; i++) SelList_Add(&SelList, own[i], 1);
      }
      if (frame == 21) Sel_OrderMoveTo(&SelList, 1205, 1305);
      if (frame == 40) Sel_OrderMoveTo(&SelList, 1505, 1105);  // inside the window: the waypoint
      if (frame == 1500) {                                     // half of them turn back
        SelList_Clear();
        for (int i = 0; i < n; i += 2) SelList_Add(&SelList, own[i], 1);
        Sel_OrderMoveTo(&SelList, 705, 905);
      }
      if (frame == 2200) FieldMouse.SideSwitchReq = 1;  // the player takes the other side for a while
      if (frame == 2600) FieldMouse.SideSwitchReq = 1;
      if (o2::NeedExit) {
        ADD_FAILURE() << "a consistency fault in frame " << frame << ": " << LogText();
        break;
      }
    }
    for (int i = 0; i < 64 && start[i]; i++) moved += start[i]->priv_position_x != startX[i];
    EXPECT_GT(moved, 0) << "nobody walked";
    const std::string log = LogText();
    EXPECT_EQ(log.find("err:"), std::string::npos) << log;
    EXPECT_EQ(log.find("priv_AddFgr"), std::string::npos) << log;
    EXPECT_EQ(log.find("Fail"), std::string::npos) << log;
    return Checksum();
  }
};

TEST_F(ScriptedGame, TheShippedStagePlaysToTheSameEndEveryRun) {
  const uint64_t first = Play();
  LogResetCount();
  const uint64_t second = Play();
  EXPECT_EQ(first, second) << "two runs of the same script ended differently";
  EXPECT_EQ(first, kEndChecksum) << "end checksum 0x" << std::hex << first;
}

}  // namespace
