// Vector and matrix maths. Plain float arithmetic: no state, no allocation, no error reports.
#include "shell/maths.h"

#include <cmath>
#include <cstring>

// ---- vectors ---------------------------------------------------------------------------------------

namespace {

// Vectors are plain runs of floats; they are copied out as arrays rather than indexed past a member.
template <typename V>
constexpr int kLen = sizeof(V) / sizeof(float);

template <typename V>
void Load(const V& v, float* out) {
  static_assert(sizeof(V) % sizeof(float) == 0);
  std::memcpy(out, &v, sizeof(V));
}

// Applies op to every component.
template <typename V, typename Op>
V Each(const V& a, const V& b, Op op) {
  constexpr int n = kLen<V>;
  float pa[n], pb[n];
  Load(a, pa);
  Load(b, pb);
  float out[n];
  for (int i = 0; i < n; ++i) out[i] = op(pa[i], pb[i]);
  V r;
  std::memcpy(&r, out, sizeof r);
  return r;
}

template <typename V>
V Splat(float s) {
  constexpr int n = kLen<V>;
  float out[n];
  for (int i = 0; i < n; ++i) out[i] = s;
  V r;
  std::memcpy(&r, out, sizeof r);
  return r;
}

template <typename V>
float Dot(const V& a, const V& b) {
  constexpr int n = kLen<V>;
  float pa[n], pb[n];
  Load(a, pa);
  Load(b, pb);
  float s = 0;
  for (int i = 0; i < n; ++i) s += pa[i] * pb[i];
  return s;
}

template <typename V>
bool Equal(const V& a, const V& b) {
  constexpr int n = kLen<V>;
  float pa[n], pb[n];
  Load(a, pa);
  Load(b, pb);
  for (int i = 0; i < n; ++i)
    if (!(pa[i] == pb[i])) return false;
  return true;
}

float Add(float a, float b) { return a + b; }
float Sub(float a, float b) { return a - b; }
float Mul(float a, float b) { return a * b; }
float Div(float a, float b) { return a / b; }

// trunc(255 v) into one byte. Converting through a clamped integer keeps out-of-range or NaN input
// from undefined behaviour and from spilling into the neighbouring bytes.
uint32_t Channel(float v) {
  float t = std::trunc(255.0f * v);
  if (!(t == t)) return 0;
  if (t > 2147483520.0f) t = 2147483520.0f;
  if (t < -2147483520.0f) t = -2147483520.0f;
  return static_cast<uint32_t>(static_cast<int32_t>(t)) & 0xFFu;
}

}  // namespace

#define TOLV_VEC_DEFS(V)                                                 \
  V& operator+=(V& a, const V& b) { return a = Each(a, b, Add); }        \
  V& operator-=(V& a, const V& b) { return a = Each(a, b, Sub); }        \
  V& operator*=(V& a, const V& b) { return a = Each(a, b, Mul); }        \
  V& operator/=(V& a, const V& b) { return a = Each(a, b, Div); }        \
  V& operator*=(V& a, float s) { return a = Each(a, Splat<V>(s), Mul); } \
  V& operator/=(V& a, float s) { return a = Each(a, Splat<V>(s), Div); } \
  V operator+(const V& a, const V& b) { return Each(a, b, Add); }        \
  V operator-(const V& a, const V& b) { return Each(a, b, Sub); }        \
  V operator*(const V& a, const V& b) { return Each(a, b, Mul); }        \
  V operator/(const V& a, const V& b) { return Each(a, b, Div); }        \
  V operator+(const V& a, float s) { return Each(a, Splat<V>(s), Add); } \
  V operator-(const V& a, float s) { return Each(a, Splat<V>(s), Sub); } \
  V operator*(const V& a, float s) { return Each(a, Splat<V>(s), Mul); } \
  V operator*(float s, const V& a) { return Each(a, Splat<V>(s), Mul); } \
  V operator/(const V& a, float s) { return Each(a, Splat<V>(s), Div); } \
  V operator-(const V& a) {                                              \
    return Each(a, a, [](float x, float) { return -x; });                \
  }                                                                      \
  bool operator==(const V& a, const V& b) { return Equal(a, b); }        \
  bool operator!=(const V& a, const V& b) { return !Equal(a, b); }
TOLV_VEC_DEFS(Vec2)
TOLV_VEC_DEFS(Vec3)
TOLV_VEC_DEFS(Vec4)
#undef TOLV_VEC_DEFS

void Vec2Add(Vec2& a, const Vec2& b) { a += b; }
Vec2 Vec2Sum(const Vec2& a, const Vec2& b) { return a + b; }
Vec2 Vec2Sub(const Vec2& a, const Vec2& b) { return a - b; }
void Vec2Scale(Vec2& a, float s) { a *= s; }
Vec2 Vec2Scaled(const Vec2& a, float s) { return a * s; }
void Vec3AddTo(Vec3& a, const Vec3& b) { a += b; }
void Vec3Add(Vec3& out, const Vec3& a, const Vec3& b) { out = a + b; }
void Vec3Sub(Vec3& out, const Vec3& a, const Vec3& b) { out = a - b; }
void Vec3Scale(Vec3& out, const Vec3& a, float s) { out = a * s; }

float Vec2Dot(const Vec2& a, const Vec2& b) { return Dot(a, b); }
float Vec3Dot(const Vec3& a, const Vec3& b) { return Dot(a, b); }
float Vec4Dot(const Vec4& a, const Vec4& b) { return Dot(a, b); }
float Vec2Len(const Vec2& v) { return std::sqrt(Dot(v, v)); }
float Vec3Len(const Vec3& v) { return std::sqrt(Dot(v, v)); }
float Vec4Len(const Vec4& v) { return std::sqrt(Dot(v, v)); }
Vec2 Vec2Normalize(const Vec2& v) { return v * (1.0f / Vec2Len(v)); }
Vec3 Vec3Normalize(const Vec3& v) { return v * (1.0f / Vec3Len(v)); }
Vec4 Vec4Normalize(const Vec4& v) { return v * (1.0f / Vec4Len(v)); }

void Vec3Cross(Vec3& out, const Vec3& a, const Vec3& b) {
  out = {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float Lerp(float a, float b, float t) { return t * b + (1.0f - t) * a; }
Vec2 Vec2Lerp(const Vec2& a, const Vec2& b, float t) { return a * (1.0f - t) + b * t; }
Vec3 Vec3Lerp(const Vec3& a, const Vec3& b, float t) { return a * (1.0f - t) + b * t; }
Vec4 Vec4Lerp(const Vec4& a, const Vec4& b, float t) { return a * (1.0f - t) + b * t; }

static float MinF(float a, float b) { return a < b ? a : b; }
static float MaxF(float a, float b) { return a > b ? a : b; }
Vec2 Vec2Min(const Vec2& a, const Vec2& b) { return Each(a, b, MinF); }
Vec3 Vec3Min(const Vec3& a, const Vec3& b) { return Each(a, b, MinF); }
Vec4 Vec4Min(const Vec4& a, const Vec4& b) { return Each(a, b, MinF); }
Vec2 Vec2Max(const Vec2& a, const Vec2& b) { return Each(a, b, MaxF); }
Vec3 Vec3Max(const Vec3& a, const Vec3& b) { return Each(a, b, MaxF); }
Vec4 Vec4Max(const Vec4& a, const Vec4& b) { return Each(a, b, MaxF); }

float Smoothstep(float e0, float e1, float x) {
  float t = (x - e0) / (e1 - e0);
  if (!(t == t)) t = 1.0f;  // equal edges: a NaN quotient counts as past the edge
  if (t < 0.0f) t = 0.0f;
  if (t > 1.0f) t = 1.0f;
  return t * t * (3.0f - 2.0f * t);
}

int SignI(int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }
int SignIPos(int v) { return v < 0 ? -1 : 1; }
int SignINeg(int v) { return v >= 1 ? 1 : -1; }
float SignF(float v) { return v < 0.0f ? -1.0f : 1.0f; }
static float SignOf(float v, float) { return SignF(v); }
Vec2 Vec2Sign(const Vec2& v) { return Each(v, v, SignOf); }
Vec3 Vec3Sign(const Vec3& v) { return Each(v, v, SignOf); }
Vec4 Vec4Sign(const Vec4& v) { return Each(v, v, SignOf); }

void Vec_FromAngle(Vec3& out, float a, float len) {
  out = {-std::sin(a) * len, 0.0f, std::cos(a) * len};
}

void Rgbe_ToVec3(Vec3& out, uint8_t r, uint8_t g, uint8_t b, uint8_t e) {
  if (e == 0) {
    out = {0, 0, 0};
    return;
  }
  float f = std::ldexp(1.0f, static_cast<int>(e) - 136);
  out = {r * f, g * f, b * f};
}

uint32_t Vec4ToRgba(const Vec4& v) {
  return Channel(v.x) | Channel(v.y) << 8 | Channel(v.z) << 16 | Channel(v.w) << 24;
}

uint32_t Vec4ToBgra(const Vec4& v) {
  return Channel(v.z) | Channel(v.y) << 8 | Channel(v.x) << 16 | Channel(v.w) << 24;
}

int Flag_Toggle01(int* v) {
  if (*v <= 0) {
    *v = 1;
    return 1;
  }
  *v = 0;
  return 0;
}

void Swap_Int(int* a, int* b) {
  int t = *a;
  *a = *b;
  *b = t;
}

// ---- matrices --------------------------------------------------------------------------------------

namespace {

template <int N, typename M>
M MatMul(const M& a, const M& b) {
  M r;
  for (int i = 0; i < N; ++i)
    for (int j = 0; j < N; ++j) {
      float s = 0;
      for (int k = 0; k < N; ++k) s += a.m[i * N + k] * b.m[k * N + j];
      r.m[i * N + j] = s;
    }
  return r;
}

template <int N, typename M, typename V>
V MatVec(const M& a, const V& v) {
  float pv[N];
  Load(v, pv);
  float out[N];
  for (int i = 0; i < N; ++i) {
    float s = 0;
    for (int k = 0; k < N; ++k) s += a.m[i * N + k] * pv[k];
    out[i] = s;
  }
  V r;
  std::memcpy(&r, out, sizeof r);
  return r;
}

template <int N, typename M>
M MatTranspose(const M& a) {
  M r;
  for (int i = 0; i < N; ++i)
    for (int j = 0; j < N; ++j) r.m[j * N + i] = a.m[i * N + j];
  return r;
}

template <int N, typename M>
M MatIdentity() {
  M r{};
  for (int i = 0; i < N; ++i) r.m[i * N + i] = 1.0f;
  return r;
}

template <int N, typename M, typename Op>
M MatEach(const M& a, const M& b, Op op) {
  M r;
  for (int i = 0; i < N * N; ++i) r.m[i] = op(a.m[i], b.m[i]);
  return r;
}

Mat4 Widen(const Mat3& a) {
  Mat4 r{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) r.m[i * 4 + j] = a.m[i * 3 + j];
  r.m[15] = 1.0f;
  return r;
}

// Determinant of the 3 by 3 minor of a Mat4 that leaves out row skipR and column skipC.
float Minor3(const Mat4& a, int skipR, int skipC) {
  float v[9];
  int k = 0;
  for (int i = 0; i < 4; ++i) {
    if (i == skipR) continue;
    for (int j = 0; j < 4; ++j)
      if (j != skipC) v[k++] = a.m[i * 4 + j];
  }
  return v[0] * (v[4] * v[8] - v[7] * v[5]) + v[1] * (v[5] * v[6] - v[3] * v[8]) +
         v[2] * (v[3] * v[7] - v[4] * v[6]);
}

void SetRow(Mat4& m, int r, float a, float b, float c, float d) {
  m.m[r * 4] = a;
  m.m[r * 4 + 1] = b;
  m.m[r * 4 + 2] = c;
  m.m[r * 4 + 3] = d;
}

}  // namespace

#define TOLV_MAT_DEFS(M, V, N)                                          \
  M operator+(const M& a, const M& b) { return MatEach<N>(a, b, Add); } \
  M operator-(const M& a, const M& b) { return MatEach<N>(a, b, Sub); } \
  M operator-(const M& a) {                                             \
    return MatEach<N>(a, a, [](float x, float) { return -x; });         \
  }                                                                     \
  M operator*(const M& a, float s) {                                    \
    M r;                                                                \
    for (int i = 0; i < N * N; ++i) r.m[i] = a.m[i] * s;                \
    return r;                                                           \
  }                                                                     \
  M operator*(const M& a, const M& b) { return MatMul<N>(a, b); }       \
  V operator*(const M& a, const V& v) { return MatVec<N, M, V>(a, v); }
TOLV_MAT_DEFS(Mat2, Vec2, 2)
TOLV_MAT_DEFS(Mat3, Vec3, 3)
TOLV_MAT_DEFS(Mat4, Vec4, 4)
#undef TOLV_MAT_DEFS

Mat2 Mat2Identity() { return MatIdentity<2, Mat2>(); }
Mat3 Mat3Identity() { return MatIdentity<3, Mat3>(); }
Mat4 Mat4Identity() { return MatIdentity<4, Mat4>(); }
Mat2 Mat2Mul(const Mat2& a, const Mat2& b) { return MatMul<2>(a, b); }
Mat3 Mat3Mul(const Mat3& a, const Mat3& b) { return MatMul<3>(a, b); }
Mat4 Mat4Mul(const Mat4& a, const Mat4& b) { return MatMul<4>(a, b); }
Vec2 Mat2MulVec(const Mat2& a, const Vec2& v) { return MatVec<2, Mat2, Vec2>(a, v); }
Vec3 Mat3MulVec(const Mat3& a, const Vec3& v) { return MatVec<3, Mat3, Vec3>(a, v); }
Vec4 Mat4MulVec(const Mat4& a, const Vec4& v) { return MatVec<4, Mat4, Vec4>(a, v); }
Mat2 Mat2Transpose(const Mat2& a) { return MatTranspose<2>(a); }
Mat3 Mat3Transpose(const Mat3& a) { return MatTranspose<3>(a); }
Mat4 Mat4Transpose(const Mat4& a) { return MatTranspose<4>(a); }

Mat3 Mat3Inverse(const Mat3& a) {
  const float* m = a.m;
  float det = m[0] * (m[4] * m[8] - m[7] * m[5]) + m[1] * (m[5] * m[6] - m[3] * m[8]) +
              m[2] * (m[3] * m[7] - m[4] * m[6]);
  float k = 1.0f / det;
  Mat3 r;
  r.m[0] = (m[4] * m[8] - m[5] * m[7]) * k;
  r.m[1] = (m[2] * m[7] - m[1] * m[8]) * k;
  r.m[2] = (m[1] * m[5] - m[2] * m[4]) * k;
  r.m[3] = (m[5] * m[6] - m[3] * m[8]) * k;
  r.m[4] = (m[0] * m[8] - m[2] * m[6]) * k;
  r.m[5] = (m[2] * m[3] - m[0] * m[5]) * k;
  r.m[6] = (m[3] * m[7] - m[4] * m[6]) * k;
  r.m[7] = (m[1] * m[6] - m[0] * m[7]) * k;
  r.m[8] = (m[0] * m[4] - m[1] * m[3]) * k;
  return r;
}

Mat4 Mat4Inverse(const Mat4& a) {
  // Adjugate by cofactors; the determinant is expanded along the first column.
  float cof[16];
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) cof[i * 4 + j] = ((i + j) % 2 ? -1.0f : 1.0f) * Minor3(a, i, j);
  float det = a.m[0] * cof[0] + a.m[4] * cof[4] + a.m[8] * cof[8] + a.m[12] * cof[12];
  float k = 1.0f / det;
  Mat4 r;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) r.m[j * 4 + i] = cof[i * 4 + j] * k;
  return r;
}

Mat2 Mat2Scale(float sx, float sy) { return {{sx, 0, 0, sy}}; }

Mat4 Mat4Scale(float sx, float sy, float sz) {
  Mat4 r{};
  r.m[0] = sx;
  r.m[5] = sy;
  r.m[10] = sz;
  r.m[15] = 1.0f;
  return r;
}

Mat2 Mat2Rot(float a) {
  float c = std::cos(a), s = std::sin(a);
  return {{c, -s, s, c}};
}

Mat3 Mat3RotX(float a) {
  float c = std::cos(a), s = std::sin(a);
  return {{1, 0, 0, 0, c, -s, 0, s, c}};
}

Mat3 Mat3RotY(float a) {
  float c = std::cos(a), s = std::sin(a);
  return {{c, 0, -s, 0, 1, 0, s, 0, c}};
}

Mat3 Mat3RotZ(float a) {
  float c = std::cos(a), s = std::sin(a);
  return {{c, -s, 0, s, c, 0, 0, 0, 1}};
}

Mat3 Mat3RotXY(float a, float b) { return Mat3RotX(a) * Mat3RotY(b); }
Mat3 Mat3RotZXY(float a, float b, float c) { return Mat3RotZ(c) * Mat3RotX(a) * Mat3RotY(b); }
Mat4 Mat4RotX(float a) { return Widen(Mat3RotX(a)); }
Mat4 Mat4RotY(float a) { return Widen(Mat3RotY(a)); }
Mat4 Mat4RotZ(float a) { return Widen(Mat3RotZ(a)); }
Mat4 Mat4RotXY(float a, float b) { return Widen(Mat3RotXY(a, b)); }
Mat4 Mat4RotZXY(float a, float b, float c) { return Widen(Mat3RotZXY(a, b, c)); }

Mat4 Mat4Translation(float x, float y, float z) {
  Mat4 r = Mat4Identity();
  r.m[3] = x;
  r.m[7] = y;
  r.m[11] = z;
  return r;
}

Mat4 Mat4TranslationV(const Vec3& t) { return Mat4Translation(t.x, t.y, t.z); }

void Mat4Translate(Mat4& m, const Vec3& t) {
  for (int r = 0; r < 4; ++r)
    m.m[r * 4 + 3] += m.m[r * 4] * t.x + m.m[r * 4 + 1] * t.y + m.m[r * 4 + 2] * t.z;
}

void Mat4DepthHalf(Mat4& out, const Mat4& m) {
  out = m;
  for (int c = 0; c < 4; ++c) out.m[8 + c] = (m.m[8 + c] + m.m[12 + c]) * 0.5f;
}

void Mat4DepthToFar(Mat4& out, const Mat4& m) {
  out = m;
  for (int c = 0; c < 4; ++c) out.m[8 + c] = m.m[12 + c];
}

void Mat4Ortho(Mat4& out, float x1, float x2, float y1, float y2, float n, float f, int halfDepth) {
  out = Mat4{};
  out.m[0] = 2.0f / (x2 - x1);
  out.m[3] = -(x2 + x1) / (x2 - x1);
  out.m[5] = 2.0f / (y1 - y2);
  out.m[7] = -(y1 + y2) / (y1 - y2);
  out.m[10] = -2.0f / (f - n);
  out.m[11] = -(f + n) / (f - n);
  out.m[15] = 1.0f;
  if (halfDepth) Mat4DepthHalf(out, out);
}

// The shared depth rows of the perspective projections; looks along +z.
static void PerspectiveDepth(Mat4& out, float n, float f, int halfDepth) {
  out.m[10] = (f + n) / (f - n);
  out.m[11] = -2.0f * f * n / (f - n);
  out.m[14] = 1.0f;
  out.m[15] = 0.0f;
  if (halfDepth) Mat4DepthHalf(out, out);
}

void Mat4PerspectiveH(Mat4& out, float fov, int w, int h, float n, float f, int halfDepth) {
  if (w < 1) w = 1;  // a minimised window has no size
  if (h < 1) h = 1;
  float t = std::tan(fov * 0.5f);
  out = Mat4{};
  out.m[0] = 1.0f / t;
  out.m[5] = static_cast<float>(w) / (static_cast<float>(h) * t);
  PerspectiveDepth(out, n, f, halfDepth);
}

void Mat4PerspectiveV(Mat4& out, float fov, int w, int h, float n, float f, int halfDepth) {
  if (w < 1) w = 1;
  if (h < 1) h = 1;
  float t = std::tan(fov * 0.5f);
  out = Mat4{};
  out.m[0] = static_cast<float>(h) / (static_cast<float>(w) * t);
  out.m[5] = 1.0f / t;
  PerspectiveDepth(out, n, f, halfDepth);
}

void Mat4Proj90(Mat4& out, float n, float f, int halfDepth) {
  out = Mat4{};
  out.m[0] = 1.0f;
  out.m[5] = halfDepth ? 1.0f : -1.0f;
  PerspectiveDepth(out, n, f, halfDepth);
}

void Mat4LookAt(Mat4& out, const Vec3& eye, const Vec3& target) {
  Vec3 f = Vec3Normalize(target - eye);
  Vec3 r = Vec3Normalize(Vec3{f.z, 0.0f, -f.x});
  Vec3 u;
  Vec3Cross(u, f, r);
  u = Vec3Normalize(u);
  out = Mat4{};
  SetRow(out, 0, r.x, r.y, r.z, 0);
  SetRow(out, 1, u.x, u.y, u.z, 0);
  SetRow(out, 2, f.x, f.y, f.z, 0);
  SetRow(out, 3, 0, 0, 0, 1);
  Mat4Translate(out, -eye);
}

void Mat4Shadow(Mat4& out, const Vec3& n, float d, const Vec3& l) {
  float k = Vec3Dot(n, l) + d;
  const float L[4] = {l.x, l.y, l.z, 1.0f};
  const float P[4] = {n.x, n.y, n.z, d};
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) out.m[i * 4 + j] = (i == j ? k : 0.0f) - L[i] * P[j];
}

void Mat4Reflect(Mat4& out, const Vec3& n, float d) {
  const float N[3] = {n.x, n.y, n.z};
  out = Mat4{};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) out.m[i * 4 + j] = (i == j ? 1.0f : 0.0f) - 2.0f * N[i] * N[j];
    out.m[i * 4 + 3] = -2.0f * N[i] * d;
  }
  out.m[15] = 1.0f;
}

void Mat4CubeFace(Mat4& out, int face) {
  out = Mat4{};
  switch (face) {
    case 0:
      SetRow(out, 0, 0, 0, -1, 0);
      SetRow(out, 1, 0, 1, 0, 0);
      SetRow(out, 2, 1, 0, 0, 0);
      break;
    case 1:
      SetRow(out, 0, 0, 0, 1, 0);
      SetRow(out, 1, 0, 1, 0, 0);
      SetRow(out, 2, -1, 0, 0, 0);
      break;
    case 2:
      SetRow(out, 0, 1, 0, 0, 0);
      SetRow(out, 1, 0, 0, -1, 0);
      SetRow(out, 2, 0, 1, 0, 0);
      break;
    case 3:
      SetRow(out, 0, 1, 0, 0, 0);
      SetRow(out, 1, 0, 0, 1, 0);
      SetRow(out, 2, 0, -1, 0, 0);
      break;
    case 4:
      SetRow(out, 0, 1, 0, 0, 0);
      SetRow(out, 1, 0, 1, 0, 0);
      SetRow(out, 2, 0, 0, 1, 0);
      break;
    default:
      SetRow(out, 0, -1, 0, 0, 0);
      SetRow(out, 1, 0, 1, 0, 0);
      SetRow(out, 2, 0, 0, -1, 0);
      break;
  }
  SetRow(out, 3, 0, 0, 0, 1);
}
