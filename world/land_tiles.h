// The rebuild of the land after a stage or location load: vertex heights and colours, the minimap's
// colour map, the surface chunks' tile textures (from the stage's own images or drawn from the
// cells), the decorations and the passability maps. It ends in the world's passability maps, so it
// belongs to the world, above the land drawing it uses.
#pragma once

// decorate non-zero also scatters the cells' decoration bytes.
void PlitTextures_Build(int decorate);
