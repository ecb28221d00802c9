// Loading the library and creating instances of it, as every host does first.
#include "check_groups.h"
#include "checked_instance.h"
#include "interface_sizes.h"
#include "watched_buffer.h"

namespace fendwick {
namespace {

struct IdentityText {
    int32_t opcode;
    const char* what;
    size_t boundBytes;
};

constexpr IdentityText kIdentityTexts[] = {
    {EffectOpcode::getEffectName, "effect name", kEffectNameBytes},
    {EffectOpcode::getVendorString, "vendor string", kVendorTextBytes},
    {EffectOpcode::getProductString, "product string", kVendorTextBytes},
};

// Hosts create, close and create again (a scan, then the real load); the
// second round must work as the first did.
constexpr int kCreationRounds = 3;

void checkInstance(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    for (int round = 0; round < kCreationRounds; ++round) {
        const auto plugin = library.instance();
        if (plugin->numInputs() < 0 || plugin->numOutputs() < 1) {
            findings.fail("the record declares " + std::to_string(plugin->numInputs()) + " inputs and " +
                          std::to_string(plugin->numOutputs()) + " outputs");
        }
    }
}

void checkIdentityTexts(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    auto plugin = library.instance();
    for (const IdentityText& identity : kIdentityTexts) {
        WatchedBuffer buffer;
        plugin->dispatch(identity.opcode, 0, 0, buffer.data());
        findings.failOn(textFault(buffer, identity.boundBytes, identity.what));
    }
}

}  // namespace

std::vector<Check> loadingChecks()
{
    return {{"load.instance", "the library loads and its entry creates instances again and again, with sane counts",
             checkInstance},
            {"load.identity-texts",
             "effect name, vendor and product string are printable and terminated within the host's buffer",
             checkIdentityTexts}};
}

}  // namespace fendwick
