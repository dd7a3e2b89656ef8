// Ground commands into quads. Angles are whole degrees looked up in the 361-entry tables.
#include "render/ground.h"

#include <cmath>

#include "render/scene.h"
#include "render/texture.h"
#include "render/vert_arr.h"

namespace {

// A table index after one correction into 0..360; one still outside takes entry 0 and the caller's
// size is dropped (the entry is used unscaled), so no angle reads past the table.
int Fix(int d, float* size) {
  if (d > 360) d -= 360;
  else if (d < 0) d += 360;
  if (d < 0 || d > 360) {
    *size = 1.0f;
    return 0;
  }
  return d;
}

void Set(float* c, int k, float x, float y, float z) {
  c[3 * k] = x, c[3 * k + 1] = y, c[3 * k + 2] = z;
}

const int kRot[4] = {225, 315, 45, 135};

}  // namespace

void DecalQueue_Draw1(const GroundCmd* cmd) {
  if (!cmd || cmd->kind < kGroundFlatTurned || cmd->kind > kGroundBand) return;
  float tc[8];
  const float* uv = TexCoord_AtlasCell(nullptr, tc, cmd->col, cmd->ncols, cmd->row, cmd->nrows, 0);
  float colourBuf[16];
  const float* rgba = ColorArr_Fill(&DecalVerts, colourBuf, cmd->colourMode, cmd->colours);
  const float x = cmd->x, y = cmd->y, z = cmd->z, s = cmd->size;
  const int a = (int)std::lround(cmd->w5);
  float c[12] = {};
  switch (cmd->kind) {
    case kGroundFlatTurned:
    case kGroundFlatTurnedSide: {
      float r = cmd->kind == kGroundFlatTurnedSide ? s / 0.707f : s;
      for (int k = 0; k < 4; k++) {
        float rk = r;
        int i = Fix(a + kRot[k], &rk);
        Set(c, k, x + rk * RendScene.Dir361.c[i], y + rk * RendScene.Dir361.s[i], 0);
      }
      break;
    }
    case kGroundFlatSquare:
      Set(c, 0, x - s, y - s, 0), Set(c, 1, x + s, y - s, 0);
      Set(c, 2, x + s, y + s, 0), Set(c, 3, x - s, y + s, 0);
      break;
    case kGroundFlatRect: {
      float cx = (float)std::lround(x), cy = (float)std::lround(y);
      float hw = (float)((int)cmd->size / 2), hh = (float)((int)cmd->w5 / 2);
      Set(c, 0, cx - hw, cy - hh, 0), Set(c, 1, cx + hw, cy - hh, 0);
      Set(c, 2, cx + hw, cy + hh, 0), Set(c, 3, cx - hw, cy + hh, 0);
      break;
    }
    case kGroundBillboard:
    case kGroundBillboardFan:
      for (int k = 0; k < 4; k++) {
        float rk = s;
        const float* d = RendScene.Dir361View[Fix(a + kRot[k], &rk)];
        Set(c, k, x + rk * d[0], y + rk * d[1], z + rk * d[2]);
      }
      if (cmd->kind == kGroundBillboardFan) Set(c, 0, x, y, z);
      break;
    case kGroundBillboardKite: {
      Set(c, 0, x, y, z);
      float r1 = s;
      const float* d1 = RendScene.Dir361View[Fix(std::abs(a) + 315, &r1)];
      Set(c, 1, x + r1 * d1[0], y + r1 * d1[1], z + r1 * d1[2]);
      const float* d2 = RendScene.Dir361View[45];
      const float* d3 = RendScene.Dir361View[135];
      Set(c, 2, x + s * d2[0], y + s * d2[1], z + s * d2[2]);
      Set(c, 3, x + s * d3[0], y + s * d3[1], z + s * d3[2]);
      break;
    }
    case kGroundUpright: {
      float dx = s * RendScene.Dir361View[180][0], dz = s * RendScene.Dir361View[180][2], h = cmd->w5;
      Set(c, 0, x + dx, y, z + dz), Set(c, 1, x - dx, y, z - dz);
      Set(c, 2, x - dx, y + h, z - dz), Set(c, 3, x + dx, y + h, z + dz);
      break;
    }
    case kGroundRectYZ:
      Set(c, 0, x, y - cmd->w5, z + s), Set(c, 1, x, y - cmd->w5, z - s);
      Set(c, 2, x, y + cmd->w5, z - s), Set(c, 3, x, y + cmd->w5, z + s);
      break;
    case kGroundRectXY:
      Set(c, 0, x - s, y - cmd->w5, z), Set(c, 1, x + s, y - cmd->w5, z);
      Set(c, 2, x + s, y + cmd->w5, z), Set(c, 3, x - s, y + cmd->w5, z);
      break;
    case kGroundRectXZ:
      Set(c, 0, x - s, y, z + cmd->w5), Set(c, 1, x + s, y, z + cmd->w5);
      Set(c, 2, x + s, y, z - cmd->w5), Set(c, 3, x - s, y, z - cmd->w5);
      break;
    case kGroundArcYZ:
    case kGroundArcXY:
    case kGroundArcXZ: {
      int b = (int)std::fabs(cmd->w6), cc = (int)std::fabs(cmd->w7);
      const int th[4] = {a + cc + 180, a - b, a + b, a - cc + 180};
      for (int k = 0; k < 4; k++) {
        float rk = s;
        int i = Fix(th[k], &rk);
        float co = rk * RendScene.Dir361.c[i], si = rk * RendScene.Dir361.s[i];
        if (cmd->kind == kGroundArcYZ) Set(c, k, x, y + si, z + co);
        else if (cmd->kind == kGroundArcXY) Set(c, k, x + co, y + si, z);
        else Set(c, k, x + co, y, z + si);
      }
      break;
    }
    case kGroundSegment:
      Quad_Segment(&DecalVerts, c, x, y, z, cmd->length, s, a, cmd->mode, cmd->w6);
      break;
    case kGroundBand: {
      float qx = cmd->w6, qy = cmd->w7, qz = cmd->w8;
      if (cmd->mode == 1) {
        Set(c, 0, x, y + s, z), Set(c, 1, x, y - s, z);
        Set(c, 2, qx, qy - s, qz), Set(c, 3, qx, qy + s, qz);
      } else if (std::fabs(z - qz) <= std::fabs(x - qx)) {
        Set(c, 0, x, y, z - s), Set(c, 1, x, y, z + s);
        Set(c, 2, qx, qy, qz + s), Set(c, 3, qx, qy, qz - s);
      } else {
        Set(c, 0, x - s, y, z), Set(c, 1, x + s, y, z);
        Set(c, 2, qx + s, qy, qz), Set(c, 3, qx - s, qy, qz);
      }
      break;
    }
  }
  VertArr_Add(&DecalVerts, c, rgba, uv);
}
