// Help texts of the Windows build, which has fewer commands than the Linux one.
#include "usage_text.h"

#include "render_arguments.h"

namespace fendwick {

std::string usageText()
{
    return "usage: fendwick COMMAND [ARGUMENTS]\n"
           "\n"
           "Loads VST 2 plug-ins for Windows and drives them as a host does.\n"
           "PLUGIN is a path to a DLL, or the name of one of ours (\"ascarell\")\n"
           "looked up in the plug-in folder: --plugin-dir DIR, else\n"
           "%FENDWICK_PLUGIN_DIR%, else the build's plug-in folder.\n"
           "This build has no libsndfile: it reads and writes WAV files only,\n"
           "through its own reader and writer. bench, demo, shot, meters and\n"
           "validate are Linux commands.\n"
           "\n"
           "commands:\n"
           "  info PLUGIN [--json]                 identity, parameters and programs\n"
           "  render PLUGIN IN.wav OUT.wav [options]  process a WAV file\n"
           "  help [COMMAND]                       this text, or a command's help\n"
           "\n"
           "Exit codes: 0 done, 1 failed, 2 bad command line.\n";
}

std::optional<std::string> commandUsageText(const std::string& command)
{
    if (command == "info") {
        return "usage: fendwick info PLUGIN [--json] [--plugin-dir DIR]\n"
               "\n"
               "Prints the plug-in's name, vendor, product, unique ID, version,\n"
               "inputs and outputs, flags, and every parameter and program name.\n"
               "\n"
               "  --json   print the same as one JSON object\n";
    }
    if (command == "render") {
        return "usage: fendwick render PLUGIN IN.wav OUT.wav [options]\n"
               "\n"
               "Processes IN (16-, 24- or 32-bit PCM or 32-bit float WAV) at its\n"
               "own sample rate through the plug-in's replacing process and writes\n"
               "OUT as 32-bit float WAV.\n"
               "\n" +
               std::string(kRenderOptionsHelp) +
               "  --plugin-dir DIR      where names of ours are looked up\n";
    }
    if (command == "bench" || command == "demo" || command == "shot" || command == "meters" ||
        command == "validate") {
        return "fendwick " + command + " is not in the Windows build; run the Linux build for it.\n";
    }
    return std::nullopt;
}

}  // namespace fendwick
