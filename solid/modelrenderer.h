// One frame of the model view in the fixed-function pipeline, drawn into the
// current OpenGL context.
#pragma once

#include "model.h"

namespace solid {

// The specular reflectance of every model (the shininess is 100).
inline constexpr std::array<float, 4> kSpecular{0.5f, 0.5f, 0.5f, 1.0f};
// The colour behind the model.
inline constexpr std::array<float, 4> kClearColour{0.55f, 0.7f, 0.7f, 0.0f};

// Lights and draws the frame over a fresh background into a viewport of
// width x height pixels. The quadric and the two display lists are made for
// this frame and deleted before returning.
void renderModelFrame(const ModelFrame &frame, int width, int height);

} // namespace solid
