// Help texts.
#include "usage_text.h"

#include "check_registry.h"
#include "render_arguments.h"

#include <sstream>

namespace fendwick {
namespace {

// Every check's name and, wrapped below it, what its pass proves.
std::string validationCheckList()
{
    constexpr size_t kWidth = 72;
    const std::string indent(6, ' ');
    std::string list;
    for (const Check& check : allChecks()) {
        list += std::string("  ") + check.name + "\n";
        std::istringstream words(check.proves);
        std::string line;
        for (std::string word; words >> word;) {
            if (!line.empty() && indent.size() + line.size() + 1 + word.size() > kWidth) {
                list += indent + line + "\n";
                line.clear();
            }
            line += (line.empty() ? "" : " ") + word;
        }
        list += indent + line + "\n";
    }
    return list;
}

}  // namespace

std::string usageText()
{
    return "usage: fendwick COMMAND [ARGUMENTS]\n"
           "\n"
           "Loads VST 2 plug-ins for Linux and drives them as a host does.\n"
           "PLUGIN is a path to a shared object, or the name of one of ours\n"
           "(\"ascarell\") looked up in the plug-in folder: --plugin-dir DIR, else\n"
           "$FENDWICK_PLUGIN_DIR, else the build's plug-in folder, then where\n"
           "an install puts them (<prefix>/lib/vst, ~/.vst/Fendwick).\n"
           "\n"
           "commands:\n"
           "  info PLUGIN [--json]                 identity, parameters and programs\n"
           "  render PLUGIN IN OUT [options]       process an audio file\n"
           "  bench [PLUGIN ...] [options]         time plug-ins against each other\n"
           "  demo [OUTDIR]                        render a test signal through ours\n"
           "  shot PLUGIN OUT.png [options]        draw an editor of ours into a PNG\n"
           "  meters PLUGIN IN [options]           what the meters of ours show for a file\n"
           "  validate PLUGIN [--quick] [--json]   put a plug-in through the conformance checks\n"
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
               "inputs and outputs, flags, and every parameter (index, name,\n"
               "label, value, display text) and program name.\n"
               "\n"
               "  --json   print the same as one JSON object\n";
    }
    if (command == "render") {
        return "usage: fendwick render PLUGIN IN OUT [options]\n"
               "\n"
               "Processes IN (anything libsndfile reads: WAV, FLAC, AIFF, OGG, ...)\n"
               "at its own sample rate through the plug-in's replacing process and\n"
               "writes OUT. OUT appears only when the render succeeded; IN is never\n"
               "overwritten. A symbolic link is written through and stays a link;\n"
               "a FIFO, a character device or - (standard output; the summary then\n"
               "goes to standard error) is written as the render goes; folders,\n"
               "sockets and block devices are refused.\n"
               "\n"
               "The format is --format's, else the one OUT's extension names (.wav,\n"
               ".flac, .ogg, .aiff, .caf, .w64, .rf64), else IN's. The samples keep\n"
               "IN's encoding where that format holds it, else become 24-bit PCM\n"
               "(Vorbis in OGG); --encoding chooses one. An IN that ends before its\n"
               "header says is rendered as far as it goes, with a warning.\n"
               "\n" +
               std::string(kRenderOptionsHelp) +
               "  --format NAME         write wav, aiff, flac, ogg, caf, w64 or rf64\n"
               "  --encoding NAME       write pcm16, pcm24, pcm32, float, double or vorbis\n"
               "  --keep-bad-output     keep OUT even when the plug-in put out NaN or\n"
               "                        infinity (the render still fails)\n"
               "  --plugin-dir DIR      where names of ours are looked up\n"
               "\n"
               "A mono plug-in takes a file of more channels only with --channel or\n"
               "--mix; a mono file feeds every input of a plug-in with more.\n";
    }
    if (command == "bench") {
        return "usage: fendwick bench [PLUGIN[@PROGRAM] ...] [options]\n"
               "\n"
               "Times the replacing process of each plug-in on the same signal\n"
               "(white noise under a 2 Hz envelope peaking near -3 dBFS), all\n"
               "plug-ins taking turns in every round so that machine drift hits\n"
               "them alike. Reports the median of the rounds: nanoseconds per\n"
               "frame, realtime factor, instance creation time, and the ratio to\n"
               "the baseline. Without PLUGIN: every plug-in of ours, then the\n"
               "peers installed under /usr/lib/vst (ZamCompX2, ZaMultiCompX2,\n"
               "LSP Compressor Stereo). PLUGIN@PROGRAM times a plug-in on one\n"
               "of its programs, by number or name (ascarell3@11); the same\n"
               "plug-in may come several times with different programs.\n"
               "\n"
               "  --rate R          sample rate in Hz (default 44100)\n"
               "  --block N         frames per process call (default 512)\n"
               "  --seconds S       length of the signal (default 10)\n"
               "  --rounds N        rounds of turns (default 5)\n"
               "  --baseline PLUGIN the plug-in the others are compared with\n"
               "                    (default the first)\n"
               "  --silence         time digital silence instead: what the\n"
               "                    plug-in costs on a track that plays nothing\n"
               "  --plugin-dir DIR  where ours are found\n";
    }
    if (command == "demo") {
        return "usage: fendwick demo [OUTDIR] [--plugin-dir DIR]\n"
               "\n"
               "Makes a short stereo test signal at 44.1 kHz (drum-like hits over a\n"
               "sustained chord), renders it through every plug-in of ours on its\n"
               "default program and on one characteristic program, writes the\n"
               "WAV files into OUTDIR (default fendwick-demo) and prints output\n"
               "peak and RMS, the largest gain reduction and the realtime factor.\n"
               "Mono plug-ins get the mix of both channels.\n";
    }
    if (command == "shot") {
        return "usage: fendwick shot PLUGIN OUT.png [options]\n"
               "\n"
               "Draws the editor of one of ours (linked into the tool, no display\n"
               "needed) as the host would first show it, and writes it as a PNG.\n"
               "\n"
               "  --program N|NAME      select a program by number or name first\n"
               "  --set NAME=VALUE      set a parameter to a value from 0 to 1\n"
               "                        (repeatable; applied after the program)\n"
               "  --input IN            process IN first (at its sample rate, in\n"
               "                        blocks of 512), so that the meters show\n"
               "                        where the file left them\n"
               "  --until S             process only IN's first S seconds\n"
               "\n"
               "A plug-in with one input gets the mix of IN's channels.\n";
    }
    if (command == "meters") {
        return "usage: fendwick meters PLUGIN IN [options]\n"
               "\n"
               "Runs IN at its sample rate through a plug-in of ours (linked into\n"
               "the tool) one frame at a time and prints every meter reading it\n"
               "publishes, in order: the frame it was published at (from 0), the\n"
               "meter (its display value index), the value and the value in dB.\n"
               "Gain meters show the smallest gain of their interval, level meters\n"
               "the largest magnitude. A plug-in with one input gets the mix of\n"
               "IN's channels; a plug-in without meters is refused.\n"
               "\n"
               "  tolverin       15 compressor gain, 16 compressed level, 17 and 18\n"
               "                 output level left and right, 19 and 20 limiter\n"
               "                 gain left and right\n"
               "  tolverin_mono  12 compressor gain, 13 compressed level, 14 output\n"
               "                 level, 15 limiter gain\n"
               "  tolverin3_mono 36, 37, 38 band gain Hi, Mid, Lo; 39, 40, 41 band\n"
               "                 level Hi, Mid, Lo; 42 output level, 43 limiter gain\n"
               "\n"
               "  --program N|NAME      select a program by number or name first\n"
               "  --set NAME=VALUE      set a parameter to a value from 0 to 1\n"
               "                        (repeatable; applied after the program)\n"
               "  --csv                 print a header line, then frame,meter,value\n";
    }
    if (command == "validate") {
        return "usage: fendwick validate PLUGIN [options]\n"
               "\n"
               "Puts any VST 2 plug-in for Linux through a battery of checks of how it\n"
               "stands up to hosts: every dispatcher request with odd arguments,\n"
               "parameters and programs set to anything, every block size and sample\n"
               "rate, both process entries, NaN, infinite, denormal and absurd input,\n"
               "the cost of silence and denormals, and the save, restore, scan and\n"
               "preset sequences of real hosts. Each check runs in a process of its\n"
               "own that loads the plug-in itself: a crash (signal) or a hang (the\n"
               "time limit, then the process is killed) fails that check and the\n"
               "battery goes on. One line per check, pass or FAIL with the reason\n"
               "and the command that repeats it alone, then a summary. Exit code 1\n"
               "when any check failed.\n"
               "\n"
               "  --quick             the shorter form of every check\n"
               "  --json              print the results as one JSON object\n"
               "  --only CHECK        run only this check (repeatable)\n"
               "  --time-limit S      seconds a check may take (default 120)\n"
               "  --plugin-dir DIR    where names of ours are looked up\n"
               "\n"
               "checks:\n" +
               validationCheckList();
    }
    if (command == "help") {
        return "usage: fendwick help [COMMAND]\n";
    }
    return std::nullopt;
}

}  // namespace fendwick
