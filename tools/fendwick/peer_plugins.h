// The compressors of other makers that `bench` measures ours against.
#pragma once

#include <string>
#include <vector>

namespace fendwick {

// Those installed on this machine, by path: Debian's zam-plugins (ZamCompX2,
// ZaMultiCompX2) and lsp-plugins-vst (LSP Compressor Stereo). They run as
// black boxes through the same host path as ours.
std::vector<std::string> installedPeerPlugins();

}  // namespace fendwick
