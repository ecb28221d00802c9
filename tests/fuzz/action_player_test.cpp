// The session player against plug-ins that misbehave on purpose: each fault must come back as a finding.
#include "action_player.h"
#include "hosted_plugin.h"
#include "plugin_library.h"

#include <gtest/gtest.h>

namespace fendwick {
namespace {

HostAction processCall(HostAction::Kind kind)
{
    HostAction action;
    action.kind = kind;
    action.frames = HostAction::kMostFrames;
    action.samples.assign(static_cast<size_t>(action.frames) * HostAction::kChannels, 0.25f);
    return action;
}

HostAction request(int32_t opcode)
{
    HostAction action;
    action.opcode = opcode;
    return action;
}

// Long enough that the NaN fixture's clean start is over.
std::vector<HostAction> longRun(HostAction::Kind kind)
{
    return std::vector<HostAction>(40, processCall(kind));
}

TEST(ActionPlayer, FaultsBecomeFindingsAndCleanSessionsPass)
{
    const struct {
        const char* library;
        std::vector<HostAction> session;
        const char* finding;  // a part of the finding's words; null: none expected
    } cases[] = {
        {GAIN_FIXTURE_PATH, longRun(HostAction::Kind::processReplacing), nullptr},
        {GAIN_FIXTURE_PATH, {request(EffectOpcode::getParameterName), request(EffectOpcode::getEffectName)}, nullptr},
        {NAN_OUTPUT_FIXTURE_PATH, longRun(HostAction::Kind::processReplacing), "is nan after a replacing call"},
        {OVERRUN_TEXTS_FIXTURE_PATH, {request(EffectOpcode::getParameterName)}, "wrote past the host's buffer"},
    };
    for (const auto& c : cases) {
        const PluginLibrary library(c.library);
        HostedPlugin plugin(library);
        const std::optional<std::string> finding = playActions(plugin, c.session);
        if (c.finding == nullptr) {
            EXPECT_FALSE(finding.has_value()) << c.library << ": " << finding.value_or("");
        } else {
            ASSERT_TRUE(finding.has_value()) << c.library;
            EXPECT_NE(finding->find(c.finding), std::string::npos) << *finding;
        }
    }
}

}  // namespace
}  // namespace fendwick
