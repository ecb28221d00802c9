// The two faces of the product lettering: regular and bold.
#pragma once

#include "font_face.h"

#include <memory>
#include <string>

namespace fendwick::artwork {

struct Typefaces {
    std::unique_ptr<FontFace> regular;
    std::unique_ptr<FontFace> bold;

    // Loads DejaVuSans.ttf and DejaVuSans-Bold.ttf from directory; answers
    // false (and loads nothing) when either is missing.
    bool load(const std::string& directory);
};

}  // namespace fendwick::artwork
