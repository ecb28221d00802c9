// An output file that appears under its name only once it is complete.
#pragma once

#include <string>

namespace fendwick {

// Creates a uniquely named hidden file next to `finalPath` and hands out its
// descriptor. commit() gives it the usual permissions and renames it over
// `finalPath` in one step; destruction without commit removes it, so a
// failed or interrupted write leaves nothing behind.
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
    std::string finalPath_;
    std::string temporaryPath_;
    int descriptor_ = -1;
    bool committed_ = false;
};

}  // namespace fendwick
