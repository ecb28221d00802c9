// The built tolverin library's editor inside a real X window: it opens as a
// child of the host's window at its full size, and a knob dragged with the
// mouse from XTest moves its parameter inside one edit.
#include "host_window_fixture.h"
#include "tolverin_parameters.h"

namespace fendwick {
namespace {

class TolverinHostWindow : public HostWindowFixture {
protected:
    TolverinHostWindow() : HostWindowFixture("tolverin.so") {}
};

TEST_F(TolverinHostWindow, EditorOpensAsAChildOfTheHostWindow) { expectOpensAsAChild(728, 150); }

// From the Attack knob's centre.
TEST_F(TolverinHostWindow, AKnobDraggedWithTheMouseMovesInsideOneEdit)
{
    expectKnobDragInsideOneEdit(TolverinParam::attack, 88 + 16, 65 + 16);
}

}  // namespace
}  // namespace fendwick
