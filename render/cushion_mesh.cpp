#include "render/cushion_mesh.h"

#include <cmath>

namespace quorvil {

// Each cushion: a flat top from the nose line to the rim, a nose sloping out
// and down to a foot 20 units further out (so it overhangs), and one slanted
// triangle closing each end towards its pocket. The outer corner at x > 0,
// y > 0 (vertex 21) lies at y = 1176.837, not 1190 like its three mirrors.
const std::array<MeshVertex, kCushionVertexCount> kCushionVertices = {{
    {-585.0f, 0.0f, -1090.0f},    // 0
    {-685.0f, 0.0f, -1190.0f},    // 1
    {-605.0f, -28.5f, -1090.0f},  // 2
    {685.0f, 0.0f, -40.0f},       // 3
    {605.0f, -28.5f, -80.0f},     // 4
    {585.0f, 0.0f, -80.0f},       // 5
    {605.0f, -28.5f, 80.0f},      // 6
    {585.0f, 0.0f, 80.0f},        // 7
    {685.0f, 0.0f, 40.0f},        // 8
    {-685.0f, 0.0f, -40.0f},      // 9
    {-605.0f, -28.5f, -80.0f},    // 10
    {-585.0f, 0.0f, -80.0f},      // 11
    {-605.0f, -28.5f, 80.0f},     // 12
    {-585.0f, 0.0f, 80.0f},       // 13
    {-685.0f, 0.0f, 40.0f},       // 14
    {-605.0f, 0.0f, -1270.0f},    // 15
    {-505.0f, -28.5f, -1190.0f},  // 16
    {-505.0f, 0.0f, -1170.0f},    // 17
    {605.0f, 0.0f, -1270.0f},     // 18
    {505.0f, -28.5f, -1190.0f},   // 19
    {505.0f, 0.0f, -1170.0f},     // 20
    {685.0f, 0.0f, -1176.837f},   // 21
    {605.0f, -28.5f, -1090.0f},   // 22
    {585.0f, 0.0f, -1090.0f},     // 23
    {605.0f, -28.5f, 1090.0f},    // 24
    {585.0f, 0.0f, 1090.0f},      // 25
    {685.0f, 0.0f, 1190.0f},      // 26
    {505.0f, -28.5f, 1190.0f},    // 27
    {505.0f, 0.0f, 1170.0f},      // 28
    {605.0f, 0.0f, 1270.0f},      // 29
    {-605.0f, -28.5f, 1090.0f},   // 30
    {-585.0f, 0.0f, 1090.0f},     // 31
    {-685.0f, 0.0f, 1190.0f},     // 32
    {-505.0f, -28.5f, 1190.0f},   // 33
    {-505.0f, 0.0f, 1170.0f},     // 34
    {-605.0f, 0.0f, 1270.0f},     // 35
}};

const std::array<std::array<int32_t, 3>, kCushionTriangleCount> kCushionTriangles = {{
    {31, 13, 14}, {31, 14, 32},  // x = -585, y < 0: top
    {28, 34, 35}, {28, 35, 29},  // y = -1170: top
    {1, 9, 11},   {1, 11, 0},    // x = -585, y > 0: top
    {18, 15, 17}, {18, 17, 20},  // y = 1170: top
    {6, 24, 25},  {6, 25, 7},    // x = 585, y < 0: nose
    {27, 33, 34}, {27, 34, 28},  // y = -1170: nose
    {22, 4, 5},   {22, 5, 23},   // x = 585, y > 0: nose
    {16, 19, 20}, {16, 20, 17},  // y = 1170: nose
    {3, 21, 23},  {3, 23, 5},    // x = 585, y > 0: top
    {7, 25, 26},  {7, 26, 8},    // x = 585, y < 0: top
    {4, 3, 5},                   // x = 585, y > 0: end at the side pocket
    {8, 6, 7},                   // x = 585, y < 0: end at the side pocket
    {10, 2, 0},   {10, 0, 11},   // x = -585, y > 0: nose
    {30, 12, 13}, {30, 13, 31},  // x = -585, y < 0: nose
    {9, 10, 11},                 // x = -585, y > 0: end at the side pocket
    {12, 14, 13},                // x = -585, y < 0: end at the side pocket
    {15, 16, 17},                // y = 1170: end at the corner x < 0
    {2, 1, 0},                   // x = -585, y > 0: end at the corner pocket
    {19, 18, 20},                // y = 1170: end at the corner x > 0
    {21, 22, 23},                // x = 585, y > 0: end at the corner pocket
    {24, 26, 25},                // x = 585, y < 0: end at the corner pocket
    {29, 27, 28},                // y = -1170: end at the corner x > 0
    {33, 35, 34},                // y = -1170: end at the corner x < 0
    {32, 30, 31},                // x = -585, y < 0: end at the corner pocket
}};

MeshVertex CushionFaceNormal(int triangle) {
  const auto& [i0, i1, i2] = kCushionTriangles[triangle];
  const MeshVertex& p0 = kCushionVertices[i0];
  const MeshVertex& p1 = kCushionVertices[i1];
  const MeshVertex& p2 = kCushionVertices[i2];
  const double ua = double(p1.a) - p0.a, ub = double(p1.b) - p0.b, uc = double(p1.c) - p0.c;
  const double va = double(p2.a) - p0.a, vb = double(p2.b) - p0.b, vc = double(p2.c) - p0.c;
  const double na = ub * vc - uc * vb;
  const double nb = uc * va - ua * vc;
  const double nc = ua * vb - ub * va;
  const double length = std::sqrt(na * na + nb * nb + nc * nc);
  return {float(na / length), float(nb / length), float(nc / length)};
}

}  // namespace quorvil
