// The stage maker: writes "Maps/test.etp" and its location file, the stage the start screen's
// play button loads, with the game's own functions: a new world, the player's AngBunker and an
// enemy HasBunker on held cells, and a few units of each side built by combination presets.
//
//   tolv_stages <source root> <output folder>
//
// The named variables are read from the source root's "gm/__orgmix.txt"; the stage is written to
// <output folder>/Maps. The random generator is seeded before every step that draws from it, so
// every run writes the same bytes.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "catalogue/kombi.h"
#include "catalogue/new_world.h"
#include "figures/fgrs.h"
#include "figures/land.h"
#include "figures/org_files.h"
#include "figures/side.h"
#include "figures/stage.h"
#include "gm/org_base.h"
#include "platform/platform.h"
#include "shell/log.h"
#include "shell/random.h"
#include "world/land_grid.h"
#include "world/movement.h"

namespace {

int Cell(int col, int row) { return row * kLandSide + col; }

// A bunker on the 2 x 2 cells from cell, with two held cells of its ring marked as a map would.
Fgr* Bunker(int kind, int side, int cell) {
  for (int held : {cell + 255, cell + 2}) Land.LandSurface.kle[held].objCode = 16;
  float x, z;
  Land_CellCentre(cell, &x, &z);
  return StaMutBunker(kind, side, x + 5.0f, z + 5.0f, cell);
}

int Units(int side, std::initializer_list<std::pair<int, int>> kombiAndCell) {
  for (auto [kombi, cell] : kombiAndCell) {
    Fgr* u = Fgr_Create(kombi, side, 0);
    if (!u) return 0;
    Fgr_CellMoveTo(u, cell, 0, 0, 0);
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  Plat_IgnoreFileSizeSignal();  // as the game: a write past a size limit fails and is put back
  if (argc != 3) {
    fprintf(stderr, "usage: tolv_stages <source root> <output folder>\n");
    return 2;
  }
  const std::filesystem::path out = std::filesystem::absolute(argv[2]);
  std::filesystem::create_directories(out / "Maps");
  Logger.gsFileLog = (out / "stages_log.txt").string();
  if (chdir(argv[1]) != 0) {
    fprintf(stderr, "tolv_stages: no folder %s\n", argv[1]);
    return 1;
  }
  org2_Init();
  orgF_Init();
  if (!Org_ReadMixAtStart()) {
    fprintf(stderr, "tolv_stages: %s does not parse\n", OrgFiles.gsFileOrgMix.c_str());
    return 1;
  }
  RandSeed(1);
  init_ProjX();
  // The world again from a seed of its own, whatever the floors' start drew.
  RandSeed(2);
  ProjX_ResetFigures(1);
  Sides.PlayerSide = 2;
  Fgr* mine = Bunker(fgrAngBunker, 2, Cell(12, 8));
  Fgr* theirs = Bunker(fgrHasBunker, 3, Cell(40, 36));
  if (!mine || !theirs) {
    fprintf(stderr, "tolv_stages: a bunker was not made (see %s)\n", Logger.gsFileLog.c_str());
    return 1;
  }
  Fgr_CreateForOwner(mine);
  Fgr_CreateForOwner(theirs);
  if (!Units(2, {{kombi_StrelokAngelov, Cell(17, 10)},
                 {kombi_StrelokAngelov, Cell(18, 11)},
                 {kombi_GlushakAngelov, Cell(17, 12)}}) ||
      !Units(3, {{kombi_SoldatAkademii, Cell(35, 32)},
                 {kombi_SoldatAkademii, Cell(36, 33)},
                 {kombi_RoboGolem, Cell(37, 32)}})) {
    fprintf(stderr, "tolv_stages: a unit was not made\n");
    return 1;
  }
  StageReq.EtapLocationNom = 1;
  const std::string name = (out / "Maps" / "test.etp").string();
  for (const std::string& f : {name, name + "01", name + "_bak", name + "01_bak"})
    std::remove(f.c_str());
  if (!Etap_Save(name)) {
    fprintf(stderr, "tolv_stages: %s not written: %s (%s)\n", name.c_str(),
            StageReq.EtapFail.name.c_str(), StageReq.EtapFail.why.c_str());
    return 1;
  }
  return 0;
}
