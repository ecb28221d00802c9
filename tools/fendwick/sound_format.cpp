// libsndfile format codes by name.
#include "sound_format.h"

#include "tool_error.h"
#include "usage_error.h"

#include <sndfile.h>

#include <algorithm>
#include <cctype>
#include <utility>

namespace fendwick {
namespace {

constexpr std::pair<const char*, int> kContainers[] = {
    {"wav", SF_FORMAT_WAV}, {"aiff", SF_FORMAT_AIFF}, {"flac", SF_FORMAT_FLAC},
    {"ogg", SF_FORMAT_OGG}, {"caf", SF_FORMAT_CAF},   {"w64", SF_FORMAT_W64}, {"rf64", SF_FORMAT_RF64},
};

constexpr std::pair<const char*, int> kEncodings[] = {
    {"pcm16", SF_FORMAT_PCM_16}, {"pcm24", SF_FORMAT_PCM_24},   {"pcm32", SF_FORMAT_PCM_32},
    {"float", SF_FORMAT_FLOAT},  {"double", SF_FORMAT_DOUBLE}, {"vorbis", SF_FORMAT_VORBIS},
};

template <size_t N>
int codeOf(const std::pair<const char*, int> (&table)[N], const std::string& name, const char* what)
{
    std::string known;
    for (const auto& entry : table) {
        if (name == entry.first) {
            return entry.second;
        }
        known += known.empty() ? entry.first : std::string(", ") + entry.first;
    }
    throw UsageError(std::string("unknown ") + what + " \"" + name + "\" (known: " + known + ")");
}

bool valid(int format, int channels, int sampleRateHz)
{
    SF_INFO info{};
    info.format = format;
    info.channels = channels;
    info.samplerate = sampleRateHz;
    return sf_format_check(&info) != 0;
}

std::string formatName(int code)
{
    SF_FORMAT_INFO info{};
    info.format = code;
    if (sf_command(nullptr, SFC_GET_FORMAT_INFO, &info, sizeof(info)) != 0 || info.name == nullptr) {
        return "unknown";
    }
    return info.name;
}

}  // namespace

std::optional<std::string> containerNamedBy(const std::string& path)
{
    const size_t dot = path.find_last_of("./");
    if (dot == std::string::npos || path[dot] != '.') {
        return std::nullopt;
    }
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto known = std::find_if(std::begin(kContainers), std::end(kContainers),
                                    [&](const auto& entry) { return extension == entry.first; });
    return known == std::end(kContainers) ? std::nullopt : std::optional<std::string>(extension);
}

int chooseOutputFormat(int inputFormat, const std::optional<std::string>& containerName,
                       const std::optional<std::string>& encodingName, int channels, int sampleRateHz)
{
    const int container =
        containerName ? codeOf(kContainers, *containerName, "format") : inputFormat & SF_FORMAT_TYPEMASK;
    if (encodingName) {
        const int format = container | codeOf(kEncodings, *encodingName, "encoding");
        if (!valid(format, channels, sampleRateHz)) {
            throw ToolError("the " + formatName(container) + " format cannot hold " +
                            *encodingName + " samples");
        }
        return format;
    }
    const int kept = container | (inputFormat & SF_FORMAT_SUBMASK);
    if (valid(kept, channels, sampleRateHz)) {
        return kept;
    }
    const int usual = container | (container == SF_FORMAT_OGG ? SF_FORMAT_VORBIS : SF_FORMAT_PCM_24);
    if (valid(usual, channels, sampleRateHz)) {
        return usual;
    }
    throw ToolError("the " + formatName(container) + " format cannot hold " +
                    std::to_string(channels) + " channels at " + std::to_string(sampleRateHz) + " Hz");
}

std::string describeFormat(int format)
{
    return formatName(format & SF_FORMAT_TYPEMASK) + ", " +
           formatName(format & SF_FORMAT_SUBMASK);
}

}  // namespace fendwick
