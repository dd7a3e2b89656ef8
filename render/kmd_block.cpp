// The one translation unit that holds the key-command block and the re-binding mode.
#include "render/kmd_block.h"

#include <cstring>

// The generated header defines the block, its loader and the re-binding mode; it names the
// OpenGL calls, the text printer, the text helpers and the window size without including them.
#include <GL/gl.h>

#include "gm/org_base.h"
#include "render/font.h"
#include "render/tex_names.h"
#include "shell/files.h"
#include "shell/text.h"
#include "shell/window_state.h"

#include "gm/res_a.h"

static_assert(sizeof(inerProjKmd) == sizeof(IKmd2) * (anSetKeys1_4Klv + 1),
              "the block must be consecutive records");
static_assert(KMD_NAMED == anSetKeys1_4Klv, "every command of the class has its name");

// The hand-written names of the texture slots are the generated ones.
constexpr bool TexNamesMatch() {
  // clang-format off
  const int pairs[][2] = {
      {kTxWhite, TX_WHITE}, {kTxSprWorker, TX_SPR_WORKER}, {kTxEditMark, TX_EDIT_MARK},
      {kTxCursor, TX_CURSOR}, {kTxTopStrip, TX_TOP_STRIP}, {kTxGlow, TX_GLOW},
      {kTxFloorboxBack, TX_FLOORBOX_BACK}, {kTxSlotMark, TX_SLOT_MARK}, {kTxDecalRing, TX_DECAL_RING},
      {kTxBadge0, TX_BADGE0}, {kTxBadge1, TX_BADGE1}, {kTxBadge2, TX_BADGE2}, {kTxBadge3, TX_BADGE3},
      {kTxFlag0, TX_FLAG0}, {kTxFlag1, TX_FLAG1}, {kTxFlag2, TX_FLAG2}, {kTxFlag3, TX_FLAG3},
      {kTxSprSpawn, TX_SPR_SPAWN}, {kTxBeamFoe, TX_BEAM_FOE}, {kTxBeamOwn, TX_BEAM_OWN},
      {kTxTarget, TX_TARGET}, {kTxSprHero, TX_SPR_HERO}, {kTxSprBase, TX_SPR_BASE},
      {kTxTileRuin, TX_TILE_RUIN}, {kTxSprTower, TX_SPR_TOWER}, {kTxTileForest, TX_TILE_FOREST},
      {kTxSprScout, TX_SPR_SCOUT}, {kTxSprGuest, TX_SPR_GUEST}, {kTxSprDepot, TX_SPR_DEPOT},
      {kTxTileBorder, TX_TILE_BORDER}, {kTxTileMeadow, TX_TILE_MEADOW}, {kTxTileMeadow2, TX_TILE_MEADOW2},
      {kTxSprSoldier, TX_SPR_SOLDIER}, {kTxTileCrater, TX_TILE_CRATER}, {kTxTilePlate, TX_TILE_PLATE},
      {kTxSprShooter, TX_SPR_SHOOTER}, {kTxFieldLadder, TX_FIELD_LADDER}, {kTxSprSmith, TX_SPR_SMITH},
      {kTxSpark, TX_SPARK}, {kTxTileWater, TX_TILE_WATER}, {kTxMapSurface, TX_MAP_SURFACE},
      {kTxSpr61, TX_SPR_61}, {kTxSpr62, TX_SPR_62}, {kTxSpr63, TX_SPR_63}, {kTxSpr64, TX_SPR_64},
      {kTxGlowAtlas, TX_GLOW_ATLAS}, {kTxFloorboxHover, TX_FLOORBOX_HOVER}, {kTxSpr67, TX_SPR_67},
      {kTxStamp, TX_STAMP}, {kTxMapPicture, TX_MAP_PICTURE}, {kTxNamebarBlue, TX_NAMEBAR_BLUE},
      {kTxNamebarGreen, TX_NAMEBAR_GREEN}, {kTxNamebarRed, TX_NAMEBAR_RED}, {kTxMapUnder, TX_MAP_UNDER},
      {kTxStartBack, TX_START_BACK}, {kTxTileSand, TX_TILE_SAND}, {kTxTileDirt, TX_TILE_DIRT},
      {kTxTileRock, TX_TILE_ROCK}, {kTxTileGravel, TX_TILE_GRAVEL}, {kTxTileRoad, TX_TILE_ROAD},
      {kTxDecoCrystal, TX_DECO_CRYSTAL}, {kTxDecoTree, TX_DECO_TREE}, {kTxDecoOre, TX_DECO_ORE},
      {kTxDecoBush, TX_DECO_BUSH}, {kTxDecoGold, TX_DECO_GOLD}, {kTxDecoGem, TX_DECO_GEM},
      {kTxDecoStump, TX_DECO_STUMP}, {kTxDecoFlowers, TX_DECO_FLOWERS}, {kTxSpr88, TX_SPR_88},
      {kTxSprMachine, TX_SPR_MACHINE}, {kTxSprCart, TX_SPR_CART}, {kTxSprHand, TX_SPR_HAND},
      {kTxMapHover, TX_MAP_HOVER}};
  // clang-format on
  for (const auto& p : pairs)
    if (p[0] != p[1]) return false;
  return true;
}
static_assert(TexNamesMatch(), "render/tex_names.h must name each slot as gm/res_a.h does");

int Kmd_Count() { return anSetKeys1_4Klv; }
IKmd2* Kmd_First() { return reinterpret_cast<IKmd2*>(&kmdSbor); }
IKmd2* Kmd_Last() { return &kmdSbor.Last; }

IKmd2* KmdByNum(int n) {
  if (n < 0 || n > anSetKeys1_4Klv) return nullptr;
  return Kmd_First() + n;
}

// The generated loader opens the file itself and reads until its end: a folder in the file's place
// would never end, so only a regular file reaches it.
int Kmd_Load() { return FileIsRegular(sig1_LoadFileName) ? kmdSbor._Load() : 0; }

void Kmd_ResetAll() { std::memset(static_cast<void*>(&kmdSbor), 0, sizeof(kmdSbor)); }

int Kmd_Fired(int n) {
  IKmd2* k = KmdByNum(n);
  return k ? k->fired : 0;
}

void Kmd_UpdAll() { IKmd2_UpdAll(Kmd_First(), Kmd_Last()); }

int Kmd_RebindSteps() { return anSetKeys1_4Klv; }
