// The new game world: the one made at start-up, and the land figures, cameras and base bunkers of
// a new world in the editor.
#pragma once

void init_ProjX();                  // the new game world of start-up
void ProjX_CreateLandAndBunkers();  // land figures, cameras and base bunkers of a new world
