// Where the tests find the plug-ins they load, and skipping when one is absent.
#pragma once

#include <string>
#include <unistd.h>

namespace fendwick::test {

inline bool fileExists(const std::string& path)
{
    return access(path.c_str(), R_OK) == 0;
}

// One of ours in the build's plug-in folder.
inline std::string ourPlugin(const std::string& name)
{
    return std::string(BUILD_PLUGIN_DIR) + "/" + name + ".so";
}

// The Debian peer used as a black box for the host path.
inline std::string zamCompPath()
{
    return "/usr/lib/vst/ZamCompX2-vst.so";
}

}  // namespace fendwick::test

#define SKIP_UNLESS_FILE(path)                                     \
    do {                                                           \
        if (!::fendwick::test::fileExists(path)) {                 \
            GTEST_SKIP() << (path) << " is not there";             \
        }                                                          \
    } while (false)
