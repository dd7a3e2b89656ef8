// Stage files and stage requests: the base file (".etp": base figures, stage-saved named variables,
// current location) and the location files ("%s.etp%02d": location figures and the side records),
// their writers and readers, and the save and load request words.
#pragma once
#include <cstdio>
#include <string>

#include "figures/fgrs.h"

constexpr unsigned kEtapKindLocation = 87620;
constexpr unsigned kEtapKindBase = 34579;

struct EtapFailRec {
  std::string name;
  std::string why;
};

// --- the current stage, the requests to save or load one, and why the last save or load failed
struct t_StageReq {
  std::string EtapName;     // current stage's base file name without ".etp"
  int EtapLocationNom = 0;  // current location 1..99; 0 none
  std::string EtapSaveReqName;
  int EtapSaveReq = 0;  // non-zero: a save is pending
  std::string EtapLoadReqName;
  int EtapLoadReqLoc = 0;  // 1 or more: a load is pending
  // Non-zero: the pending load reads the whole stage again even when it is the current one at its
  // current location (the file may have changed since it was loaded).
  int EtapLoadReqReload = 0;
  int PlitBuildOn = 1;  // passed to the tile build after a load
  EtapFailRec EtapFail;
};
extern t_StageReq StageReq;

// --- writers (nothing on a null stream)
void Fgrs_WriteHead(t_Fgrs* c, FILE* f, unsigned kind);
void EtapFile_WriteLenAtStart(t_Fgrs* c, FILE* f);
void Etap_SaveTo(t_Fgrs* c, FILE* f);
void Base_SaveTo(t_Fgrs* c, FILE* f, int locationNom);
void priv_FgrExtra_SaveTo(Fgr* pF, FILE* ff, int forLocation);
// Bunker-kind start values of side record k (0..4), set in the live record before it is saved.
void Side_SetSaveDefaults(int k);
// Saves the whole stage (base file and the current location's file): 1 when both were written.
int Etap_Save(const std::string& name);

// --- readers. A file that is cut short or breaks a capacity is refused with a log line, and a
// refusal leaves the figures, records, land, sides and named variables exactly as they were.
// Reads the part head: 1 when its kind is the expected one.
int Fgrs_LoadX(t_Fgrs* c, FILE* f, unsigned kind);
int Etap_LoadFrom(t_Fgrs* c, FILE* f);  // 1: the location part was read and taken
int Base_LoadFrom(t_Fgrs* c, FILE* f);  // the stored location 1..99, or 0 (refused)
void priv_FgrExtra_LoadFrom(Fgr* pF, FILE* ff, int forLocation);
int EtapFile_Load(const std::string& name);  // base file and its current location, both or neither
int Etap_LoadLocation(int n);                // location n of the current stage
// Reads a base file and its location file into scratch as EtapFile_Load does and checks them,
// taking nothing: 1 when the base names location and both would be taken.
int Stage_ReadBack(const std::string& base, const std::string& loc, int location);

// --- failures the user is told of. The last failed save or load (Etap_Save, EtapFile_Load,
// Etap_LoadLocation) leaves the file it failed on, as the game named it, and why: the system's
// reason, or the loader's when the file was refused.
// The message box of a failed save or load (saving), with EtapFail's file and reason.
enum EtapFailNum { kEtapFailLoad = 0, kEtapFailSave = 1 };
void Etap_SayFailure(int saving);
// (The requests are carried out by world/stage_requests.h; the buttons that place them are the
// interface's, ui/stage_buttons.h.)
