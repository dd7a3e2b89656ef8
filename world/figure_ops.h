// Small figure operations beside the procedures, used by the triggers, flags, bunkers, income and
// the interface.
#pragma once

class Fgr;

// The play screen's code window, where a trigger's message shows and pauses the game. The window
// is the interface's: its build sets CodeWinReady once the window and its text box exist (until
// then a message shows nothing). A trigger asks by CodeWinMsgReq, the message's number in the
// message base (0 for none); the frame that ran the trigger shows the window with that text as its
// one row before anything draws it, and clears the word.
struct t_CodeWin {
  int CodeWinReady;
  int CodeWinMsgReq;
};
extern t_CodeWin CodeWin;

// A trigger's hold on its parent ends: not active, no wait, no signal, no production slot.
void Fgr_Disarm(Fgr* f);
// Technology n (1..499) of side s (1..5) marked state 3; anything outside is ignored.
void Side_TechMark3(int n, int s);
// 1 when a flag's taker no longer holds its post: missing, not holding fire, given a route target,
// or dying.
int Fgr_NotHoldingPost(const Fgr* f);
// Sight, build and detector radii and the hold time of a capture place's class (4, 5, others).
void Bunker_SetClassRadii(Fgr* f, int cls);
// Takes up to *amount from *store and answers what was taken (0 when either is below 1).
int IntTakeUpTo(int* store, int* amount);
// The flag a special field (kind 18) holds: its first kind-6 member of P2_Sub_UseDet while that
// flag's state is above 0.
Fgr* FieldSpec_ActiveFlag(Fgr* place);
