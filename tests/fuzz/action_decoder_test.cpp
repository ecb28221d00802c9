// The session decoder: bounded output from any bytes, and every hostile value within a fuzzer's reach.
#include "action_decoder.h"
#include "byte_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <set>

namespace fendwick {
namespace {

TEST(ActionDecoder, AnyBytesGiveABoundedSession)
{
    std::mt19937 generator(7);
    std::vector<std::vector<uint8_t>> inputs = {{}, std::vector<uint8_t>(100000, 0), std::vector<uint8_t>(5000, 255)};
    for (int i = 0; i < 200; ++i) {
        std::vector<uint8_t> bytes(generator() % 3000);
        for (uint8_t& byte : bytes) {
            byte = static_cast<uint8_t>(generator());
        }
        inputs.push_back(bytes);
    }
    for (const std::vector<uint8_t>& bytes : inputs) {
        const std::vector<HostAction> actions = decodeActions(bytes.data(), bytes.size());
        EXPECT_LE(actions.size(), kMostActions);
        EXPECT_LE(actions.size(), bytes.size());
        for (const HostAction& action : actions) {
            EXPECT_GE(action.frames, 0);
            EXPECT_LE(action.frames, HostAction::kMostFrames);
            EXPECT_EQ(action.samples.size(), static_cast<size_t>(action.frames) * HostAction::kChannels);
        }
    }
}

// Whether some tag byte makes `read` answer a value `wanted` accepts; the
// tag is followed by zero bytes.
bool reachable(const std::function<float(ByteReader&)>& read, const std::function<bool(float)>& wanted)
{
    for (int tag = 0; tag < 256; ++tag) {
        const uint8_t bytes[] = {static_cast<uint8_t>(tag), 0, 0, 0, 0};
        ByteReader reader(bytes, sizeof bytes);
        if (wanted(read(reader))) {
            return true;
        }
    }
    return false;
}

TEST(ActionDecoder, HostileValuesAreOneByteAway)
{
    const std::function<float(ByteReader&)> number = [](ByteReader& r) { return r.number(); };
    const std::function<float(ByteReader&)> sample = [](ByteReader& r) { return r.sample(); };
    const std::function<float(ByteReader&)> integer = [](ByteReader& r) { return static_cast<float>(r.integer()); };
    const struct {
        const char* what;
        const std::function<float(ByteReader&)>& read;
        std::function<bool(float)> wanted;
    } cases[] = {
        {"number NaN", number, [](float x) { return std::isnan(x); }},
        {"number +inf", number, [](float x) { return std::isinf(x) && x > 0; }},
        {"number -inf", number, [](float x) { return std::isinf(x) && x < 0; }},
        {"number denormal", number, [](float x) { return std::fpclassify(x) == FP_SUBNORMAL; }},
        {"number 0", number, [](float x) { return x == 0.0f; }},
        {"number 1", number, [](float x) { return x == 1.0f; }},
        {"number negative", number, [](float x) { return x < 0.0f && std::isfinite(x); }},
        {"number a sample rate", number, [](float x) { return x == 44100.0f; }},
        {"number huge", number, [](float x) { return x >= 1e30f && std::isfinite(x); }},
        {"sample NaN", sample, [](float x) { return std::isnan(x); }},
        {"sample +inf", sample, [](float x) { return std::isinf(x) && x > 0; }},
        {"sample -inf", sample, [](float x) { return std::isinf(x) && x < 0; }},
        {"sample denormal", sample, [](float x) { return std::fpclassify(x) == FP_SUBNORMAL; }},
        {"sample 1e30", sample, [](float x) { return x == 1e30f; }},
        {"sample silence", sample, [](float x) { return x == 0.0f; }},
        {"sample full scale", sample, [](float x) { return x == -1.0f; }},
        {"integer negative", integer, [](float x) { return x < 0.0f; }},
        {"integer 0", integer, [](float x) { return x == 0.0f; }},
        {"integer huge", integer, [](float x) { return x >= 1e9f; }},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(reachable(c.read, c.wanted)) << c.what;
    }
}

TEST(ActionDecoder, EveryInterfaceOpcodeAndSomeBeyondAreReachable)
{
    std::set<int32_t> opcodes;
    for (int tag = 0; tag < 256; ++tag) {
        const uint8_t bytes[] = {static_cast<uint8_t>(HostAction::Kind::dispatch), static_cast<uint8_t>(tag), 255, 255,
                                 255, 255, 255};
        const std::vector<HostAction> actions = decodeActions(bytes, sizeof bytes);
        ASSERT_FALSE(actions.empty());
        opcodes.insert(actions.front().opcode);
    }
    for (int32_t opcode = 0; opcode <= 90; ++opcode) {
        EXPECT_EQ(opcodes.count(opcode), 1u) << opcode;
    }
    EXPECT_EQ(opcodes.count(-1), 1u) << "no opcode outside the interface's range";
}

}  // namespace
}  // namespace fendwick
