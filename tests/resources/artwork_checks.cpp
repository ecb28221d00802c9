// Checks shared by the tests of every product line's embedded bitmaps.
#include "artwork_checks.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace fendwick::artwork_test {

namespace {

constexpr double pi = 3.14159265358979;
constexpr int knobFrames = 81;

double channelToLinear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const Rgb& c)
{
    return 0.2126 * channelToLinear(c[0]) + 0.7152 * channelToLinear(c[1]) + 0.0722 * channelToLinear(c[2]);
}

double contrast(double a, double b)
{
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// Mean luminance over a rectangle of the bitmap.
double meanLuminance(const EmbeddedBitmap& b, int left, int top, int width, int height)
{
    double sum = 0.0;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            sum += luminance(pixelAt(b, x, y));
        }
    }
    return sum / (width * height);
}

::testing::AssertionResult lookUp(const ArtworkTable& table, int32_t id, const EmbeddedBitmap*& bitmap)
{
    bitmap = table.find(id);
    if (bitmap == nullptr) {
        return ::testing::AssertionFailure() << "bitmap " << id << " is missing";
    }
    return ::testing::AssertionSuccess();
}

// The angle (degrees, counter-clockwise from the right, y up) of the pointer in
// one frame: the centroid of the pixels in the ring where the pointer lies
// (inside the cap, away from the value arc), each weighted by how far it is
// brighter than a fifth of the way from the ring's median to its brightest pixel.
double pointerAngle(const EmbeddedBitmap& b, int frame)
{
    const int size = b.width;
    const double centre = size * 0.5;
    struct Sample {
        double luminance;
        double x;
        double y;
    };
    std::vector<Sample> ring;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double dx = x + 0.5 - centre;
            const double dy = y + 0.5 - centre;
            const double r = std::hypot(dx, dy) / centre;
            if (r >= 0.2 && r <= 0.5) {
                ring.push_back({luminance(pixelAt(b, x, frame * size + y)), dx, dy});
            }
        }
    }
    std::vector<double> levels;
    for (const Sample& s : ring) {
        levels.push_back(s.luminance);
    }
    std::sort(levels.begin(), levels.end());
    const double median = levels[levels.size() / 2];
    const double threshold = median + 0.2 * (levels.back() - median);
    double sx = 0.0;
    double sy = 0.0;
    for (const Sample& s : ring) {
        const double weight = std::max(0.0, s.luminance - threshold);
        sx += weight * s.x;
        sy += weight * s.y;
    }
    return std::atan2(-sy, sx) * 180.0 / pi;
}

// Difference of two angles in degrees, in -180..180.
double angleBetween(double from, double to)
{
    return std::remainder(to - from, 360.0);
}

}  // namespace

Rgb pixelAt(const EmbeddedBitmap& bitmap, int x, int y)
{
    const size_t at = static_cast<size_t>(y) * static_cast<size_t>(bitmap.width) + static_cast<size_t>(x);
    if (bitmap.bitsPerPixel == 8) {
        const uint8_t* entry = bitmap.palette + bitmap.pixels[at] * 3;
        return {entry[0], entry[1], entry[2]};
    }
    const uint8_t* p = bitmap.pixels + at * 3;
    return {p[0], p[1], p[2]};
}

::testing::AssertionResult hasShape(const ArtworkTable& table, const ExpectedBitmap& expected)
{
    const EmbeddedBitmap* b = nullptr;
    if (auto found = lookUp(table, expected.id, b); !found) {
        return found;
    }
    if (b->id != expected.id || b->width != expected.width || b->height != expected.imageHeight * expected.images) {
        return ::testing::AssertionFailure() << "bitmap " << expected.id << " is " << b->width << " x " << b->height
                                             << ", expected " << expected.width << " x "
                                             << expected.imageHeight * expected.images;
    }
    if (b->bitsPerPixel != expected.bitsPerPixel || (b->palette != nullptr) != (expected.bitsPerPixel == 8) ||
        b->pixels == nullptr) {
        return ::testing::AssertionFailure() << "bitmap " << expected.id << " has " << b->bitsPerPixel
                                             << " bits per pixel, expected " << expected.bitsPerPixel;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult turnsClockwise(const ArtworkTable& table, int32_t knobId)
{
    const EmbeddedBitmap* b = nullptr;
    if (auto found = lookUp(table, knobId, b); !found) {
        return found;
    }
    const struct {
        int frame;
        double angle;
    } anchors[] = {{0, 225.0}, {40, 90.0}, {80, -45.0}};
    for (const auto& anchor : anchors) {
        const double angle = pointerAngle(*b, anchor.frame);
        if (std::fabs(angleBetween(anchor.angle, angle)) > 8.0) {
            return ::testing::AssertionFailure() << "knob " << knobId << " frame " << anchor.frame
                                                 << " points at " << angle << " degrees, expected " << anchor.angle;
        }
    }
    double previous = pointerAngle(*b, 0);
    for (int frame = 1; frame < knobFrames; ++frame) {
        const double angle = pointerAngle(*b, frame);
        const double step = angleBetween(previous, angle);
        // 270 degrees over 80 steps is 3.375 degrees a frame, clockwise.
        if (step > -1.25 || step < -5.5) {
            return ::testing::AssertionFailure() << "knob " << knobId << " turns by " << step << " degrees into frame "
                                                 << frame;
        }
        previous = angle;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult imagesDiffer(const ArtworkTable& table, int32_t id, int images)
{
    const EmbeddedBitmap* b = nullptr;
    if (auto found = lookUp(table, id, b); !found) {
        return found;
    }
    const int h = b->height / images;
    for (int i = 0; i < images; ++i) {
        for (int j = i + 1; j < images; ++j) {
            int differing = 0;
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < b->width; ++x) {
                    if (pixelAt(*b, x, i * h + y) != pixelAt(*b, x, j * h + y)) {
                        ++differing;
                    }
                }
            }
            if (differing * 50 < b->width * h) {
                return ::testing::AssertionFailure() << "images " << i << " and " << j << " of bitmap " << id
                                                     << " differ in only " << differing << " pixels";
            }
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult lowerImageIsLit(const ArtworkTable& table, int32_t id)
{
    const EmbeddedBitmap* b = nullptr;
    if (auto found = lookUp(table, id, b); !found) {
        return found;
    }
    const int h = b->height / 2;
    const double off = meanLuminance(*b, 0, 0, b->width, h);
    const double on = meanLuminance(*b, 0, h, b->width, h);
    if (on <= off * 1.2) {
        return ::testing::AssertionFailure() << "bitmap " << id << ": the lower image (luminance " << on
                                             << ") is not lit brighter than the upper one (" << off << ")";
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult zonesLightInOrder(const ArtworkTable& table, int32_t id, int images)
{
    const EmbeddedBitmap* b = nullptr;
    if (auto found = lookUp(table, id, b); !found) {
        return found;
    }
    const int h = b->height / images;
    const int zone = b->width / images;
    for (int image = 0; image < images; ++image) {
        int brightest = 0;
        double best = -1.0;
        for (int z = 0; z < images; ++z) {
            const double l = meanLuminance(*b, z * zone, image * h, zone, h);
            if (l > best) {
                best = l;
                brightest = z;
            }
        }
        if (brightest != image) {
            return ::testing::AssertionFailure() << "image " << image << " of bitmap " << id << " lights zone "
                                                 << brightest;
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult blendsIntoBackground(const ArtworkTable& table, const Placement& knob)
{
    const EmbeddedBitmap* background = nullptr;
    const EmbeddedBitmap* strip = nullptr;
    if (auto found = lookUp(table, 10001, background); !found) {
        return found;
    }
    if (auto found = lookUp(table, knob.id, strip); !found) {
        return found;
    }
    const int size = strip->width;
    const int corners[][2] = {{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}};
    for (int frame = 0; frame < knobFrames; ++frame) {
        for (const auto& c : corners) {
            const Rgb under = pixelAt(*background, knob.x + c[0], knob.y + c[1]);
            const Rgb over = pixelAt(*strip, c[0], frame * size + c[1]);
            if (under != over) {
                return ::testing::AssertionFailure()
                       << "knob " << knob.id << " at " << knob.x << ", " << knob.y << ": frame " << frame
                       << " corner (" << c[0] << ", " << c[1] << ") is " << over[0] << "," << over[1] << ","
                       << over[2] << " over background " << under[0] << "," << under[1] << "," << under[2];
            }
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult carriesReadableText(const ArtworkTable& table, int32_t id, const Rgb& textColour)
{
    const EmbeddedBitmap* b = nullptr;
    if (auto found = lookUp(table, id, b); !found) {
        return found;
    }
    const double ratio = contrast(meanLuminance(*b, 0, 0, b->width, b->height), luminance(textColour));
    if (ratio < 3.5) {
        return ::testing::AssertionFailure() << "text on bitmap " << id << " has a contrast ratio of only " << ratio;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult showsMeterBar(const ArtworkTable& table, int32_t id)
{
    const EmbeddedBitmap* b = nullptr;
    if (auto found = lookUp(table, id, b); !found) {
        return found;
    }
    const double face = meanLuminance(*b, 0, 0, b->width, b->height);
    const double ratio = std::min(contrast(face, luminance({0, 166, 166})), contrast(face, luminance({0, 255, 255})));
    if (ratio < 4.0) {
        return ::testing::AssertionFailure() << "a meter bar on bitmap " << id << " has a contrast ratio of only "
                                             << ratio;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult knowsNothingBut(const ArtworkTable& table, int32_t firstId, int32_t lastId)
{
    for (const int32_t id : {0, -1, 1, firstId - 1, lastId + 1, lastId + 100, 20001}) {
        if (table.find(id) != nullptr) {
            return ::testing::AssertionFailure() << "an unknown id " << id << " answers a bitmap";
        }
    }
    for (int32_t id = firstId; id <= lastId; ++id) {
        const EmbeddedBitmap* b = table.find(id);
        if (b == nullptr || b->id != id) {
            return ::testing::AssertionFailure() << "id " << id << " answers the wrong bitmap";
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace fendwick::artwork_test
