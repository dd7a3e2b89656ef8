// Shared set-up for the stage tests: an empty world (figures, record pools, land, sides, named
// variables, request state), a builder of a varied stage, and snapshots of the live world.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "figures/land.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "figures/stage.h"
#include "figures/stage_scratch.h"
#include "gui/gui_win.h"
#include "pending_calls.h"
#include "shell/log.h"
#include "shell/random.h"
#include "test_files.h"
#include "ui/stage_buttons.h"
#include "world/selection.h"
#include "world/stage_requests.h"

// A read stream over the first n bytes of b (no file on disk).
inline FILE* MemFile(std::vector<char>& b, size_t n) {
  if (n == 0) return tmpfile();  // fmemopen refuses an empty buffer
  return fmemopen(b.data(), n, "rb");
}

inline int ReadInt(const std::vector<char>& b, size_t at) {
  int v = 0;
  memcpy(&v, b.data() + at, 4);
  return v;
}

// Everything a stage load may change, copied whole. The copies keep their buffers from one take
// to the next and a comparison reads the live world where it lies: a world is many megabytes, which
// seeded tests would otherwise allocate and fault in anew for every round they load.
struct WorldCopy {
  std::vector<char> fgrs, sides, org2, orgF, landS, landU, units, items;
  int unCursor = 0, itemCursor = 0;

  static std::vector<char> Bytes(const void* p, size_t n) {
    const char* c = static_cast<const char*>(p);
    return std::vector<char>(c, c + n);
  }
  static void Copy(std::vector<char>* to, const void* p, size_t n) {
    const char* c = static_cast<const char*>(p);
    to->assign(c, c + n);
  }
  static bool Equal(const std::vector<char>& v, const void* p, size_t n) {
    return v.size() == n && memcmp(v.data(), p, n) == 0;
  }
  // The figures only: enough for the cheap check.
  void TakeFigures() { Copy(&fgrs, Fgrs.mf, sizeof Fgrs.mf); }
  void Take() {
    Copy(&fgrs, Fgrs.mf, sizeof Fgrs.mf);
    Copy(&sides, Sides.SideTab, sizeof Sides.SideTab);
    Copy(&org2, org2n, sizeof org2n);
    Copy(&orgF, orgFn, sizeof orgFn);
    Copy(&landS, Land.LandSurface.kle, sizeof Land.LandSurface.kle);
    Copy(&landU, Land.LandUnder.kle, sizeof Land.LandUnder.kle);
    units.resize(kRecPool * sizeof(t_UNIT));
    items.resize(kRecPool * sizeof(t_item));
    for (int i = 0; i < kRecPool; i++) {
      memcpy(units.data() + i * sizeof(t_UNIT), UN_PoolAt(i), sizeof(t_UNIT));
      memcpy(items.data() + i * sizeof(t_item), item_PoolAt(i), sizeof(t_item));
    }
    unCursor = UN_PoolCursor();
    itemCursor = item_PoolCursor();
  }
  // 1 when the live figures alone still match (the cheap check).
  bool SameFigures() const { return Equal(fgrs, Fgrs.mf, sizeof Fgrs.mf); }
  bool Same() const {
    if (!SameFigures() || !Equal(sides, Sides.SideTab, sizeof Sides.SideTab) ||
        !Equal(org2, org2n, sizeof org2n) || !Equal(orgF, orgFn, sizeof orgFn) ||
        !Equal(landS, Land.LandSurface.kle, sizeof Land.LandSurface.kle) ||
        !Equal(landU, Land.LandUnder.kle, sizeof Land.LandUnder.kle) ||
        units.size() != kRecPool * sizeof(t_UNIT) || items.size() != kRecPool * sizeof(t_item))
      return false;
    for (int i = 0; i < kRecPool; i++)
      if (memcmp(units.data() + i * sizeof(t_UNIT), UN_PoolAt(i), sizeof(t_UNIT)) != 0 ||
          memcmp(items.data() + i * sizeof(t_item), item_PoolAt(i), sizeof(t_item)) != 0)
        return false;
    return unCursor == UN_PoolCursor() && itemCursor == item_PoolCursor();
  }
};

class StageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Logger.gsFileLog = TestFileName("log.txt");
    std::remove(Logger.gsFileLog.c_str());
    LogResetCount();
    ClearWorld();
    StageReq.EtapName.clear();
    StageReq.EtapLocationNom = 0;
    StageReq.EtapSaveReqName.clear();
    StageReq.EtapSaveReq = 0;
    StageReq.EtapLoadReqName.clear();
    StageReq.EtapLoadReqLoc = 0;
    StageReq.PlitBuildOn = 0;  // no tile textures: the tests run without a GL context
    // What the stand-ins of the services not built yet saw; read by the request tests.
    gStagesPending = StagesPendingCalls{};
    RandSeed(4242);
  }

  static void ClearWorld() {
    Records_ResetPools();
    Fgrs.ResetAll();
    memset(Sides.SideTab, 0, sizeof Sides.SideTab);
    memset(org2n, 0, sizeof org2n);
    memset(orgFn, 0, sizeof orgFn);
    memset(Land.LandSurface.kle, 0, sizeof Land.LandSurface.kle);
    memset(Land.LandUnder.kle, 0, sizeof Land.LandUnder.kle);
  }

  std::string Name(const std::string& s) const { return TestFileName(s); }

  static std::string LogText() { return ReadAll(Logger.gsFileLog); }

  static Fgr* Make(int kind, int forBase) {
    Fgr* f = Fgrs.AddFgr(kind, forBase);
    if (f) {
      f->novorod = 0;
      f->active = 1;
    }
    return f;
  }

  // Puts m at the end of h's chain (head field), as the chain code leaves it.
  static void Chain(Fgr* h, Fgr* Fgr::*head, int Fgr::*now, Fgr* m) {
    m->pParent = h;
    m->pTail = nullptr;
    if (!(h->*head)) {
      h->*head = m;
      m->pPrev = nullptr;
    } else {
      Fgr* last = h->*head;
      while (last->pTail) last = last->pTail;
      last->pTail = m;
      m->pPrev = last;
    }
    h->*now += 1;
  }

  // A varied stage: base figures of several kinds, units with records and chains of items,
  // links between base and location figures, side values and technologies, stage variables.
  // withLand adds a land holder carrying both floors.
  static void BuildWorld(int withLand, int locFigures = 10) {
    for (int i = 0; i < 6; i++) {
      Fgr* f = Make(i % 2 ? 20 : 112, 1);
      f->priv_position_x = 15.0f + i * 10;
      f->rot = 0.5f * i;
      f->zap015 = -1000 - i;
      f->Paf[1][0] = (short)(-3 - i);
      f->Paf[2][1] = (short)(30000 + i);
      if (f->UN != empty_UN_adr()) {
        f->UN->ExpRang = 2 + i;
        Fgr_SetItemName(f, "Base" + std::to_string(i));
        BoeCnt_Set(&f->UN->cnt, 1, 50 + i, 100, 0, 200);
        FKu_Add(&f->UN->fku, 3, 2, 40 + i, 0, 1, 50, 2);
        FBu_AddFromFKu(&f->UN->fbu, &f->UN->fku.e[0]);
      }
    }
    Fgr* gunHolder = &Fgrs.mf[1];  // a unit
    for (int i = 0; i < 3; i++) {
      Fgr* it = Make(301, 1);
      if (it->item != empty_item_adr()) {
        Fgr_SetItemName(it, "Item" + std::to_string(i));
        Sta_Add(&it->item->sta, (uint16_t)(5 + i), (uint16_t)(100 + i), 1, 0, 1);
      }
      Chain(gunHolder, &Fgr::P2_Sub_Gruz, &Fgr::Sub_Gruz_now, it);
    }
    Fgrs.mf[3].P2_UseHelm = &Fgrs.mf[8];
    Fgrs.mf[2].P_FireTarg = &Fgrs.mf[5];
    if (withLand) {
      Fgr* land = Make(13, 1);
      land->landSurf = &Land.LandSurface;
      land->landUnder = &Land.LandUnder;
      land->KamStudio = 1;
      for (int i = 0; i < kLandCells; i += 7) {
        Land.LandSurface.kle[i].height = (float)(i % 97) * 0.25f;
        Land.LandSurface.kle[i].tile = (uint8_t)(i % 8);
        Land.LandSurface.kle[i].objCode = (uint8_t)(i % 17);
        Land.LandUnder.kle[i].flag = (uint8_t)(i % 3);
        Land.LandUnder.kle[i].height = -1.5f;
      }
    }
    for (int i = 0; i < locFigures; i++) {
      Fgr* f = Make(i % 3 ? 112 : 20, 0);
      f->priv_position_z = 100.0f + i;
      f->IndKlv = i % 13;
      for (int k = 0; k < 12; k++) f->Ind[k] = (unsigned)(k * 3 + i);
      if (f->UN != empty_UN_adr()) {
        f->UN->mortal = 1;
        Fgr_SetItemName(f, "Loc" + std::to_string(i));
      }
    }
    // Links only between figures that exist: a stage that names empty slots is one the game
    // refuses whole, and its cuts would prove nothing.
    auto made = [&](int slot) { return slot - FgrsBaseLast <= locFigures; };
    if (made(501)) Fgrs.mf[501].P_FireTarg = &Fgrs.mf[2];  // location to base
    if (made(502)) Fgrs.mf[502].pParent = &Fgrs.mf[6];
    if (made(504)) Fgrs.mf[503].P_Guest = &Fgrs.mf[504];   // location to location
    if (made(505)) Fgrs.mf[4].P_AutoTarg = &Fgrs.mf[505];  // base to location
    if (made(508)) {
      Chain(&Fgrs.mf[506], &Fgr::P2_Sub_Unit, &Fgr::Sub_Unit_now, &Fgrs.mf[507]);
      Chain(&Fgrs.mf[506], &Fgr::P2_Sub_Unit, &Fgr::Sub_Unit_now, &Fgrs.mf[508]);
    }
    if (withLand) {
      Land.LandSurface.kle[300].occupant = &Fgrs.mf[501];
      Land.LandSurface.kle[301].holder = &Fgrs.mf[2];
    }
    for (int k = 0; k < kSides; k++) {
      Sides.SideTab[k][kSideId] = k + 1;
      Sides.SideTab[k][kSideEner] = 1000 + k;
      Sides.SideTab[k][kSideBunker] = 201 + k;
      Sides.SideTab[k][640] = 77 + k;
      Sides.SideTab[k][kSideLastValue] = -5;
      TechEntry* t = Side_Tech(k, 40 + k);
      t->w[0] = 3;
      t->w[4] = 12;
      t->w[12] = 499;
    }
    for (int i = 0; i < (int)(sizeof org2n / sizeof org2n[0]); i++) org2n[i] = i * 7 - 300;
    for (int i = 0; i < (int)(sizeof orgFn / sizeof orgFn[0]); i++) orgFn[i] = i * 0.5f - 9.0f;
    StageReq.EtapLocationNom = 3;
  }
};
