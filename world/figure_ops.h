// Small figure operations beside the procedures, used by the triggers, flags, bunkers, income and
// the interface.
#pragma once

class Fgr;
struct GuiWin;

// The play screen's code window and its text box: a trigger's message shows there and pauses the
// game, and clearing the pause hides it again. The interface makes them when it builds the play
// screen; null until then (nothing shows).
extern GuiWin* CodeWinBox;
extern GuiWin* CodeWinText;
// The message (its number in the message base) whose text the code window's rows are to take, 0
// for none: a trigger asks, and the frame gives the rows the text before the window is drawn (the
// rows are the widget toolkit's, above the world).
extern int CodeWinMsgReq;

// The pause lifted and the code window hidden, when the window exists.
void GamePause_Clear();

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
