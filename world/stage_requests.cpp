// Stage requests carried out by the game update: save first, then load, then the resets a load
// needs; the new game.
#include "world/stage_requests.h"

#include "catalogue/new_world.h"
#include "gm/org_base.h"
#include "shell/dialogs.h"
#include "shell/log.h"
#include "world/land_grid.h"
#include "world/land_tiles.h"
#include "world/selection.h"

int Etap_AfterLoadReset() {
  Cameras_FitWindow();
  PlitTextures_Build(StageReq.PlitBuildOn);
  // The figures were replaced: what was selected, hovered, carried or waiting for a ground point
  // names a slot that now holds another figure or none, as after a new world.
  SelList_ForgetFigures();
  // A stage starts on the player's own side, not at the world's corner.
  PickPoint_SetToPlayerSide();
  return 0;
}

void Etap_SetNameAfterLoad() {
  // Only a real ".etp" is taken off: a name chosen without it stays whole.
  const std::string& n = StageReq.EtapLoadReqName;
  bool etp = n.size() >= 4 && n.compare(n.size() - 4, 4, ".etp") == 0;
  StageReq.EtapName = etp ? n.substr(0, n.size() - 4) : n;
  Etap_AfterLoadReset();
}

int Etap_ProcRequests() {
  if (StageReq.EtapSaveReq && !StageReq.EtapSaveReqName.empty()) {
    if (!Etap_Save(StageReq.EtapSaveReqName)) Etap_SayFailure(kEtapFailSave);
    StageReq.EtapSaveReq = 0;
  }
  if (StageReq.EtapLoadReqLoc < 1 || StageReq.EtapLoadReqName.size() < 5) return 0;
  bool current = !StageReq.EtapLoadReqReload && StageReq.EtapLocationNom >= 1 &&
                 !StageReq.EtapName.empty() && StageReq.EtapLoadReqName == StageReq.EtapName + ".etp";
  if (current && StageReq.EtapLoadReqLoc == StageReq.EtapLocationNom)
    return 0;  // already there: stays pending
  if (current) {
    if (Etap_LoadLocation(StageReq.EtapLoadReqLoc)) {
      Etap_AfterLoadReset();
    } else {
      LogInfo("\nLoadLocationFail: %s %d", StageReq.EtapLoadReqName.c_str(), StageReq.EtapLoadReqLoc);
      Etap_SayFailure(kEtapFailLoad);
    }
  } else {
    if (EtapFile_Load(StageReq.EtapLoadReqName)) {
      Etap_SetNameAfterLoad();
    } else {
      LogInfo("\nLoadEtapFail: %s", StageReq.EtapLoadReqName.c_str());
      Etap_SayFailure(kEtapFailLoad);
    }
  }
  StageReq.EtapLoadReqLoc = 0;
  StageReq.EtapLoadReqReload = 0;
  return 0;
}

void Etap_NewGame(int askFile) {
  Fgrs.ResetAll();
  // What play left selected, hovered, carried or waiting for a ground point names emptied slots
  // now: kept, a right click in the editor would order it instead of placing, and a left click
  // would give it a signal instead of selecting.
  SelList_ForgetFigures();
  Land_InitCellFlags();
  ProjX_CreateLandAndBunkers();
  o2::LandEdgeWd = 2;
  StageReq.EtapLocationNom = 1;
  if (askFile && Dlg_OpenFile()) {
    StageReq.EtapLoadReqName = Dlg.DlgFilePath;
    if (EtapFile_Load(StageReq.EtapLoadReqName)) Etap_SetNameAfterLoad();
    else Etap_SayFailure(kEtapFailLoad);
  }
}
