// libFuzzer target: the input bytes are a sound file, read as `fendwick render` reads it and played through a plug-in.
#include "hosted_plugin.h"
#include "sound_file_session.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace fendwick {
EffectRecord* FENDWICK_FUZZ_FACTORY(HostCallback hostCallback);
}

namespace {

// One scratch file per fuzzing process, rewritten for every input and removed at exit.
const std::string& scratchPath()
{
    static const std::string path = [] {
        char name[] = "/tmp/fendwick-fuzz-sound-XXXXXX";
        const int descriptor = mkstemp(name);
        if (descriptor < 0) {
            std::perror("mkstemp");
            std::abort();
        }
        close(descriptor);
        std::atexit([] { unlink(scratchPath().c_str()); });
        return std::string(name);
    }();
    return path;
}

void writeScratch(const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(scratchPath().c_str(), "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
        std::perror(scratchPath().c_str());
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeScratch(data, size);
    fendwick::HostedPlugin plugin(&fendwick::FENDWICK_FUZZ_FACTORY, fendwick::kSoundFilePlugin);
    if (const std::optional<std::string> finding = fendwick::playSoundFile(plugin, scratchPath())) {
        std::fprintf(stderr, "%s: %s\n", fendwick::kSoundFilePlugin, finding->c_str());
        std::abort();
    }
    return 0;
}
