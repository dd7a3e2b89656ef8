// Vector and matrix maths: rotation sign conventions, products, inverses, builders, colour packing.
#include <gtest/gtest.h>

#include <cmath>

#include "shell/maths.h"

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kEps = 1e-5f;

void ExpectVec(const Vec3& v, float x, float y, float z, float eps = kEps) {
  EXPECT_NEAR(v.x, x, eps);
  EXPECT_NEAR(v.y, y, eps);
  EXPECT_NEAR(v.z, z, eps);
}

template <typename M>
void ExpectMatNear(const M& a, const M& b, float eps = 1e-4f) {
  constexpr int n = sizeof(M) / sizeof(float);
  for (int i = 0; i < n; ++i) EXPECT_NEAR(a.m[i], b.m[i], eps) << "element " << i;
}

Mat4 RowsOf(std::initializer_list<float> v) {
  Mat4 m{};
  int i = 0;
  for (float f : v) m.m[i++] = f;
  return m;
}

}  // namespace

TEST(Vectors, OperatorsActComponentByComponent) {
  Vec3 a{1, 2, 3}, b{4, 5, 6};
  EXPECT_EQ(a + b, (Vec3{5, 7, 9}));
  EXPECT_EQ(b - a, (Vec3{3, 3, 3}));
  EXPECT_EQ(a * b, (Vec3{4, 10, 18}));
  EXPECT_EQ(b / a, (Vec3{4, 2.5f, 2}));
  EXPECT_EQ(a + 1.0f, (Vec3{2, 3, 4}));
  EXPECT_EQ(a - 1.0f, (Vec3{0, 1, 2}));
  EXPECT_EQ(2.0f * a, a * 2.0f);
  EXPECT_EQ(a / 2.0f, (Vec3{0.5f, 1, 1.5f}));
  EXPECT_EQ(-a, (Vec3{-1, -2, -3}));
  Vec4 c{1, 1, 1, 1};
  c += Vec4{1, 2, 3, 4};
  c *= 2.0f;
  c /= Vec4{1, 2, 4, 5};
  EXPECT_EQ(c, (Vec4{4, 3, 2, 2}));
  Vec2 n{NAN, 0};
  EXPECT_FALSE(n == n);
  EXPECT_TRUE(n != n);

  Vec2 p{1, 2};
  Vec2Add(p, {1, 1});
  Vec2Scale(p, 2);
  EXPECT_EQ(p, (Vec2{4, 6}));
  EXPECT_EQ(Vec2Sum(p, {1, 1}), (Vec2{5, 7}));
  EXPECT_EQ(Vec2Sub(p, {1, 1}), (Vec2{3, 5}));
  EXPECT_EQ(Vec2Scaled(p, 0.5f), (Vec2{2, 3}));
  Vec3 o;
  Vec3Add(o, a, b);
  EXPECT_EQ(o, (Vec3{5, 7, 9}));
  Vec3Sub(o, a, b);
  EXPECT_EQ(o, (Vec3{-3, -3, -3}));
  Vec3Scale(o, a, 3);
  EXPECT_EQ(o, (Vec3{3, 6, 9}));
  Vec3AddTo(o, a);
  EXPECT_EQ(o, (Vec3{4, 8, 12}));
}

TEST(Vectors, LengthsProductsAndBlends) {
  Vec2 n = Vec2Normalize({3, 4});
  EXPECT_NEAR(n.x, 0.6f, kEps);
  EXPECT_NEAR(n.y, 0.8f, kEps);
  Vec2 z = Vec2Normalize({0, 0});
  EXPECT_TRUE(std::isnan(z.x) && std::isnan(z.y));
  EXPECT_FLOAT_EQ(Vec3Len({2, 3, 6}), 7.0f);
  EXPECT_FLOAT_EQ(Vec4Len(Vec4Normalize({1, 2, 3, 4})), 1.0f);
  EXPECT_FLOAT_EQ(Vec4Dot({1, 2, 3, 4}, {1, 1, 1, 1}), 10.0f);
  Vec3 c;
  Vec3Cross(c, {1, 0, 0}, {0, 1, 0});
  EXPECT_EQ(c, (Vec3{0, 0, 1}));
  Vec3Cross(c, {0, 1, 0}, {1, 0, 0});
  EXPECT_EQ(c, (Vec3{0, 0, -1}));
  EXPECT_FLOAT_EQ(Lerp(2, 4, 0.25f), 2.5f);
  EXPECT_EQ(Vec2Lerp({0, 0}, {10, 20}, 1.5f), (Vec2{15, 30}));  // t is not clamped
  EXPECT_EQ(Vec3Min({1, 5, NAN}, {2, 4, 7}), (Vec3{1, 4, 7}));
  EXPECT_EQ(Vec3Max({1, 5, NAN}, {2, 4, 7}), (Vec3{2, 5, 7}));
  EXPECT_EQ(Vec4Sign({-2, 0, 3, NAN}), (Vec4{-1, 1, 1, 1}));
}

TEST(Vectors, ScalarHelpers) {
  EXPECT_EQ(SignI(0), 0);
  EXPECT_EQ(SignI(-4), -1);
  EXPECT_EQ(SignI(9), 1);
  EXPECT_EQ(SignIPos(0), 1);
  EXPECT_EQ(SignIPos(-1), -1);
  EXPECT_EQ(SignINeg(0), -1);
  EXPECT_EQ(SignINeg(1), 1);
  EXPECT_EQ(SignF(0.0f), 1.0f);
  EXPECT_EQ(SignF(-0.5f), -1.0f);
  EXPECT_FLOAT_EQ(Smoothstep(0, 10, 5), 0.5f);
  EXPECT_FLOAT_EQ(Smoothstep(0, 10, -3), 0.0f);
  EXPECT_FLOAT_EQ(Smoothstep(0, 10, 12), 1.0f);
  EXPECT_FLOAT_EQ(Smoothstep(3, 3, 3), 1.0f);  // 0 / 0 counts as 1
  int f = 0;
  EXPECT_EQ(Flag_Toggle01(&f), 1);
  EXPECT_EQ(f, 1);
  EXPECT_EQ(Flag_Toggle01(&f), 0);
  EXPECT_EQ(f, 0);
  f = 7;
  EXPECT_EQ(Flag_Toggle01(&f), 0);
  f = -3;
  EXPECT_EQ(Flag_Toggle01(&f), 1);
  int a = 1, b = 2;
  Swap_Int(&a, &b);
  EXPECT_EQ(a * 10 + b, 21);
}

TEST(Vectors, HeadingsAndColours) {
  Vec3 v;
  Vec_FromAngle(v, 0, 2);
  ExpectVec(v, 0, 0, 2);
  Vec_FromAngle(v, kPi / 2, 2);
  ExpectVec(v, -2, 0, 0);
  Rgbe_ToVec3(v, 128, 64, 0, 136);
  ExpectVec(v, 128, 64, 0);
  Rgbe_ToVec3(v, 128, 64, 0, 137);
  ExpectVec(v, 256, 128, 0);
  Rgbe_ToVec3(v, 128, 64, 9, 0);
  ExpectVec(v, 0, 0, 0);
  EXPECT_EQ(Vec4ToRgba({1, 0.5f, 0, 1}), 0xFF007FFFu);
  EXPECT_EQ(Vec4ToBgra({1, 0.5f, 0, 1}), 0xFFFF7F00u);
  // Out-of-range channels stay within their own byte.
  EXPECT_EQ(Vec4ToRgba({2, 0, 0, 0}) & 0xFFFFFF00u, 0u);
  EXPECT_EQ(Vec4ToRgba({-1, 0, 0, 0}) & 0xFFFFFF00u, 0u);
  EXPECT_EQ(Vec4ToRgba({NAN, 1e30f, 0, 0}) & 0xFFu, 0u);
}

TEST(Matrices, RotationsFollowTheirSignConventions) {
  ExpectVec(Mat3RotY(kPi / 2) * Vec3{1, 0, 0}, 0, 0, 1);
  ExpectVec(Mat3RotY(kPi / 2) * Vec3{0, 0, 1}, -1, 0, 0);
  ExpectVec(Mat3RotZ(kPi / 2) * Vec3{1, 0, 0}, 0, 1, 0);
  ExpectVec(Mat3RotX(kPi / 2) * Vec3{0, 1, 0}, 0, 0, 1);
  Vec2 r = Mat2Rot(kPi / 2) * Vec2{1, 0};
  EXPECT_NEAR(r.x, 0, kEps);
  EXPECT_NEAR(r.y, 1, kEps);
  ExpectMatNear(Mat3RotZXY(0, 0, 0.7f), Mat3RotZ(0.7f));
  ExpectMatNear(Mat3RotZXY(0.3f, 0.5f, 0), Mat3RotXY(0.3f, 0.5f));
  ExpectMatNear(Mat3RotXY(0.3f, 0.5f), Mat3Mul(Mat3RotX(0.3f), Mat3RotY(0.5f)));
  Mat4 m4 = Mat4RotZXY(0.2f, 0.4f, 0.6f);
  Mat3 m3 = Mat3RotZXY(0.2f, 0.4f, 0.6f);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) EXPECT_FLOAT_EQ(m4.m[i * 4 + j], m3.m[i * 3 + j]);
    EXPECT_EQ(m4.m[i * 4 + 3], 0.0f);
    EXPECT_EQ(m4.m[12 + i], 0.0f);
  }
  EXPECT_EQ(m4.m[15], 1.0f);
}

TEST(Matrices, ProductsApplyTheRightFactorFirst) {
  Mat4 t = Mat4Translation(1, 2, 3);
  Mat4 s = Mat4Scale(2, 2, 2);
  Vec4 p{1, 1, 1, 1};
  Vec4 ts = Mat4MulVec(Mat4Mul(t, s), p);  // scale, then move
  EXPECT_EQ(ts, (Vec4{3, 4, 5, 1}));
  Vec4 st = (s * t) * p;
  EXPECT_EQ(st, (Vec4{4, 6, 8, 1}));
  EXPECT_EQ(Mat4TranslationV({1, 2, 3}).m[11], 3.0f);
  Mat4 m = s;
  Mat4Translate(m, {1, 2, 3});
  ExpectMatNear(m, Mat4Mul(s, t));
  Mat4 tr = Mat4Transpose(t);
  EXPECT_EQ(tr.m[12], 1.0f);
  EXPECT_EQ(tr.m[3], 0.0f);
  Mat2 a{{1, 2, 3, 4}};
  EXPECT_EQ((a + a).m[3], 8.0f);
  EXPECT_EQ((a - a * 2.0f).m[1], -2.0f);
  EXPECT_EQ((-a).m[0], -1.0f);
  EXPECT_EQ(Mat2Mul(a, Mat2Identity()).m[2], 3.0f);
  EXPECT_EQ(Mat2Transpose(a).m[1], 3.0f);
  EXPECT_EQ(Mat2Scale(2, 3).m[3], 3.0f);
  Vec3 v = Mat3MulVec(Mat3Identity(), {1, 2, 3});
  EXPECT_EQ(v, (Vec3{1, 2, 3}));
}

TEST(Matrices, InversesUndoTheirMatrix) {
  Mat3 m3 = Mat3RotZXY(0.3f, -1.1f, 2.0f) * 3.0f;
  m3.m[1] += 0.5f;
  ExpectMatNear(Mat3Mul(m3, Mat3Inverse(m3)), Mat3Identity());
  Mat4 m4 =
      Mat4Mul(Mat4Translation(5, -2, 7), Mat4Mul(Mat4RotZXY(0.4f, 1.2f, -0.3f), Mat4Scale(2, 3, 0.5f)));
  m4.m[12] = 0.25f;  // not affine: every cofactor matters
  ExpectMatNear(Mat4Mul(m4, Mat4Inverse(m4)), Mat4Identity());
  ExpectMatNear(Mat4Mul(Mat4Inverse(m4), m4), Mat4Identity());
  Mat3 singular{{1, 2, 3, 2, 4, 6, 0, 0, 1}};
  Mat3 inv = Mat3Inverse(singular);
  EXPECT_FALSE(std::isfinite(inv.m[0]));
}

TEST(Matrices, ProjectionBuilders) {
  Mat4 o;
  Mat4Ortho(o, 0, 800, 600, 0, -1, 1, 0);
  Vec4 c = o * Vec4{800, 0, 0, 1};  // y2 = 0 is the bottom
  EXPECT_NEAR(c.x, 1, kEps);
  EXPECT_NEAR(c.y, -1, kEps);
  Mat4Ortho(o, -1, 1, 1, -1, 2, 10, 1);
  EXPECT_NEAR((o * Vec4{0, 0, -2, 1}).z, 0, kEps);  // near maps to 0 with half depth
  EXPECT_NEAR((o * Vec4{0, 0, -10, 1}).z, 1, kEps);

  Mat4 p;
  Mat4PerspectiveH(p, kPi / 2, 800, 400, 1, 100, 0);
  EXPECT_NEAR(p.m[0], 1, kEps);
  EXPECT_NEAR(p.m[5], 2, kEps);
  EXPECT_EQ(p.m[14], 1.0f);
  EXPECT_EQ(p.m[15], 0.0f);
  Vec4 nearPt = p * Vec4{0, 0, 1, 1};
  Vec4 farPt = p * Vec4{0, 0, 100, 1};
  EXPECT_NEAR(nearPt.z / nearPt.w, -1, kEps);
  EXPECT_NEAR(farPt.z / farPt.w, 1, 1e-4f);
  Mat4PerspectiveV(p, kPi / 2, 800, 400, 1, 100, 1);
  EXPECT_NEAR(p.m[0], 0.5f, kEps);
  EXPECT_NEAR(p.m[5], 1, kEps);
  nearPt = p * Vec4{0, 0, 1, 1};
  EXPECT_NEAR(nearPt.z / nearPt.w, 0, kEps);
  Mat4PerspectiveH(p, kPi / 2, 800, 0, 1, 100, 0);  // a window with no height
  EXPECT_TRUE(std::isfinite(p.m[5]));

  Mat4Proj90(p, 1, 100, 0);
  EXPECT_EQ(p.m[0], 1.0f);
  EXPECT_EQ(p.m[5], -1.0f);
  Mat4Proj90(p, 1, 100, 1);
  EXPECT_EQ(p.m[5], 1.0f);
  EXPECT_EQ(p.m[14], 1.0f);
  EXPECT_NEAR(p.m[10], (101.0f / 99.0f + 1) * 0.5f, kEps);

  Mat4 m = RowsOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
  Mat4 h;
  Mat4DepthHalf(h, m);
  EXPECT_EQ(h.m[8], 11.0f);
  EXPECT_EQ(h.m[11], 14.0f);
  EXPECT_EQ(h.m[4], 5.0f);
  Mat4DepthToFar(h, m);
  EXPECT_EQ(h.m[9], 14.0f);
}

TEST(Matrices, LookAtShadowReflectAndCubeFaces) {
  Mat4 l;
  Mat4LookAt(l, {0, 0, 0}, {0, 0, 5});
  ExpectMatNear(l, Mat4Identity());
  Mat4LookAt(l, {1, 2, 3}, {1, 2, 10});
  Vec4 e = l * Vec4{1, 2, 3, 1};
  EXPECT_NEAR(e.x, 0, kEps);
  EXPECT_NEAR(e.z, 0, kEps);
  Vec4 ahead = l * Vec4{1, 2, 10, 1};
  EXPECT_NEAR(ahead.z, 7, kEps);
  Mat4LookAt(l, {0, 0, 0}, {0, 5, 0});  // straight up: no side vector
  EXPECT_TRUE(std::isnan(l.m[0]));

  // Shadow of a point light at height 10 onto the ground y = 0.
  Mat4 s;
  Mat4Shadow(s, {0, 1, 0}, 0, {0, 10, 0});
  EXPECT_FLOAT_EQ(s.m[15], 10.0f);
  Vec4 sh = s * Vec4{1, 5, 0, 1};
  EXPECT_NEAR(sh.y / sh.w, 0, kEps);
  EXPECT_NEAR(sh.x / sh.w, 2, kEps);

  Mat4 r;
  Mat4Reflect(r, {0, 1, 0}, -2);  // the plane y = 2
  Vec4 rp = r * Vec4{3, 5, 1, 1};
  EXPECT_NEAR(rp.y, -1, kEps);
  EXPECT_NEAR(rp.x, 3, kEps);

  Mat4 f;
  Mat4CubeFace(f, 0);
  ExpectMatNear(f, RowsOf({0, 0, -1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1}));
  Mat4CubeFace(f, 3);
  ExpectMatNear(f, RowsOf({1, 0, 0, 0, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1}));
  Mat4 f5, f9;
  Mat4CubeFace(f5, 5);
  Mat4CubeFace(f9, 9);
  ExpectMatNear(f9, f5);
  EXPECT_EQ(f5.m[0], -1.0f);
  EXPECT_EQ(f5.m[10], -1.0f);
}
