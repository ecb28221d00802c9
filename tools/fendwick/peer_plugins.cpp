// Finding the installed peer compressors.
#include "peer_plugins.h"

#include <unistd.h>

namespace fendwick {
namespace {

constexpr const char* kPeerPaths[] = {
    "/usr/lib/vst/ZamCompX2-vst.so",
    "/usr/lib/vst/ZaMultiCompX2-vst.so",
    "/usr/lib/vst/lsp-plugins/compressor-stereo.so",
};

}  // namespace

std::vector<std::string> installedPeerPlugins()
{
    std::vector<std::string> found;
    for (const char* path : kPeerPaths) {
        if (access(path, R_OK) == 0) {
            found.emplace_back(path);
        }
    }
    return found;
}

}  // namespace fendwick
