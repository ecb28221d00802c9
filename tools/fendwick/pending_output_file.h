// An output file that appears under its name only once it is complete.
#pragma once

#include "interrupt_guard.h"

#include <string>

namespace fendwick {

// Creates a uniquely named hidden file next to `finalPath` and hands out its
// descriptor. commit() gives it the usual permissions and renames it over
// `finalPath` in one step; destruction without commit removes it, so a
// failed or interrupted write leaves nothing behind. The object holds the
// interrupt guard, so Ctrl-C at any moment of its life only raises the flag
// and unwinds through the removal; commit() refuses once the flag is up.
class PendingOutputFile {
public:
    explicit PendingOutputFile(const std::string& finalPath);
    ~PendingOutputFile();
    PendingOutputFile(const PendingOutputFile&) = delete;
    PendingOutputFile& operator=(const PendingOutputFile&) = delete;

    int descriptor() const { return descriptor_; }
    const std::string& temporaryPath() const { return temporaryPath_; }
    void commit();

private:
    // First: installed before the file exists and removed after it is gone.
    InterruptGuard interruptGuard_;
    std::string finalPath_;
    std::string temporaryPath_;
    int descriptor_ = -1;
    bool committed_ = false;
};

}  // namespace fendwick
