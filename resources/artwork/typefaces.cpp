// Loading the lettering faces.
#include "typefaces.h"

namespace fendwick::artwork {

bool Typefaces::load(const std::string& directory)
{
    auto r = FontFace::load(directory + "/DejaVuSans.ttf");
    auto b = FontFace::load(directory + "/DejaVuSans-Bold.ttf");
    if (!r || !b) {
        return false;
    }
    regular = std::move(r);
    bold = std::move(b);
    return true;
}

}  // namespace fendwick::artwork
