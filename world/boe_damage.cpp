// Bonus filters and the hit log: one hit's damage list through the gun, mid and set stages into
// the target's counters, logged line by line for targets with a rank, and the filter lines that
// the log and the tooltips show. Every log line is formatted straight into the log file (or into a
// growing string), so no label or name can overflow a buffer.
#include <algorithm>

#include "figures/fgr.h"
#include "figures/records.h"
#include "shell/frame_clock.h"
#include "shell/log.h"
#include "shell/msgbase.h"
#include "shell/random.h"
#include "shell/text.h"
#include "world/combat.h"

namespace {

constexpr int kHitBurstGapMs = 8000;  // a pause this long between hits starts a new paragraph

int NowOf(const Fgr* f, int channel) { return BoeCnt_Get(&f->UN->cnt, channel); }

}  // namespace

// The six forms of a filter line by percent (full, a roll from 0, a roll from percent) and the
// percent-of-start flag; the log form names the entry's count n after the label.
static std::string FilterText(int id, int value, int ofStart, int percent, int n, int withCount,
                              int stage) {
  const char* label = MsgBase_Text(stage == 0 ? 93 : 92);
  std::string s = withCount ? StrFmt("(%s)p%d  ", label, n) : StrFmt("(%s) ", label);
  const char* name = Boe_KanChars(id);
  if (percent == 0 || percent == 100)
    s += ofStart ? StrFmt("s<%13s> %3d%%  ", name, value) : StrFmt("s<%13s> %3d.  ", name, value);
  else if (percent == 1)
    s += ofStart ? StrFmt("s<%13s> от 0%% до %3d%%", name, value)
                 : StrFmt("s<%13s> от 0 до %3d.", name, value);
  else {
    int low = (int)(percent / 100.0 * value);
    s += ofStart ? StrFmt("s<%13s> от %3d%% до %3d%%", name, low, value)
                 : StrFmt("s<%13s> от %3d до %3d.", name, low, value);
  }
  return s;
}

std::string Boe_FilterLine(int id, int value, int ofStart, int percent, int stage) {
  return FilterText(id, value, ofStart, percent, 0, 0, stage);
}

void Boe_FilterLineLog(int id, int value, int ofStart, int percent, int n, int stage) {
  LogInfo("%s", FilterText(id, value, ofStart, percent, n, 1, stage).c_str());
}

// The entries of one kind of an FBu table, each on a line of its own behind the indent.
static void LogFilters(const FBu* t, int kind, const char* indent, const char* none,
                       const char* header) {
  if (!t) return;
  if (t->count == 0) {
    LogInfo("%s%s", indent, none);
    return;
  }
  LogInfo("%s%s", indent, header);
  for (const FBuEntry& e : t->e) {
    if (!e.channel || e.kind != kind) continue;
    LogInfo("%s", indent);
    Boe_FilterLineLog(e.channel, e.value, e.ofStart, e.percent, e.n, kind == 2 ? 0 : 1);
  }
  LogInfo("%s}", indent);
}

void Boe_LogMidFilters(const FBu* t) {
  LogFilters(t, 2, "\n\t", "-- нет фильтров Второй стадии у Атакера.",
             "{ фильтры Второй стадии Атакера (mid)//норма это добавление");
}

void Boe_LogSetFilters(const FBu* t) {
  LogFilters(t, 3, "\n\t\t\t", "-- нет фильтров стадии Приёма урона у Цэли.",
             "{ фильтры стадии Приёма урона Цэлью (set)//норма это убавление");
}

void Boe_Damage(Fgr* attacker, FBu* attackerFbu, Sta* list, FKu* gunFku, Fgr* target, int quality) {
  if (!gunFku || !list || !target || !target->UN->isUse) return;
  const int cls = attacker && attacker->LifeCase > 0 ? attacker->LifeCase : 0;
  BoeCounters* T = &target->UN->cnt;
  const int rank = target->UN->ExpRang;
  // A target without a rank takes the hit unlogged, and nobody learns from it.
  if (rank <= 0) attacker = nullptr;
  const int hp0 = NowOf(target, bcNormHP), cp0 = NowOf(target, bcCaptHP), tp0 = NowOf(target, bcTehnHP);

  // Every damage call ends a quiet spell with its blank line, area damage and targets without a
  // rank too, so the log shows where the fighting paused.
  if (FrameClock.GameMs - Combat.HitLogLastMs > kHitBurstGapMs) LogInfo("\n");
  Combat.HitLogLastMs = FrameClock.GameMs;

  const char* arrow = Fgr::Owner(attacker) == 2 ? "->-" : "o>-";
  if (attacker) {
    LogInfo("\n\n\n// ----__бонусы__и__скидки__----");
    if (attackerFbu) Boe_LogMidFilters(attackerFbu);
    Boe_LogSetFilters(&target->UN->fbu);
    LogInfo("\ndo: %s(%d) #%d   >>>   %s(%d) #%d   //time %d", Fgr_ItemNameText(attacker),
            Fgr::Owner(attacker), attacker->priv_LogIndex, Fgr_ItemNameText(target), Fgr::Owner(target),
            target->priv_LogIndex, FrameClock.GameMs);
    LogInfo("\n{ у цели сначала hp:%d  cp:%d  tp:%d  hot:%d", hp0, cp0, tp0, NowOf(target, bcHot));
  }

  for (int i = 0; i < kStaMax; i++) {
    const StaEntry& e = list->e[i];
    if (e.id == 0) break;
    if (e.cls && e.cls != cls) continue;
    BoeFilter.BoeKan = e.id;
    BoeFilter.BoeVal = e.value;
    if (attacker) LogInfo("\n   s<%13s>%3d.  ", Boe_KanChars(e.id), e.value);
    if (!e.gunStage) {
      if (attacker) LogInfo("same_out:%3d   %s  ", BoeFilter.BoeVal, arrow);
    } else if (quality == 1) {
      if (attacker) LogInfo("dmg_out:%3d(bad)   %s  ", BoeFilter.BoeVal, arrow);
    } else if (quality == 2) {
      FKu_ApplyScaled(gunFku, 1.5f);
      if (attacker) LogInfo("dmg_out:%3d(good)   %s  ", BoeFilter.BoeVal, arrow);
    } else if (quality == 3) {
      int k = Rand() % 3 + 1;
      float base = target->GabarSkeletal ? 0.4f : target->GabarIsFat ? 0.8f : 0.6f;
      FKu_ApplyScaled(gunFku, k * 0.1f + base);
      if (attacker) LogInfo("dmg_out:%3d(drob)   %s  ", BoeFilter.BoeVal, arrow);
    } else {
      FKu_ApplyScaled(gunFku, 1.0f);
      if (attacker) LogInfo("dmg_out:%3d()   %s  ", BoeFilter.BoeVal, arrow);
    }
    if (e.midStage && attackerFbu) FBu_ApplyKind2(attackerFbu);
    if (attacker) LogInfo("mid:%3d  %s  ", BoeFilter.BoeVal, arrow);
    FBu_ApplyKind3(&target->UN->fbu);
    if (BoeFilter.BoeVal > 0) {
      if (attacker) LogInfo("set:%3d", BoeFilter.BoeVal);
      // 9999 is reserved and names no counter.
      if (e.id <= 9998) BoeCnt_AddNow(T, e.id, BoeFilter.BoeVal, e.subtract);
    }
  }

  if (!attacker) return;
  LogInfo(" }\n а после атаки");
  if (target->useNormHP) LogInfo(" норм-хит(%d) ...", NowOf(target, bcNormHP));
  if (target->useCaptHP) LogInfo(" капи-хит(%d) ...", NowOf(target, bcCaptHP));
  if (target->useTehnHP) LogInfo(" техн-хит(%d) ...", NowOf(target, bcTehnHP));
  LogInfo(" // hot %d", NowOf(target, bcHot));

  if (!Fgr::IsUnit(attacker) || attacker->UN->ExpRang == 0) return;
  auto loss = [](int before, int now) { return std::clamp(before - now, 0, 100); };
  int sum = 0;
  if (target->useNormHP) sum += loss(hp0, NowOf(target, bcNormHP));
  if (target->useCaptHP) sum += loss(cp0, NowOf(target, bcCaptHP));
  if (target->useTehnHP) sum += loss(tp0, NowOf(target, bcTehnHP));
  Fgr_AddExp(attacker, (int)(sum * std::clamp(rank, 1, 5) * 0.5), target);
}
