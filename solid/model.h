// The 3D model of a solid as data: which GLU quadric calls draw it, where the
// track bars place it and in which colour, so that everything but the GL
// calls themselves can be checked without a rendering context.
#pragma once

#include "solids.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace solid {

// One GLU quadric call, with GLU's argument order:
//   Cylinder: base radius, top radius, height, slices, stacks (along +Z from Z = 0)
//   Disk:     inner radius, outer radius, slices, loops (in the plane Z = 0)
//   Sphere:   radius, slices, stacks (about the origin; the second and third sizes are 0)
struct QuadricCall {
    enum class Shape { Cylinder, Disk, Sphere };
    Shape shape;
    std::array<double, 3> sizes;
    int slices;
    int rings; // stacks of a cylinder or sphere, loops of a disk

    bool operator==(const QuadricCall &) const = default;
};

// The dimensions the model takes, in the order of the screen's fields (the
// same order as the measurements of the volume).
int dimensionCount(Solid solid);

// The dimensions as typed: every text a whole number greater than 0, or
// nothing when any is not (a decimal, a blank, letters, 0 or below).
std::optional<std::vector<int>> modelDimensions(const std::vector<QString> &texts);

// The quadric calls that draw the solid from valid dimensions.
std::vector<QuadricCall> modelGeometry(Solid solid, const std::vector<int> &dimensions);

using Colour = std::array<float, 3>;
inline constexpr Colour kBlue{0.1f, 0.7f, 1.0f};
inline constexpr Colour kRed{1.0f, 0.1f, 0.1f};
inline constexpr Colour kGreen{0.1f, 1.0f, 0.1f};

// Where the track bars (positions -100 ... 100) put the model, one step one
// world unit: right along X, away from the viewer along Y, down the screen
// along Z for the vertical bar (its minimum is at the top).
std::array<double, 3> modelTranslation(int trackBar1, int trackBar2, int trackBar3);

// Everything one frame of the model view draws.
struct ModelFrame {
    Colour colour;
    std::vector<QuadricCall> geometry;
    std::array<double, 3> translation;
};

} // namespace solid
