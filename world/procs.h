// Figure procedures by number. A figure holds the numbers of its update, queue, render, panel-button
// and hit-bar procedures; the generated ProcFgr (gm/fa_proc.h) runs a number on a figure, and the
// loops here decide which of a figure's numbers runs when. Beside them live the update procedures
// of the fighting figures (units, bunkers, squads) and of triggers.
#pragma once

class Fgr;
struct t_Fgrs;

// The update procedure of one figure (ProcNomUpd2), when it has one.
void Fgr_Proc28(Fgr* f);
// The update pass: slots 1..999 in rising order, skipping figures that are not active or have
// woUpdate set; nothing at all while paused or in the editor.
void Fgrs_ProcAll(t_Fgrs* all);
// The hit-bar procedure word of a figure (no caller in the game).
void Fgr_ProcMixHitBars(Fgr* f);
// A unit's panel signal (fromPultSig, less 100 when above 100) runs the panel-button procedure of
// that member of its button chain, when the button exists and is active.
void Fgr_ProcLinked(Fgr* unit);

// Procedures 34 and 56 draw a panel button into the widget being drawn: widget work, which the
// interface above the world hands in as the program starts (ui/info_texts.cpp). Without it (a
// program of the world alone) they draw nothing, as they do outside a widget's draw.
struct t_ProcHooks {
  void (*ProcKnoButtonDraw)(Fgr* button);
  void (*ProcKnoButton2Draw)(Fgr* button);
};
extern t_ProcHooks ProcHooks;

// Update procedures of the fighting figures: 25 a unit that walks and fights, 23 a unit that
// fights in place, 22 a bunker, 24 a squad holder.
void Proc_Unit(Fgr* f);
void Proc_UnitStand(Fgr* f);
void Proc_Bunker(Fgr* f);
void Proc_SquadHolder(Fgr* f);
// What the cursor kind of a cell (1..8) offers the player at the side's level: the marker and
// cursor texture 80..85, or 0 (kinds 9 and 10 depend on the side's bunker).
int Cell_OfferCode(int cursorKind, int level);
// Which sides see the figure this frame: its per-side marks and KlientVidit (seen by the player),
// from the units each side listed during the container's update.
void Fgr_SightTest(Fgr* f);

// Update procedure 4 of triggers: timed, sensed or attached to a parent.
void Triger_Upd(Fgr* t);
// What a timed trigger's run does: its trigRunCase, as stages store it. Any other number does
// nothing.
enum TrigRunCaseNum {
  kTrigRunMarkOrActivate = 0,  // mark technologies, or activate slots (Triger_Upd itself)
  kTrigRunMessage = 4,         // message Marsh1 in the code window
  kTrigRunHeal = 5,            // activateExt added to a unit's first hit bar (negative hurts)
  kTrigRunKombi = 6,           // the combination activateFgr made
};
// One run of a trigger whose trigRunCase is not kTrigRunMarkOrActivate.
void Trig_RunCase(Fgr* t);
// Message msgNo of the message base in the code window, which then shows and pauses the game (the
// frame shows the window with the text on CodeWinMsgReq); nothing without the window and its text
// box (CodeWinReady) or for a number the base does not hold.
void Trig_ShowMessage(int msgNo);
