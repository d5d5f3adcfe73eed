#include "model.h"

#include "qtnumbers.h"

namespace solid {

namespace {

using Shape = QuadricCall::Shape;

QuadricCall cylinder(double base, double top, double height, int slices)
{
    return {Shape::Cylinder, {base, top, height}, slices, 1};
}

QuadricCall disk(double outer, int slices) { return {Shape::Disk, {0, outer, 0}, slices, 10}; }

} // namespace

int dimensionCount(Solid solid) { return measurementCount(solid); }

std::optional<std::vector<int>> modelDimensions(const std::vector<QString> &texts)
{
    std::vector<int> dimensions;
    dimensions.reserve(texts.size());
    for (const QString &text : texts) {
        const auto value = calc::StrToInt(text);
        if (!value || *value <= 0)
            return std::nullopt;
        dimensions.push_back(*value);
    }
    return dimensions;
}

std::vector<QuadricCall> modelGeometry(Solid solid, const std::vector<int> &d)
{
    switch (solid) {
    case Solid::Cylinder: // r, h; the top is left open
        return {cylinder(d[0], d[0], d[1], 1000), disk(d[0], 1000)};
    case Solid::Cone: // r, h; no base
        return {cylinder(d[0], 0, d[1], 1000)};
    case Solid::Sphere: // R
        return {{Shape::Sphere, {double(d[0]), 0, 0}, 10, 10}};
    case Solid::TruncatedCone: // r, r1, h; the top is left open
        return {cylinder(d[0], d[1], d[2], 1000), disk(d[0], 1000)};
    case Solid::Pyramid: // S, h: a six-sided pyramid of base radius 10 whatever S is
        return {cylinder(10, 0, d[1], 6), disk(10, 6)};
    case Solid::TruncatedPyramid: // h, S, S1: a five-sided frustum of radii S and S1
        return {cylinder(d[1], d[2], d[0], 5), disk(d[1], 5)};
    case Solid::Prism: // h, S: a six-sided prism of radius 13 whatever S is
        return {cylinder(13, 13, d[0], 6), disk(13, 6)};
    }
    return {};
}

std::array<double, 3> modelTranslation(int trackBar1, int trackBar2, int trackBar3)
{
    return {double(trackBar1 + 25), double(trackBar2 - 150), double(30 - trackBar3)};
}

} // namespace solid
