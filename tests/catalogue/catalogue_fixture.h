// Shared set-up of the catalogue tests: the figure model's empty world with the hit-point scale the
// balance sheet is written for (Mid 100, Big 400, DamageMid 20), player side 2 on the surface, and
// helpers that fill the container and count what a call left in it.
#pragma once

#include "figures/chains.h"
#include "figures/fa_proc_env.h"
#include "figures/figures_fixture.h"
#include "figures/mode_words.h"
#include "figures/side.h"
#include "gm/org_base.h"

class CatalogueTest : public FiguresTest {
 protected:
  void SetUp() override {
    FiguresTest::SetUp();
    o3::ifcHitBarMid = 100;
    o3::ifcHitBarBig = 400;
    o3::ifcDamageMid = 20;
    Sides.PlayerSide = 2;
    visUnderGround = 0;
  }

  static void Fresh() { Fgrs.ResetAll(); }
  // Every location slot taken but `free` of them.
  static void FillLocation(int free) {
    for (int i = FgrsBaseLast + 1; i < kFgrsSlots - free; i++) Fgrs.mf[i].status = fgrDekor;
  }
  static int LiveOfKind(int kind) {
    int n = 0;
    for (const Fgr& f : Fgrs.mf) n += f.status == kind;
    return n;
  }
};

inline int ChainLen(const Fgr* head) {
  int n = 0;
  for (const Fgr* m = head; m && n < 100; m = m->pTail) n++;
  return n;
}
