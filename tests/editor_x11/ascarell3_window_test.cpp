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

TEST_F(Ascarell3HostWindow, EditorOpensAsAChildOfTheHostWindow)
{
    const Window child = openEditor();
    ASSERT_NE(child, 0u);
    const XWindowAttributes attributes = attributesOf(child);
    EXPECT_EQ(attributes.width, 719);
    EXPECT_EQ(attributes.height, 307);
    EXPECT_EQ(attributes.map_state, IsViewable);

    plugin->dispatch(EffectOpcode::editorClose);
    XSync(display, False);
    EXPECT_EQ(childCount(), 0);
}

TEST_F(Ascarell3HostWindow, AKnobDraggedWithTheMouseMovesInsideOneEdit)
{
    plugin->dispatch(EffectOpcode::setEditorKnobMode, 0, 2);  // linear: up raises
    plugin->setParameter(A3::midAttack, 0.2f);
    const Window child = openEditor();
    ASSERT_NE(child, 0u);
    idleUntil([] { return true; });

    // From the Mid attack knob's centre.
    EXPECT_TRUE(dragUp(child, 136 + 16, 146 + 16, 100, A3::midAttack, 0.69f));
    EXPECT_NEAR(plugin->getParameter(A3::midAttack), 0.7f, 1e-5f);
    EXPECT_EQ(requestsFor(HostOpcode::beginEdit, A3::midAttack), 1);
    EXPECT_EQ(requestsFor(HostOpcode::endEdit, A3::midAttack), 1);
    EXPECT_GE(requestsFor(HostOpcode::automate, A3::midAttack), 1);
    plugin->dispatch(EffectOpcode::editorClose);
}

}  // namespace
}  // namespace fendwick
