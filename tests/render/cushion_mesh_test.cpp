#include "render/cushion_mesh.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorvil {
namespace {

struct DrawnNormal {
  float x, y, z;
};

// The face normals as the table draws them, (a, -c, b) of the mesh normal,
// to four places: a wrong vertex or a triangle wound the wrong way shows
// here as a wrong or reversed normal.
constexpr DrawnNormal kTop{0, 0, 1};
const DrawnNormal kDrawnNormals[kCushionTriangleCount] = {
    kTop, kTop, kTop, kTop, kTop, kTop, kTop, kTop,
    {-0.8186f, 0, -0.5744f}, {-0.8186f, 0, -0.5744f},
    {0, 0.8186f, -0.5744f}, {0, 0.8186f, -0.5744f},
    {-0.8186f, 0, -0.5744f}, {-0.8186f, 0, -0.5744f},
    {0, -0.8186f, -0.5744f}, {0, -0.8186f, -0.5744f},
    kTop, kTop, kTop, kTop,
    {-0.3594f, -0.8985f, -0.2522f}, {-0.3594f, 0.8985f, -0.2522f},
    {0.8186f, 0, -0.5744f}, {0.8186f, 0, -0.5744f},
    {0.8186f, 0, -0.5744f}, {0.8186f, 0, -0.5744f},
    {0.3594f, -0.8985f, -0.2522f}, {0.3594f, 0.8985f, -0.2522f},
    {-0.6334f, -0.6334f, -0.4445f}, {0.6334f, 0.6334f, -0.4445f},
    {0.6334f, -0.6334f, -0.4445f}, {-0.5956f, 0.6859f, -0.418f},
    {-0.6334f, -0.6334f, -0.4445f}, {0.6334f, 0.6334f, -0.4445f},
    {-0.6334f, 0.6334f, -0.4445f}, {0.6334f, -0.6334f, -0.4445f},
};

TEST(CushionMesh, FaceNormalsAreThoseOfTheTable) {
  for (int i = 0; i < kCushionTriangleCount; ++i) {
    SCOPED_TRACE("triangle " + std::to_string(i));
    const MeshVertex n = CushionFaceNormal(i);
    EXPECT_NEAR(n.a, kDrawnNormals[i].x, 1e-4);
    EXPECT_NEAR(-n.c, kDrawnNormals[i].y, 1e-4);
    EXPECT_NEAR(n.b, kDrawnNormals[i].z, 1e-4);
  }
}

TEST(CushionMesh, EveryVertexLiesOnTheCushionTopOrOnTheCloth) {
  for (const MeshVertex& v : kCushionVertices) {
    EXPECT_TRUE(v.b == 0.0f || v.b == -28.5f) << v.a << ", " << v.b << ", " << v.c;
  }
  // The one corner that is not a mirror image of the others.
  EXPECT_FLOAT_EQ(kCushionVertices[21].c, -1176.837f);
}

}  // namespace
}  // namespace quorvil
