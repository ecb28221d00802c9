// Small rectangle arithmetic shared by the rasteriser, the contexts and the frame.
#pragma once

#include "geometry.h"

#include <algorithm>

namespace fendwick {

// Right and bottom exclusive: a rectangle with no width or height is empty.
inline bool isEmptyRect(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

inline Rect intersectRects(const Rect& a, const Rect& b)
{
    return Rect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
}

// The bounding rectangle of both; an empty one adds nothing.
inline Rect uniteRects(const Rect& a, const Rect& b)
{
    if (isEmptyRect(a))
        return b;
    if (isEmptyRect(b))
        return a;
    return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

inline Rect offsetRect(const Rect& r, const Point& by)
{
    return Rect{r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y};
}

inline bool operator==(const Point& a, const Point& b) { return a.x == b.x && a.y == b.y; }
inline bool operator!=(const Point& a, const Point& b) { return !(a == b); }
inline bool operator==(const Rect& a, const Rect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }

}  // namespace fendwick
