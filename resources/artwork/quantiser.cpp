// Variance-split palette selection with k-means refinement.
#include "quantiser.h"

#include <algorithm>
#include <limits>

namespace fendwick::artwork {

namespace {

struct Entry {
    uint32_t colour;
    uint32_t count;
};

int channel(uint32_t colour, int which)
{
    return static_cast<int>((colour >> (16 - 8 * which)) & 0xffu);
}

// Running sums over a run of entries, from which the squared error follows.
struct Moments {
    double count = 0.0;
    double sum[3] = {0.0, 0.0, 0.0};
    double sumSquares[3] = {0.0, 0.0, 0.0};

    void add(const Entry& e)
    {
        const double n = e.count;
        count += n;
        for (int c = 0; c < 3; ++c) {
            const double v = channel(e.colour, c);
            sum[c] += n * v;
            sumSquares[c] += n * v * v;
        }
    }
    double error(int c) const { return count > 0.0 ? sumSquares[c] - sum[c] * sum[c] / count : 0.0; }
    double error() const { return error(0) + error(1) + error(2); }
    uint32_t mean() const
    {
        uint32_t packed = 0;
        for (int c = 0; c < 3; ++c) {
            const double v = count > 0.0 ? sum[c] / count + 0.5 : 0.0;
            packed = (packed << 8) | static_cast<uint32_t>(std::clamp(v, 0.0, 255.0));
        }
        return packed;
    }
};

struct Cell {
    size_t begin;
    size_t end;
    double error;
};

Moments momentsOf(const std::vector<Entry>& entries, size_t begin, size_t end)
{
    Moments m;
    for (size_t i = begin; i < end; ++i) {
        m.add(entries[i]);
    }
    return m;
}

// Sorts the cell along its widest channel and cuts where the two halves leave
// the least squared error; answers the index of the first entry of the upper half.
size_t splitPoint(std::vector<Entry>& entries, const Cell& cell)
{
    const Moments whole = momentsOf(entries, cell.begin, cell.end);
    int axis = 0;
    for (int c = 1; c < 3; ++c) {
        if (whole.error(c) > whole.error(axis)) {
            axis = c;
        }
    }
    std::sort(entries.begin() + static_cast<long>(cell.begin), entries.begin() + static_cast<long>(cell.end),
              [axis](const Entry& a, const Entry& b) {
                  const int ca = channel(a.colour, axis);
                  const int cb = channel(b.colour, axis);
                  return ca != cb ? ca < cb : a.colour < b.colour;
              });
    Moments lower;
    size_t best = cell.begin + 1;
    double bestError = std::numeric_limits<double>::max();
    for (size_t i = cell.begin; i + 1 < cell.end; ++i) {
        lower.add(entries[i]);
        if (channel(entries[i].colour, axis) == channel(entries[i + 1].colour, axis)) {
            continue;
        }
        Moments upper;
        for (int c = 0; c < 3; ++c) {
            upper.sum[c] = whole.sum[c] - lower.sum[c];
            upper.sumSquares[c] = whole.sumSquares[c] - lower.sumSquares[c];
        }
        upper.count = whole.count - lower.count;
        const double error = lower.error() + upper.error();
        if (error < bestError) {
            bestError = error;
            best = i + 1;
        }
    }
    return best;
}

long distance(uint32_t a, uint32_t b)
{
    long total = 0;
    for (int c = 0; c < 3; ++c) {
        const long d = channel(a, c) - channel(b, c);
        total += d * d;
    }
    return total;
}

size_t nearest(const std::vector<uint32_t>& palette, uint32_t colour)
{
    size_t best = 0;
    long bestDistance = std::numeric_limits<long>::max();
    for (size_t i = 0; i < palette.size(); ++i) {
        const long d = distance(palette[i], colour);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

std::vector<Entry> histogram(const std::vector<uint32_t>& pixels)
{
    std::vector<uint32_t> sorted = pixels;
    std::sort(sorted.begin(), sorted.end());
    std::vector<Entry> entries;
    for (const uint32_t colour : sorted) {
        if (!entries.empty() && entries.back().colour == colour) {
            ++entries.back().count;
        } else {
            entries.push_back({colour, 1});
        }
    }
    return entries;
}

std::vector<uint32_t> choosePalette(std::vector<Entry> entries, const std::vector<uint32_t>& pinned)
{
    constexpr size_t paletteSize = 256;
    if (entries.size() <= paletteSize) {
        std::vector<uint32_t> exact;
        for (const Entry& e : entries) {
            exact.push_back(e.colour);
        }
        return exact;
    }
    std::vector<uint32_t> palette = pinned;
    std::sort(palette.begin(), palette.end());
    palette.erase(std::unique(palette.begin(), palette.end()), palette.end());
    const size_t fixedCount = palette.size();
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&](const Entry& e) {
                                     return std::binary_search(palette.begin(), palette.end(), e.colour);
                                 }),
                  entries.end());

    std::vector<Cell> cells{{0, entries.size(), momentsOf(entries, 0, entries.size()).error()}};
    while (cells.size() + fixedCount < paletteSize) {
        size_t widest = cells.size();
        for (size_t i = 0; i < cells.size(); ++i) {
            if (cells[i].end - cells[i].begin > 1 && cells[i].error > 0.0 &&
                (widest == cells.size() || cells[i].error > cells[widest].error)) {
                widest = i;
            }
        }
        if (widest == cells.size()) {
            break;
        }
        const Cell cell = cells[widest];
        const size_t cut = splitPoint(entries, cell);
        cells[widest] = {cell.begin, cut, momentsOf(entries, cell.begin, cut).error()};
        cells.push_back({cut, cell.end, momentsOf(entries, cut, cell.end).error()});
    }
    for (const Cell& cell : cells) {
        palette.push_back(momentsOf(entries, cell.begin, cell.end).mean());
    }

    // Lloyd's refinement: every free entry moves to the mean of the colours nearest to it.
    constexpr int refinementRounds = 4;
    for (int round = 0; round < refinementRounds; ++round) {
        std::vector<Moments> clusters(palette.size());
        for (const Entry& e : entries) {
            clusters[nearest(palette, e.colour)].add(e);
        }
        for (size_t i = fixedCount; i < palette.size(); ++i) {
            if (clusters[i].count > 0.0) {
                palette[i] = clusters[i].mean();
            }
        }
    }
    return palette;
}

}  // namespace

uint32_t packColour(const Colour& colour)
{
    return (static_cast<uint32_t>(toByte(colour.r)) << 16) | (static_cast<uint32_t>(toByte(colour.g)) << 8) |
           static_cast<uint32_t>(toByte(colour.b));
}

IndexedImage quantise(const Canvas& canvas, const std::vector<uint32_t>& pinned)
{
    IndexedImage image;
    image.width = canvas.width();
    image.height = canvas.height();
    std::vector<uint32_t> pixels;
    pixels.reserve(static_cast<size_t>(canvas.width()) * static_cast<size_t>(canvas.height()));
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            pixels.push_back(packColour(canvas.at(x, y)));
        }
    }
    const std::vector<Entry> entries = histogram(pixels);
    const std::vector<uint32_t> palette = choosePalette(entries, pinned);
    for (size_t i = 0; i < palette.size(); ++i) {
        for (int c = 0; c < 3; ++c) {
            image.palette[i * 3 + static_cast<size_t>(c)] = static_cast<uint8_t>(channel(palette[i], c));
        }
    }
    std::vector<uint8_t> lookup(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        lookup[i] = static_cast<uint8_t>(nearest(palette, entries[i].colour));
    }
    image.indices.reserve(pixels.size());
    for (const uint32_t colour : pixels) {
        const auto it = std::lower_bound(entries.begin(), entries.end(), colour,
                                         [](const Entry& e, uint32_t c) { return e.colour < c; });
        image.indices.push_back(lookup[static_cast<size_t>(it - entries.begin())]);
    }
    return image;
}

}  // namespace fendwick::artwork
