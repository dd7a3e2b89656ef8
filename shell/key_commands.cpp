// Key commands: validation, the per-frame update of one command and the slot arbitration of a block.
#include "shell/key_commands.h"

#include <climits>
#include <cstring>

#include "shell/frame_clock.h"

t_KeyCmds KeyCmds;

void StaticInit_KeyCmd() { std::memset(KeyCmds.KeyUsedTable, 0, sizeof KeyCmds.KeyUsedTable); }
[[maybe_unused]] static const int sKeyCmdBuilt = (StaticInit_KeyCmd(), 1);

namespace {

constexpr int kMaxBlock = 201;  // records one UpdAll walks at most when `last` is never met

// A command read from a file may hold any words: its counters and values stop at INT_MAX instead
// of overflowing (b is not negative).
int AddCapped(int a, int b) { return a > INT_MAX - b ? INT_MAX : a + b; }

bool KeyDown(int vk) { return vk >= 1 && vk < kKeyTableSize && KeyCmds.KeyDownTable[vk] != 0; }
bool KeyTaken(int vk) { return vk >= 1 && vk < kKeyTableSize && KeyCmds.KeyUsedTable[vk] != 0; }

// The countdowns of this Part never go below 0.
void CountDown(int* t) {
  if (*t <= 0) {
    *t = 0;
    return;
  }
  TimerDownRest(t);
  if (*t < 0) *t = 0;
}

// What KeysDown found of a command's keys, walked in order: a taken key of an exclusive command
// refuses before any later key is looked at.
enum KeysDownNum { kDownRefused = 0, kDownNone = 1, kDownSome = 2 };

KeysDownNum KeysDown(const IKmd2* k) {
  const int keys[3] = {k->key1, k->key2, k->key3};
  for (int vk : keys) {
    if (vk < 1) continue;
    if (k->exclusive && KeyTaken(vk)) return kDownRefused;
    if (KeyDown(vk)) return kDownSome;
  }
  return kDownNone;
}

// A press counts once: after it the latch holds until a key of the command goes up.
int FreshPress(IKmd2* k) {
  const int keys[3] = {k->key1, k->key2, k->key3};
  if (k->latch) {
    for (int vk : keys)
      if (vk >= 1 && !KeyDown(vk)) k->latch = 0;
    return 0;
  }
  for (int vk : keys) {
    if (vk < 1) continue;
    if (k->exclusive && KeyTaken(vk)) return 0;
    if (KeyDown(vk)) return 1;
  }
  return 0;
}

int HoldRelease(IKmd2* k) {
  const KeysDownNum r = KeysDown(k);
  if (r == kDownSome) {
    if (k->holdMs == 0) k->holdMs = 1;
    else k->holdMs = AddCapped(k->holdMs, FrameClock.KadrStep);
    return 0;
  }
  if (r == kDownNone && k->holdMs != 0) {
    k->holdMs = 0;
    return 1;
  }
  return 0;
}

int Combo3(IKmd2* k) {
  if (!KeyDown(k->key1)) return 0;
  KeyUsed_Set(k->key1);
  if (k->key2 >= 1) {
    if (KeyTaken(k->key2)) return 0;
    if (KeyDown(k->key2)) return 1;
  }
  if (k->key3 < 1 || KeyTaken(k->key3)) return 0;
  return KeyDown(k->key3) ? 1 : 0;
}

int Combo4(IKmd2* k) {
  if (KeyDown(k->key1)) {
    KeyUsed_Set(k->key1);
    if (k->key3 >= 1) {
      if (KeyTaken(k->key3)) return 0;
      if (KeyDown(k->key3)) return 1;
    }
  }
  if (!KeyDown(k->key2)) return 0;
  KeyUsed_Set(k->key2);
  if (k->key3 < 1 || KeyTaken(k->key3)) return 0;
  return KeyDown(k->key3) ? 1 : 0;
}

void MultiPressStep(IKmd2* k) {
  if (k->tripleWait != 0) {
    if (FreshPress(k) == 1) {
      k->fired = 3;
      k->latch = 1;
      k->tripleWait = 0;
      k->mouseX3 = KeyCmds.MouseX;
      k->mouseY3 = KeyCmds.MouseY;
    } else {
      CountDown(&k->tripleWait);
      if (k->tripleWait == 0) k->fired = 2;
    }
  } else if (k->dblWait != 0) {
    if (FreshPress(k) == 1) {
      k->dblWait = 0;
      k->latch = 1;
      k->mouseX2 = KeyCmds.MouseX;
      k->mouseY2 = KeyCmds.MouseY;
      if (k->tripleWindow != 0) k->tripleWait = k->tripleWindow;
      else k->fired = 2;
    } else {
      CountDown(&k->dblWait);
      if (k->dblWait == 0) k->fired = 1;
    }
  } else if (FreshPress(k) == 1) {
    k->latch = 1;
    k->dblWait = k->dblWindow;
    k->mouseX1 = KeyCmds.MouseX;
    k->mouseY1 = KeyCmds.MouseY;
  }
  if (k->noSingle && k->fired <= 1) k->fired = 0;
}

int RepeatStep(IKmd2* k) {
  if (k->fired == 0) {
    k->repeatStart = 0;
    return 0;
  }
  if (k->repeatStart == 0) {
    k->repeatStart = (int)FrameClock.MsClock;
    k->repeatCount = 0;
    return k->mode == kKmdHoldRelease ? 0 : 1;
  }
  if (IKmd2_RepeatElapsed(k, 0) >= k->repeatMs) {
    k->repeatCount = AddCapped(k->repeatCount, 1);
    if (k->repeatMax != 0 && k->repeatCount > k->repeatMax) return 0;
    return 1;
  }
  return 0;
}

void CycleStep(IKmd2* k) {
  switch (k->cycleMode) {
    case 0: k->value = k->value >= k->valueMax ? 1 : k->value + 1; break;
    case 1:
      if (k->value < k->valueMax) k->value += 1;
      else k->value = k->valueMax;
      break;
    case 2: {
      if (k->pingDir != 1 && k->pingDir != -1) k->pingDir = 1;
      long long n = (long long)k->value + k->pingDir;  // a value from a file may be INT_MAX
      if (n > k->valueMax) {
        k->value = k->valueMax;
        k->pingDir = -k->pingDir;
      } else if (n < 1) {
        k->value = 1;
        k->pingDir = -k->pingDir;
      } else {
        k->value = (int)n;
      }
      break;
    }
    default: break;
  }
}

}  // namespace

void IKmd2::Set_KeyVers2(int vk) {
  // The code indexes the key table every frame.
  key2 = (vk >= 0 && vk < kKeyTableSize) ? vk : 0;
}

int IKmd2_Set(IKmd2* k, int active, int key1, int key2, int key3, int exclusive, int extra,
              const char* name) {
  std::memset(k, 0, sizeof(*k));
  if (active < 1) return 0;
  k->active = active;
  k->key1 = key1;
  k->key2 = key2;
  k->key3 = key3;
  k->exclusive = exclusive;
  k->extra = extra;
  if (name) std::strncpy(k->name, name, sizeof(k->name) - 1);
  IKmd2_Check(k);
  if (k->error != 0) k->active = 0;
  return k->active;
}

void IKmd2_Check(IKmd2* k) {
  auto fail = [k](int code) {
    k->enabled = 0;
    k->error = code;
  };
  if (k->active < 1) {
    fail(1);
    return;
  }
  int* keys[3] = {&k->key1, &k->key2, &k->key3};
  for (int* vk : keys)
    if (*vk < 0 || *vk >= kKeyTableSize) *vk = 0;
  // Checked in order: a later failure overwrites the code of an earlier one.
  if (k->key1 < 1 && k->key2 < 1 && k->key3 < 1) fail(1);
  if (k->mode == kKmdModifierKey) {
    if (k->key1 < 1) fail(2);
    if (k->key2 < 1 && k->key3 < 1) fail(3);
  } else if (k->mode == kKmdEitherModifierKey) {
    if (k->key1 < 1 && k->key2 < 1) fail(4);
    if (k->key3 < 1) fail(5);
  }
}

int IKmd2_SetCycle(IKmd2* k, int value, int max, int cycleMode, int repeatMs, int repeatMax) {
  if (max < 2 || value < 1 || value > max) {
    k->active = 0;
    return 0;
  }
  k->value = value;
  k->valueMax = max;
  k->cycleMode = (cycleMode == 1 || cycleMode == 2) ? cycleMode : 0;
  k->repeatMs = repeatMs < 0 ? 0 : repeatMs;
  k->repeatMax = repeatMax < 0 ? 0 : repeatMax;
  return k->active;
}

void KeyUsed_Set(int vk) {
  if (vk >= 0 && vk < kKeyTableSize) KeyCmds.KeyUsedTable[vk] = 1;
}

int KeyUsed_Test(int vk) {
  return (vk >= 0 && vk < kKeyTableSize && KeyCmds.KeyUsedTable[vk] != 0) ? 1 : 0;
}

void IKmd2_Upd(IKmd2* k) {
  k->fired = 0;
  CountDown(&k->blockLeft);
  if (k->active == 0 || k->enabled < 1) return;
  if (k->value < 0) k->value = 0;
  if (k->valueMax <= 1) k->valueMax = AddCapped(k->value, 1);

  switch (k->mode) {
    case kKmdHoldRelease:
      if (k->blockLeft != 0) return;
      k->fired = HoldRelease(k);
      break;
    case kKmdModifierKey:
      if (k->blockLeft != 0) return;
      k->fired = Combo3(k);
      break;
    case kKmdEitherModifierKey:
      if (k->blockLeft != 0) return;
      k->fired = Combo4(k);
      break;
    default:
      if (k->mode == kKmdMultiPress && k->dblWindow != 0 && k->value != 0) {
        MultiPressStep(k);  // keeps counting and latching during a block
        if (k->blockLeft != 0) {
          k->fired = 0;
          return;
        }
      } else {
        if (k->blockLeft != 0) return;
        k->fired = KeysDown(k) == kDownSome ? 1 : 0;
      }
      break;
  }

  if (k->value != 0 && k->repeatMs != 0) k->fired = RepeatStep(k);
  if (k->fired == 0) return;
  if (k->mode != kKmdMultiPress && k->fired == 1) {
    k->mouseX1 = KeyCmds.MouseX;
    k->mouseY1 = KeyCmds.MouseY;
  }
  if (k->value != 0) CycleStep(k);
  if (k->blockMs >= 1) k->blockLeft = k->blockMs;
}

void IKmd2_UpdAll(IKmd2* first, IKmd2* last) {
  if (!first || !last) return;
  for (IKmd2*& w : KeyCmds.KmdSlotWinner) w = nullptr;
  IKmd2* k = first;
  for (int n = 0; n < kMaxBlock; n++, k++) {
    IKmd2_Upd(k);
    if (k->fired && k->slot >= 1 && k->slot < kKmdSlots) {
      IKmd2*& w = KeyCmds.KmdSlotWinner[k->slot];
      if (!w) {
        w = k;
      } else if (k->priority > w->priority) {
        w->fired = 0;
        w = k;
      } else {
        k->fired = 0;
      }
    }
    if (k == last) break;
  }
}

int IKmd2_RepeatElapsed(IKmd2* k, int capped) {
  if (k->repeatMs == 0) return 0;
  int e = (int)(FrameClock.MsClock - (uint32_t)k->repeatStart);
  if (e < 1) {
    k->repeatStart = 0;
    return 0;
  }
  if (capped && e > k->repeatMs) return k->repeatMs;
  return e;
}

double IKmd2_RepeatFrac(IKmd2* k, int capped) {
  if (k->repeatMs == 0) return 0.0;
  int e = IKmd2_RepeatElapsed(k, capped);
  if (e == 0) return 0.0;
  return (double)e / (double)k->repeatMs;
}
