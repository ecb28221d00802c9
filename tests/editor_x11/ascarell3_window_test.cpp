// The built ascarell3 library's editor inside a real X window: it opens as a
// child of the host's window at its full size, and a knob dragged with the
// mouse from XTest moves its parameter inside one edit.
#include "ascarell3_parameters.h"
#include "host_window_fixture.h"

namespace fendwick {
namespace {

using A3 = Ascarell3Param::Index;

class Ascarell3HostWindow : public HostWindowFixture {
protected:
    Ascarell3HostWindow() : HostWindowFixture("ascarell3.so") {}
};

TEST_F(Ascarell3HostWindow, EditorOpensAsAChildOfTheHostWindow) { expectOpensAsAChild(719, 307); }

// From the Mid attack knob's centre.
TEST_F(Ascarell3HostWindow, AKnobDraggedWithTheMouseMovesInsideOneEdit)
{
    expectKnobDragInsideOneEdit(A3::midAttack, 136 + 16, 146 + 16);
}

}  // namespace
}  // namespace fendwick
