// Combat: who shoots at whom (targets kept and searched, the line of fire), when a shot leaves the
// gun and whether it lands, the target's three attacker slots, squad cover, the units' area step,
// and the damage of one hit through the three filter stages of the bonus tables with its hit log.
#pragma once

#include <string>

class Fgr;
struct Sta;
struct FKu;
struct FBu;

void Boe_Attack(Fgr* unit);    // the attack step
void Boe_AreaStep(Fgr* unit);  // the unit's area-effect step

struct t_Combat {
  // The attack step sets it to an automatic target that is out of the line of fire of a unit that
  // must not lose it; the automatic-target search then passes that figure by.
  Fgr* AutoTargBlocked;
  int HitLogLastMs;  // game time of the last damage call: a blank log line between bursts
};
extern t_Combat Combat;

void Boe_Hit(Fgr* attacker, Fgr* target);        // one shot of the attacker's gun
int Fgr_InFireLine(Fgr* attacker, Fgr* target);  // within the gun's reach and not walled off
// 0: the hit counts as registered (normal); 1: refused by the target's slots (a bad hit).
int Fgr_AddAtaker(Fgr* attacker, Fgr* gun, Fgr* target);
// 1 when attackers a and o stand apart as seen from the target t (ground positions x, z).
int Ataker_SpacingOk(float tx, float tz, float ax, float az, float ox, float oz);
Fgr* Fgr_SquadCover(Fgr* attacker, Fgr* target);  // the squad member that takes the hit, or none
int Fgr_CountedHp(const Fgr* f);  // NormHP, CaptHP, TehnHP now, over the channels the figure uses
int Fgr_HealthAbove(const Fgr* a, const Fgr* b);
void Fgr_AddExp(Fgr* attacker, int amount, Fgr* target);
int Fgr_NoFightPair(const Fgr* a, const Fgr* b);  // both born of technology 93..94

// One hit: every entry of the damage list through the gun stage (gun FKu, kind 1, by the
// quality: 0 normal, 1 bad, 2 good, 3 split), the mid stage (attacker's FBu, kind 2) and the set
// stage (target's FBu, kind 3); what stays above 0 changes the target's counter. A target of rank
// 1 or more with an attacker gets the hit log and gives the attacker experience. Nothing happens
// without a gun table, a damage list or a target with its unit record in use.
void Boe_Damage(Fgr* attacker, FBu* attackerFbu, Sta* list, FKu* gunFku, Fgr* target, int quality);

void Boe_LogMidFilters(const FBu* t);
void Boe_LogSetFilters(const FBu* t);
// The filter line of a bonus entry: for tooltips (an FKu entry, without its count) and for the
// log (an FBu entry with its count n); stage 0 is the mid stage, 1 the set stage.
std::string Boe_FilterLine(int id, int value, int ofStart, int percent, int stage);
void Boe_FilterLineLog(int id, int value, int ofStart, int percent, int n, int stage);
