// Telling apart the kinds of node an output name can stand for.
#include "output_target.h"

#include "tool_error.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace fendwick {
namespace {

// The kernel gives up on chains of links longer than this too.
constexpr int kLargestLinkChain = 40;

[[noreturn]] void refuse(const std::string& outPath, const std::string& reason)
{
    throw ToolError("cannot write " + outPath + ": " + reason);
}

// The last link of a chain that ends nowhere names the file to create.
std::string endOfDanglingLinks(const std::string& outPath)
{
    std::string path = outPath;
    for (int hop = 0; hop < kLargestLinkChain; ++hop) {
        struct stat status {};
        if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return path;
        }
        char target[PATH_MAX];
        const ssize_t length = readlink(path.c_str(), target, sizeof(target) - 1);
        if (length < 0) {
            refuse(outPath, std::strerror(errno));
        }
        const std::string next(target, static_cast<size_t>(length));
        path = next.front() == '/' ? next : folderOf(path) + next;
    }
    refuse(outPath, std::strerror(ELOOP));
}

std::string realPathOf(const std::string& outPath)
{
    const std::unique_ptr<char, decltype(&std::free)> resolved(realpath(outPath.c_str(), nullptr), &std::free);
    if (!resolved) {
        refuse(outPath, std::strerror(errno));
    }
    return resolved.get();
}

}  // namespace

std::string folderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

OutputTarget findOutputTarget(const std::string& outPath)
{
    if (outPath == "-") {
        return {OutputTarget::Kind::standardOutput, outPath};
    }
    if (outPath.empty() || outPath.back() == '/') {
        refuse(outPath, "that is a folder, not a file name");
    }
    struct stat status {};
    if (stat(outPath.c_str(), &status) != 0) {
        if (errno != ENOENT) {
            refuse(outPath, std::strerror(errno));
        }
        return {OutputTarget::Kind::newFile, endOfDanglingLinks(outPath)};
    }
    if (S_ISREG(status.st_mode)) {
        return {OutputTarget::Kind::regularFile, realPathOf(outPath)};
    }
    if (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode)) {
        return {OutputTarget::Kind::stream, outPath};
    }
    if (S_ISDIR(status.st_mode)) {
        refuse(outPath, "it is a folder");
    }
    const std::string kind = S_ISSOCK(status.st_mode)   ? "it is a socket"
                             : S_ISBLK(status.st_mode) ? "it is a block device"
                                                       : "it is no regular file";
    refuse(outPath, kind + "; only files, FIFOs, character devices and - (standard output) are written");
}

}  // namespace fendwick
