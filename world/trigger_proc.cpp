// Update procedure 4 of triggers, which script a stage: attached to a parent they send it one panel
// signal; sensed, they activate a slot while something touches them; timed, they mark technologies,
// activate slots, show a message, heal or hurt a unit or build a combination on each period.
#include "world/procs.h"

#include "catalogue/kombi.h"
#include "figures/chains.h"
#include "figures/fgrs.h"
#include "figures/records.h"
#include "gm/org_base.h"
#include "shell/frame_clock.h"
#include "shell/msgbase.h"
#include "world/fgrs_update.h"
#include "world/figure_ops.h"

void Trig_ShowMessage(int msgNo) {
  const char* text = MsgBase_TextOrNull(msgNo);
  // A number past the end is missing too (the lookup would answer its ".Z." marker).
  if (!CodeWin.CodeWinReady || !text || msgNo > (int)Msgs.MsgBase.size() / 2) return;
  o2::GamePause = 1;
  CodeWin.CodeWinMsgReq = msgNo;
}

void Trig_RunCase(Fgr* t) {
  if (!t) return;
  switch (t->trigRunCase) {
    case kTrigRunMessage: Trig_ShowMessage(t->Marsh1); break;
    case kTrigRunHeal: {
      Fgr* u = Fgrs_pFgr(t->activateFgr);
      if (!Fgr::IsUnit(u)) break;
      int c = u->useNormHP ? bcNormHP : u->useCaptHP ? bcCaptHP : u->useTehnHP ? bcTehnHP : bcZero;
      if (c != bcZero) BoeCnt_AddNow(&u->UN->cnt, c, t->activateExt, 0);
      break;
    }
    case kTrigRunKombi: Fgr_Create(t->activateFgr, 0, 0); break;
    default: break;
  }
}

void Triger_Upd(Fgr* t) {
  if (!t) return;
  if (t->pParent) {
    if (!t->waitFull) return;
    if (Fgr::Owner(t->pParent) == Fgr::Owner(t)) {
      if (!TimerDown(&t->waitNow)) return;
      if (t->parentSig) t->pParent->fromPultSig = t->parentSig;
    }
    Fgr_Disarm(t);
    return;
  }
  if (t->trigSensCase) {
    if (t->P_TrigFrom) Fgrs_DecDambaOrActivate(t->activateFgr);
    return;
  }
  if (t->trigDamba >= 1 || !TimerDown(&t->waitNow)) return;
  if (t->trigRunCase == kTrigRunMarkOrActivate) {
    if (t->activateExt) {
      int side = Fgr::Owner(t);
      Side_TechMark3(t->activateExt, side);
      if (t->Marsh1) Side_TechMark3(t->Marsh1, side);
      if (t->Marsh2) Side_TechMark3(t->Marsh2, side);
    } else {
      Fgrs_DecDambaOrActivate(t->activateFgr);
      if (t->Marsh1) Fgrs_DecDambaOrActivate(t->Marsh1);
      if (t->Marsh2) Fgrs_DecDambaOrActivate(t->Marsh2);
    }
  } else {
    Trig_RunCase(t);
  }
  if (t->trigRunKlv > 0) {
    t->trigRunKlv -= 1;
    if (t->trigRunKlv == 0) {
      // Out of any holder's chain first: a reset member left in a chain ends the program.
      Fgr_Sub_LeaveHolder(t);
      t->Sbros();
      return;
    }
  }
  t->waitFull = t->waitNow = t->ueWaitFull;
}
