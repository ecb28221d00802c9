// The host's display text of every parameter is the number the editor shows,
// in the unit the label names.
#include "ascarell_parameters.h"
#include "ascarell_texts.h"
#include "hosted_fixture.h"

#include <string>
#include <vector>

namespace fendwick {
namespace {

// Compares the host's answer with the editor's text of the same value; the
// editor's text is its caption, then the number, then the unit.
void expectDisplayMatchesEditor(HostedPlugin& plugin, int32_t index, float x)
{
    plugin.setParameter(index, x);
    const std::string host = plugin.parameterDisplay(index);
    SCOPED_TRACE(plugin.parameterName(index) + " at " + std::to_string(x) + " reads \"" + host + "\"");
    ASSERT_LE(host.size(), 8u);
    if (index == AscarellParam::arc) {
        EXPECT_EQ(host, x >= 0.5f ? "On" : "Off");
        return;
    }
    char text[64];
    ascarellValueText(index)(x, text, sizeof text);
    const std::string editor = text;
    const std::string label = plugin.parameterLabel(index);
    EXPECT_EQ(editor.substr(editor.find("  :  ") + 5), label.empty() ? host : host + " " + label) << editor;
}

TEST_P(HostedAscarell, DisplayTextsAreTheEditorsNumbersAtEveryProgramAndTheEnds)
{
    for (int32_t p = 0; p < plugin->numPrograms(); ++p) {
        plugin->setProgram(p);
        std::vector<float> programValues;
        for (int32_t i = 0; i < AscarellParam::count; ++i) {
            programValues.push_back(plugin->getParameter(i));
        }
        for (int32_t i = 0; i < AscarellParam::count; ++i) {
            for (float x : {0.0f, programValues[static_cast<size_t>(i)], 0.333f, 1.0f}) {
                expectDisplayMatchesEditor(*plugin, i, x);
            }
        }
    }
}

}  // namespace
}  // namespace fendwick
