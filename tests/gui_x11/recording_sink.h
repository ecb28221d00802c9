// A window event sink that keeps everything it is handed, for the tests.
#pragma once

#include "platform_window.h"

#include <functional>
#include <vector>

namespace fendwick {

struct RecordedWheel {
    Point where;
    float distance = 0.0f;
};

class RecordingSink final : public WindowEventSink {
public:
    void paintArea(const Rect& area) override { paints.push_back(area); }
    void buttonDown(const Point& where) override
    {
        presses.push_back(where);
        if (whileButtonDown) {
            whileButtonDown(where);
        }
    }
    void wheelTurned(const Point& where, float distance) override { wheels.push_back({where, distance}); }
    int32_t keyPressed(const KeyEvent& key) override
    {
        keysDown.push_back(key);
        return -1;
    }
    int32_t keyReleased(const KeyEvent& key) override
    {
        keysUp.push_back(key);
        return -1;
    }

    size_t eventCount() const
    {
        return paints.size() + presses.size() + wheels.size() + keysDown.size() + keysUp.size();
    }

    std::vector<Rect> paints;
    std::vector<Point> presses;
    std::vector<RecordedWheel> wheels;
    std::vector<KeyEvent> keysDown;
    std::vector<KeyEvent> keysUp;
    // Runs inside buttonDown, as a control's drag loop does.
    std::function<void(const Point&)> whileButtonDown;
};

}  // namespace fendwick
