// The matrix functions against values computed here, in double precision, from their
// published definitions.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/d3dx9/d3dx9.h"

namespace {

using Matrix = double[4][4];

void ExpectNear(const D3DXMATRIX& actual, const Matrix& expected, double tolerance = 1e-6) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(actual.m[r][c], expected[r][c], tolerance) << "element " << r << c;
}

void Transform(const D3DXMATRIX& m, const double p[4], double out[4]) {
    for (int c = 0; c < 4; ++c) {
        out[c] = 0;
        for (int r = 0; r < 4; ++r) out[c] += p[r] * m.m[r][c];
    }
}

TEST(MathTest, RotationsTurnRowVectors) {
    const double a = 0.7;
    D3DXMATRIX x, y;
    D3DXMatrixRotationX(&x, static_cast<float>(a));
    D3DXMatrixRotationY(&y, static_cast<float>(a));
    const Matrix ex = {{1, 0, 0, 0},
                       {0, std::cos(a), std::sin(a), 0},
                       {0, -std::sin(a), std::cos(a), 0},
                       {0, 0, 0, 1}};
    const Matrix ey = {{std::cos(a), 0, -std::sin(a), 0},
                       {0, 1, 0, 0},
                       {std::sin(a), 0, std::cos(a), 0},
                       {0, 0, 0, 1}};
    ExpectNear(x, ex);
    ExpectNear(y, ey);
    // About X by a positive angle, the y axis turns toward +z.
    const double p[4] = {0, 1, 0, 1};
    double q[4];
    Transform(x, p, q);
    EXPECT_NEAR(q[2], std::sin(a), 1e-6);
}

TEST(MathTest, MultiplyAppliesTheLeftFactorFirstAndMayWriteAnInput) {
    D3DXMATRIX a, b, ab;
    D3DXMatrixRotationY(&a, 0.3f);
    D3DXMatrixRotationX(&b, 1.1f);
    D3DXMatrixMultiply(&ab, &a, &b);
    const double p[4] = {1, 2, 3, 1};
    double pa[4], pab[4], expected[4];
    Transform(a, p, pa);
    Transform(b, pa, expected);
    Transform(ab, p, pab);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(pab[i], expected[i], 1e-5);
    D3DXMatrixMultiply(&a, &a, &b);
    for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(a.m[i / 4][i % 4], ab.m[i / 4][i % 4]);
}

TEST(MathTest, LookAtRightHandedMovesTheEyeToTheOriginLookingDownMinusZ) {
    const D3DXVECTOR3 eye{0, 0, 16}, at{0, 2, 0}, up{0, 1, 0};
    D3DXMATRIX view;
    D3DXMatrixLookAtRH(&view, &eye, &at, &up);
    const double e[4] = {0, 0, 16, 1};
    double q[4];
    Transform(view, e, q);
    EXPECT_NEAR(q[0], 0, 1e-5);
    EXPECT_NEAR(q[1], 0, 1e-5);
    EXPECT_NEAR(q[2], 0, 1e-5);
    const double t[4] = {0, 2, 0, 1};
    Transform(view, t, q);
    EXPECT_NEAR(q[0], 0, 1e-5);
    EXPECT_NEAR(q[1], 0, 1e-5);
    EXPECT_NEAR(q[2], -std::sqrt(16.0 * 16.0 + 4.0), 1e-4);  // in front: negative z
    // The published form: z axis = normalize(eye − at), x = normalize(up × z), y = z × x.
    const double len = std::sqrt(4.0 + 256.0);
    const double zx = 0, zy = -2 / len, zz = 16 / len;
    EXPECT_NEAR(view._13, zx, 1e-6);
    EXPECT_NEAR(view._23, zy, 1e-6);
    EXPECT_NEAR(view._33, zz, 1e-6);
    EXPECT_NEAR(view._43, -(zz * 16), 1e-5);
}

TEST(MathTest, PerspectiveFovRightHandedMapsNearToZeroAndFarToOne) {
    const double fov = 1.5707964, aspect = 3.2, zn = 2, zf = 512;
    D3DXMATRIX proj;
    D3DXMatrixPerspectiveFovRH(&proj, static_cast<float>(fov), static_cast<float>(aspect),
                               static_cast<float>(zn), static_cast<float>(zf));
    const double ys = 1 / std::tan(fov / 2), xs = ys / aspect;
    const Matrix expected = {
        {xs, 0, 0, 0}, {0, ys, 0, 0}, {0, 0, zf / (zn - zf), -1}, {0, 0, zn * zf / (zn - zf), 0}};
    ExpectNear(proj, expected, 1e-4);
    for (const auto& [z, depth] : {std::pair<double, double>{-zn, 0.0}, {-zf, 1.0}}) {
        const double p[4] = {0, 0, z, 1};
        double q[4];
        Transform(proj, p, q);
        EXPECT_NEAR(q[2] / q[3], depth, 1e-5);
    }
}

TEST(MathTest, InverseUndoesARigidTransformAndRefusesASingularOne) {
    D3DXMATRIX world, view, worldView, inverse, product;
    D3DXMatrixRotationY(&world, 0.4f);
    const D3DXVECTOR3 eye{0, 0, 16}, at{0, 2, 0}, up{0, 1, 0};
    D3DXMatrixLookAtRH(&view, &eye, &at, &up);
    D3DXMatrixMultiply(&worldView, &world, &view);
    ASSERT_EQ(D3DXMatrixInverse(&inverse, nullptr, &worldView), &inverse);
    D3DXMatrixMultiply(&product, &worldView, &inverse);
    const Matrix identity = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    ExpectNear(product, identity, 1e-5);
    float determinant = 0;
    D3DXMatrixInverse(&inverse, &determinant, &worldView);
    EXPECT_NEAR(determinant, 1.0, 1e-5);

    D3DXMATRIX singular{};
    D3DXMATRIX untouched;
    D3DXMatrixIdentity(&untouched);
    EXPECT_EQ(D3DXMatrixInverse(&untouched, &determinant, &singular), nullptr);
    EXPECT_EQ(determinant, 0.0f);
    EXPECT_EQ(untouched._11, 1.0f);
}

}  // namespace
