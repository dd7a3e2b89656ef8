// The stage request words and the message box of a failed save or load. Play's test save and load
// buttons and the start screen's play button store a request and the game update carries it out
// once a frame, save first, then load (world/stage_requests.cpp). Two buttons act at once inside
// their widget callbacks (ui/stage_buttons.cpp): the editor's save button saves, and a right click
// on the start screen's Editor button loads the stage its open dialog names.
#include "figures/stage.h"
#include "gm/org_base.h"
#include "platform/platform.h"
#include "shell/log.h"

t_StageReq StageReq;

// A save or a load that failed looks like one that worked unless it is said where the user looks.
void Etap_SayFailure(int saving) {
  const char* what = o2::EngText ? (saving ? "Stage not saved" : "Stage not loaded")
                                 : (saving ? "Этап не сохранён" : "Этап не загружен");
  const std::string text =
      std::string(what) + ": " + StageReq.EtapFail.name + " (" + StageReq.EtapFail.why + ")";
  LogInfo("\n%s", text.c_str());
  Plat_MessageBox(text.c_str(), "Error", MB_OK | MB_ICONEXCLAMATION);
}
