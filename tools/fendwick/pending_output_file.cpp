// Write-then-rename output files.
#include "pending_output_file.h"

#include "tool_error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fendwick {
namespace {

std::string systemMessage()
{
    return std::strerror(errno);
}

// The permissions a newly created file would get (mkstemp makes it 0600).
mode_t regularFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

}  // namespace

PendingOutputFile::PendingOutputFile(const std::string& finalPath) : finalPath_(finalPath)
{
    const size_t slash = finalPath.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : finalPath.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? finalPath : finalPath.substr(slash + 1);
    if (name.empty()) {
        throw ToolError("cannot write " + finalPath + ": that is a folder, not a file name");
    }
    std::string pattern = folder + "." + name + ".fendwick-XXXXXX";
    std::vector<char> writable(pattern.begin(), pattern.end());
    writable.push_back('\0');
    descriptor_ = mkstemp(writable.data());
    if (descriptor_ < 0) {
        throw ToolError("cannot write " + finalPath + ": " + systemMessage());
    }
    temporaryPath_ = writable.data();
}

PendingOutputFile::~PendingOutputFile()
{
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
    if (!committed_) {
        std::remove(temporaryPath_.c_str());
    }
}

void PendingOutputFile::commit()
{
    if (InterruptGuard::interrupted()) {
        throw ToolError("interrupted");
    }
    if (fchmod(descriptor_, regularFileMode()) != 0 || fsync(descriptor_) != 0) {
        throw ToolError("cannot write " + finalPath_ + ": " + systemMessage());
    }
    if (::close(std::exchange(descriptor_, -1)) != 0) {
        throw ToolError("cannot write " + finalPath_ + ": " + systemMessage());
    }
    if (std::rename(temporaryPath_.c_str(), finalPath_.c_str()) != 0) {
        throw ToolError("cannot write " + finalPath_ + ": " + systemMessage());
    }
    committed_ = true;
}

}  // namespace fendwick
