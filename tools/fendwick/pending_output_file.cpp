// Output files put in place whole, and streams written as they come.
#include "pending_output_file.h"

#include "tool_error.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fendwick {
namespace {

constexpr size_t kLongestFileName = 255;
constexpr char kTemporarySuffix[] = ".fendwick-XXXXXX";
constexpr int kLinkAttempts = 100;

// The permissions a newly created file would get (mkstemp makes it 0600).
mode_t regularFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

// File systems without unnamed files answer O_TMPFILE with one of these.
bool unnamedFilesRefused(int error)
{
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

// A fresh temporary name: the pattern's X's replaced by random letters.
std::string randomTemporaryName(const std::string& finalPath, std::mt19937& random)
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string name = temporaryPattern(finalPath);
    std::uniform_int_distribution<size_t> pick(0, sizeof(kLetters) - 2);
    std::for_each(name.end() - 6, name.end(), [&](char& c) { c = kLetters[pick(random)]; });
    return name;
}

}  // namespace

std::string temporaryPattern(const std::string& finalPath)
{
    const std::string folder = folderOf(finalPath);
    const std::string name = finalPath.substr(folder.size());
    const size_t kept = std::min(name.size(), kLongestFileName - 1 - (sizeof(kTemporarySuffix) - 1));
    return folder + "." + name.substr(0, kept) + kTemporarySuffix;
}

PendingOutputFile::PendingOutputFile(const std::string& outPath)
    : outPath_(outPath), target_(findOutputTarget(outPath))
{
    switch (target_.kind) {
    case OutputTarget::Kind::standardOutput:
        descriptor_ = STDOUT_FILENO;
        break;
    case OutputTarget::Kind::stream:
        // A FIFO blocks here until a reader comes; Ctrl-C ends the wait.
        descriptor_ = open(target_.path.c_str(), O_WRONLY | O_CLOEXEC);
        if (descriptor_ < 0) {
            fail();
        }
        break;
    case OutputTarget::Kind::newFile:
    case OutputTarget::Kind::regularFile:
        openUnnamedOrTemporary();
        break;
    }
}

PendingOutputFile::~PendingOutputFile()
{
    if (descriptor_ >= 0 && !toStandardOutput()) {
        ::close(descriptor_);
    }
    if (!temporaryPath_.empty()) {
        std::remove(temporaryPath_.c_str());
    }
}

void PendingOutputFile::openUnnamedOrTemporary()
{
    const std::string folder = folderOf(target_.path);
    // An unnamed file vanishes with the process however it ends, even killed.
    descriptor_ = open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (descriptor_ >= 0 || !unnamedFilesRefused(errno)) {
        if (descriptor_ < 0) {
            fail();
        }
        return;
    }
    std::string pattern = temporaryPattern(target_.path);
    std::vector<char> writable(pattern.begin(), pattern.end());
    writable.push_back('\0');
    descriptor_ = mkostemp(writable.data(), O_CLOEXEC);
    if (descriptor_ < 0) {
        fail();
    }
    temporaryPath_ = writable.data();
}

void PendingOutputFile::commit()
{
    if (InterruptGuard::interrupted()) {
        throw ToolError("interrupted");
    }
    if (target_.kind == OutputTarget::Kind::stream || toStandardOutput()) {
        return;
    }
    if (fchmod(descriptor_, regularFileMode()) != 0 || fsync(descriptor_) != 0) {
        fail();
    }
    if (temporaryPath_.empty()) {
        linkIntoPlace();
    }
    if (::close(std::exchange(descriptor_, -1)) != 0 ||
        std::rename(temporaryPath_.c_str(), target_.path.c_str()) != 0) {
        fail();
    }
    temporaryPath_.clear();
}

// Gives the unnamed file a temporary name, so that rename can then replace
// the target in one step (linking cannot replace).
void PendingOutputFile::linkIntoPlace()
{
    const std::string unnamed = "/proc/self/fd/" + std::to_string(descriptor_);
    std::mt19937 random(std::random_device{}());
    for (int attempt = 0; attempt < kLinkAttempts; ++attempt) {
        const std::string name = randomTemporaryName(target_.path, random);
        if (linkat(AT_FDCWD, unnamed.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            temporaryPath_ = name;
            return;
        }
        if (errno != EEXIST) {
            fail();
        }
    }
    fail();
}

void PendingOutputFile::fail() const
{
    if (errno == EINTR && InterruptGuard::interrupted()) {
        throw ToolError("interrupted");
    }
    throw ToolError("cannot write " + outPath_ + ": " + std::strerror(errno));
}

}  // namespace fendwick
