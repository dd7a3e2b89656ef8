// A battle of the shipped stage: the computer sends its soldiers against the player's, which hold
// their ground; played headless with a fixed seed and frame step, the fight ends with one side's
// soldiers gone, and with the same survivors and the same hit log on every run and in both builds.
#include <cstdint>
#include <string>

#include "game_fixture.h"
#include "world/combat.h"

namespace {

// How the battle ends. They change only when the rules of play or the shipped stage change: then
// check that the battle still goes as it should and take the new values from the messages.
const char* const kSurvivors = "3:686 3:688";
constexpr uint64_t kLogChecksum = 0xa48461201f310759;

constexpr int kFrames = 1500;  // 60 s
constexpr int kFrameMs = 40;

// 1 when a logged hit has an attacker of the side.
bool SideFired(const std::string& log, int side) {
  const std::string mark = "(" + std::to_string(side) + ") #";
  for (size_t at = log.find("\ndo: "); at != std::string::npos; at = log.find("\ndo: ", at + 1))
    if (log.substr(at, log.find(">>>", at) - at).find(mark) != std::string::npos) return true;
  return false;
}

uint64_t Fnv(const std::string& s) {
  uint64_t h = 1469598103934665603ull;
  for (unsigned char c : s) h = (h ^ c) * 1099511628211ull;
  return h;
}

class Battle : public ShippedGameTest {
 protected:
  // The soldiers still standing at the end, as side:slot in slot order.
  static std::string Survivors() {
    std::string s;
    for (const Fgr& f : Fgrs.mf)
      if (f.Active() && f.status == fgrUnitPeh && !f.isMort)
        s += (s.empty() ? "" : " ") + std::to_string(f.baner) + ":" + std::to_string(f.nom);
    return s;
  }

  std::string Fight() {
    std::remove(Logger.gsFileLog.c_str());
    LogResetCount();
    StartShippedStage(20240611);
    FrameClock.GameMs = Combat.HitLogLastMs = 0;  // the log shows the game time
    for (int frame = 1; frame <= kFrames; frame++) {
      GameFrame(kFrameMs);
      if (frame == 20)  // the computer's soldiers march on the player's
        for (Fgr& f : Fgrs.mf)
          if (f.Active() && f.status == fgrUnitPeh && f.baner == 3)
            Fgr_OrderMovePoint(&f, 185, 125, 0, 0);
      if (o2::NeedExit) {
        ADD_FAILURE() << "a consistency fault in frame " << frame;
        break;
      }
    }
    return Survivors();
  }
};

TEST_F(Battle, TheShippedStageFightsToTheSameEndEveryRun) {
  const std::string first = Fight();
  const std::string log = LogText();
  const std::string second = Fight();
  EXPECT_EQ(first, second);
  EXPECT_EQ(log, LogText()) << "two runs of the same battle logged different hits";
  // Both sides fired, and one of them has no soldier left.
  EXPECT_TRUE(SideFired(log, 2));
  EXPECT_TRUE(SideFired(log, 3));
  EXPECT_TRUE(first.find("2:") == std::string::npos || first.find("3:") == std::string::npos) << first;
  EXPECT_EQ(first, kSurvivors);
  EXPECT_EQ(Fnv(log), kLogChecksum) << "hit log checksum 0x" << std::hex << Fnv(log);
}

}  // namespace
