// What an output name stands for: a file to create or replace, a stream to write into, or something refused.
#pragma once

#include <string>

namespace fendwick {

// Where output named by the user goes. Symbolic links are followed, so
// `path` is the file that will be created or replaced, beside which the
// pending file lives; the links themselves stay as they are.
struct OutputTarget {
    enum class Kind {
        newFile,         // nothing there yet
        regularFile,     // replaced in one step
        stream,          // a FIFO or character device, written directly
        standardOutput,  // "-"
    };
    Kind kind = Kind::newFile;
    std::string path;
};

// Throws `ToolError` naming `outPath` for folders, sockets, block devices
// and names that cannot be looked up: those are never written to.
OutputTarget findOutputTarget(const std::string& outPath);

// "a/b/" for "a/b/c.wav", empty for a bare name.
std::string folderOf(const std::string& path);

}  // namespace fendwick
