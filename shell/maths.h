// Vector and matrix maths in single-precision floats. Matrices are stored row by row and apply to
// column vectors from the left (M v); a product A B applies B first. Angles are radians. In the world
// x and z span the ground and y is the height. Nothing here guards a zero length or a singular matrix:
// those give infinities or NaN, as callers expect.
#pragma once

#include <cstdint>

struct Vec2 {
  float x, y;
};
struct Vec3 {
  float x, y, z;
};
struct Vec4 {
  float x, y, z, w;
};
struct Mat2 {
  float m[4];
};
struct Mat3 {
  float m[9];
};
struct Mat4 {
  float m[16];
};

// Component-wise operators, the same set for every vector size.
#define TOLV_VEC_OPS(V)                    \
  V& operator+=(V& a, const V& b);         \
  V& operator-=(V& a, const V& b);         \
  V& operator*=(V& a, const V& b);         \
  V& operator/=(V& a, const V& b);         \
  V& operator*=(V& a, float s);            \
  V& operator/=(V& a, float s);            \
  V operator+(const V& a, const V& b);     \
  V operator-(const V& a, const V& b);     \
  V operator*(const V& a, const V& b);     \
  V operator/(const V& a, const V& b);     \
  V operator+(const V& a, float s);        \
  V operator-(const V& a, float s);        \
  V operator*(const V& a, float s);        \
  V operator*(float s, const V& a);        \
  V operator/(const V& a, float s);        \
  V operator-(const V& a);                 \
  bool operator==(const V& a, const V& b); \
  bool operator!=(const V& a, const V& b);
TOLV_VEC_OPS(Vec2)
TOLV_VEC_OPS(Vec3)
TOLV_VEC_OPS(Vec4)
#undef TOLV_VEC_OPS

// The operator names other modules use.
void Vec2Add(Vec2& a, const Vec2& b);  // a += b
Vec2 Vec2Sum(const Vec2& a, const Vec2& b);
Vec2 Vec2Sub(const Vec2& a, const Vec2& b);
void Vec2Scale(Vec2& a, float s);  // a *= s
Vec2 Vec2Scaled(const Vec2& a, float s);
void Vec3AddTo(Vec3& a, const Vec3& b);  // a += b
void Vec3Add(Vec3& out, const Vec3& a, const Vec3& b);
void Vec3Sub(Vec3& out, const Vec3& a, const Vec3& b);
void Vec3Scale(Vec3& out, const Vec3& a, float s);

float Vec2Dot(const Vec2& a, const Vec2& b);
float Vec3Dot(const Vec3& a, const Vec3& b);
float Vec4Dot(const Vec4& a, const Vec4& b);
float Vec2Len(const Vec2& v);
float Vec3Len(const Vec3& v);
float Vec4Len(const Vec4& v);
Vec2 Vec2Normalize(const Vec2& v);
Vec3 Vec3Normalize(const Vec3& v);
Vec4 Vec4Normalize(const Vec4& v);
void Vec3Cross(Vec3& out, const Vec3& a, const Vec3& b);
float Lerp(float a, float b, float t);
Vec2 Vec2Lerp(const Vec2& a, const Vec2& b, float t);
Vec3 Vec3Lerp(const Vec3& a, const Vec3& b, float t);
Vec4 Vec4Lerp(const Vec4& a, const Vec4& b, float t);
// Component-wise; on equal or unordered components the value of b.
Vec2 Vec2Min(const Vec2& a, const Vec2& b);
Vec3 Vec3Min(const Vec3& a, const Vec3& b);
Vec4 Vec4Min(const Vec4& a, const Vec4& b);
Vec2 Vec2Max(const Vec2& a, const Vec2& b);
Vec3 Vec3Max(const Vec3& a, const Vec3& b);
Vec4 Vec4Max(const Vec4& a, const Vec4& b);
float Smoothstep(float e0, float e1, float x);
int SignI(int v);
int SignIPos(int v);
int SignINeg(int v);
float SignF(float v);
Vec2 Vec2Sign(const Vec2& v);
Vec3 Vec3Sign(const Vec3& v);
Vec4 Vec4Sign(const Vec4& v);
// Ground vector of heading a: 0 along +z, growing headings turn toward -x.
void Vec_FromAngle(Vec3& out, float a, float len);
void Rgbe_ToVec3(Vec3& out, uint8_t r, uint8_t g, uint8_t b, uint8_t e);
uint32_t Vec4ToRgba(const Vec4& v);
uint32_t Vec4ToBgra(const Vec4& v);
int Flag_Toggle01(int* v);
void Swap_Int(int* a, int* b);

#define TOLV_MAT_OPS(M, V)             \
  M operator+(const M& a, const M& b); \
  M operator-(const M& a, const M& b); \
  M operator-(const M& a);             \
  M operator*(const M& a, float s);    \
  M operator*(const M& a, const M& b); \
  V operator*(const M& a, const V& v);
TOLV_MAT_OPS(Mat2, Vec2)
TOLV_MAT_OPS(Mat3, Vec3)
TOLV_MAT_OPS(Mat4, Vec4)
#undef TOLV_MAT_OPS

Mat2 Mat2Identity();
Mat3 Mat3Identity();
Mat4 Mat4Identity();
Mat2 Mat2Mul(const Mat2& a, const Mat2& b);
Mat3 Mat3Mul(const Mat3& a, const Mat3& b);
Mat4 Mat4Mul(const Mat4& a, const Mat4& b);
Vec2 Mat2MulVec(const Mat2& a, const Vec2& v);
Vec3 Mat3MulVec(const Mat3& a, const Vec3& v);
Vec4 Mat4MulVec(const Mat4& a, const Vec4& v);
Mat2 Mat2Transpose(const Mat2& a);
Mat3 Mat3Transpose(const Mat3& a);
Mat4 Mat4Transpose(const Mat4& a);
Mat3 Mat3Inverse(const Mat3& a);
Mat4 Mat4Inverse(const Mat4& a);
Mat2 Mat2Scale(float sx, float sy);
Mat4 Mat4Scale(float sx, float sy, float sz);
Mat2 Mat2Rot(float a);
Mat3 Mat3RotX(float a);
Mat3 Mat3RotY(float a);
Mat3 Mat3RotZ(float a);
Mat3 Mat3RotXY(float a, float b);            // RotX(a) RotY(b)
Mat3 Mat3RotZXY(float a, float b, float c);  // RotZ(c) RotX(a) RotY(b)
Mat4 Mat4RotX(float a);
Mat4 Mat4RotY(float a);
Mat4 Mat4RotZ(float a);
Mat4 Mat4RotXY(float a, float b);
Mat4 Mat4RotZXY(float a, float b, float c);

Mat4 Mat4Translation(float x, float y, float z);
Mat4 Mat4TranslationV(const Vec3& t);
void Mat4Translate(Mat4& m, const Vec3& t);  // m = m T(t)
// With halfDepth set the projections map depth to 0..1 instead of -1..1.
void Mat4Ortho(Mat4& out, float x1, float x2, float y1, float y2, float n, float f, int halfDepth);
void Mat4PerspectiveH(Mat4& out, float fov, int w, int h, float n, float f, int halfDepth);
void Mat4PerspectiveV(Mat4& out, float fov, int w, int h, float n, float f, int halfDepth);
void Mat4Proj90(Mat4& out, float n, float f, int halfDepth);
void Mat4LookAt(Mat4& out, const Vec3& eye, const Vec3& target);
void Mat4Shadow(Mat4& out, const Vec3& n, float d, const Vec3& l);
void Mat4Reflect(Mat4& out, const Vec3& n, float d);
void Mat4CubeFace(Mat4& out, int face);
void Mat4DepthHalf(Mat4& out, const Mat4& m);
void Mat4DepthToFar(Mat4& out, const Mat4& m);
