// An output file that appears under its name only once it is complete.
#pragma once

#include "interrupt_guard.h"
#include "output_target.h"

#include <string>

namespace fendwick {

// Output for one named target (see `findOutputTarget`). A file is written
// unnamed beside the file it will become (or, where the file system cannot
// do that, under a hidden temporary name) and commit() puts it in place in
// one step; destruction without commit removes it, so a failed or
// interrupted write leaves nothing behind. A FIFO, a character device or
// standard output is written directly and never replaced. The object holds
// the interrupt guard, so Ctrl-C or a closed terminal at any moment of its
// life only raises the flag and unwinds through the removal; commit()
// refuses once the flag is up.
class PendingOutputFile {
public:
    explicit PendingOutputFile(const std::string& outPath);
    ~PendingOutputFile();
    PendingOutputFile(const PendingOutputFile&) = delete;
    PendingOutputFile& operator=(const PendingOutputFile&) = delete;

    int descriptor() const { return descriptor_; }
    bool toStandardOutput() const { return target_.kind == OutputTarget::Kind::standardOutput; }
    void commit();

private:
    void openUnnamedOrTemporary();
    void linkIntoPlace();
    [[noreturn]] void fail() const;

    // First: installed before the file exists and removed after it is gone.
    InterruptGuard interruptGuard_;
    std::string outPath_;
    OutputTarget target_;
    // Set only while a named temporary file exists.
    std::string temporaryPath_;
    int descriptor_ = -1;
};

// "<folder>/.<name>.fendwick-XXXXXX" for mkstemp, the name shortened so that
// the whole stays within the file system's 255 bytes.
std::string temporaryPattern(const std::string& finalPath);

}  // namespace fendwick
