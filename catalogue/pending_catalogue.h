// Stand-ins for the catalogue services that start-up and the stage requests call until the catalogue
// is built; each entry is deleted when its real one lands.
#pragma once

void init_ProjX();                  // the new game world of start-up
void ProjX_CreateLandAndBunkers();  // land figures, cameras and base bunkers of a new world
