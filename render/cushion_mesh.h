// The six cushions as one fixed triangle mesh. Vertices are kept in mesh
// coordinates (a, b, c): a is the table's x, b the height (0 on top of the
// cushions, -28.5 at their foot on the cloth) and c the table's y with the
// opposite sign; a vertex (a, b, c) is drawn at the table position (a, -c, b).
#pragma once

#include <array>
#include <cstdint>

namespace quorvil {

struct MeshVertex {
  float a, b, c;
};

inline constexpr int kCushionVertexCount = 36;
inline constexpr int kCushionTriangleCount = 36;

extern const std::array<MeshVertex, kCushionVertexCount> kCushionVertices;

// Three vertex indices each, in drawing order, wound counter-clockwise seen
// from the side the face normal points to.
extern const std::array<std::array<int32_t, 3>, kCushionTriangleCount> kCushionTriangles;

// The unit normal of triangle i in mesh coordinates: (p1 - p0) x (p2 - p0)
// for its vertices p0, p1, p2, normalised.
MeshVertex CushionFaceNormal(int triangle);

}  // namespace quorvil
