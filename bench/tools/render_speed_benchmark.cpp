// A 10-minute stereo file through `ascarell` with the real tool, against the
// same file only read and written, and against the plug-in alone in memory.
#include "sound_file.h"
#include "benchmark_signal.h"
#include "block_processing.h"
#include "loaded_plugin.h"
#include "tool_process.h"

#include <benchmark/benchmark.h>
#include <sndfile.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fendwick {
namespace {

constexpr int kSampleRateHz = 44100;
constexpr double kMinutes = 10.0;
constexpr size_t kBlockSize = 512;
constexpr int kCdFormat = SF_FORMAT_WAV | SF_FORMAT_PCM_16;

std::string folder()
{
    return "/tmp/fendwick_render_speed_" + std::to_string(getpid());
}

std::string inputPath()
{
    return folder() + "/ten_minutes.wav";
}

std::string ascarell()
{
    return std::string(BUILD_PLUGIN_DIR) + "/ascarell.so";
}

// Written once per run, CD format; removed at exit.
void makeInputFile()
{
    static bool made = false;
    if (made) {
        return;
    }
    mkdir(folder().c_str(), 0755);
    SF_INFO info{};
    info.channels = 2;
    info.samplerate = kSampleRateHz;
    info.format = kCdFormat;
    SNDFILE* file = sf_open(inputPath().c_str(), SFM_WRITE, &info);
    // A minute of the benchmark signal, written ten times.
    const AudioBuffer minute = makeBenchmarkSignal(kSampleRateHz, 60.0, 2);
    std::vector<float> interleaved(minute.frames() * 2);
    for (size_t i = 0; i < minute.frames(); ++i) {
        interleaved[2 * i] = minute.channel(0)[i];
        interleaved[2 * i + 1] = minute.channel(1)[i];
    }
    for (int m = 0; m < static_cast<int>(kMinutes); ++m) {
        sf_writef_float(file, interleaved.data(), static_cast<sf_count_t>(minute.frames()));
    }
    sf_close(file);
    made = true;
    std::atexit([] {
        unlink(inputPath().c_str());
        unlink((folder() + "/out.wav").c_str());
        unlink((folder() + "/copy.wav").c_str());
        rmdir(folder().c_str());
    });
}

void BM_RenderTenMinutesThroughTheTool(benchmark::State& state)
{
    if (access(ascarell().c_str(), R_OK) != 0) {
        state.SkipWithError("ascarell.so is not built");
        return;
    }
    makeInputFile();
    for (auto _ : state) {
        if (test::runTool({"render", ascarell(), inputPath(), folder() + "/out.wav"}).exitCode != 0) {
            state.SkipWithError("render failed");
            return;
        }
    }
}
BENCHMARK(BM_RenderTenMinutesThroughTheTool)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// The file I/O part alone: the same reads and writes in the same blocks, no plug-in.
void BM_ReadAndWriteTenMinutes(benchmark::State& state)
{
    makeInputFile();
    const std::string copy = folder() + "/copy.wav";
    for (auto _ : state) {
        SoundFile reader = SoundFile::openForReading(inputPath());
        const int descriptor = open(copy.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
        {
            SoundFile writer = SoundFile::createOnDescriptor(descriptor, copy, kCdFormat, 2, kSampleRateHz);
            std::vector<float> block(kBlockSize * 2);
            while (const size_t frames = reader.read(block.data(), kBlockSize)) {
                writer.write(block.data(), frames);
            }
            writer.close();
        }
        fsync(descriptor);
        close(descriptor);
    }
}
BENCHMARK(BM_ReadAndWriteTenMinutes)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// The plug-in's own share: ten minutes in memory through the replacing entry.
void BM_AscarellTenMinutesInMemory(benchmark::State& state)
{
    if (access(ascarell().c_str(), R_OK) != 0) {
        state.SkipWithError("ascarell.so is not built");
        return;
    }
    LoadedPlugin loaded(ascarell());
    loaded.plugin().prepare(kSampleRateHz, kBlockSize);
    AudioBuffer minute = makeBenchmarkSignal(kSampleRateHz, 60.0, 2);
    AudioBuffer output(2, minute.frames());
    for (auto _ : state) {
        for (int m = 0; m < static_cast<int>(kMinutes); ++m) {
            processReplacingInBlocks(loaded.plugin(), minute, output, kBlockSize);
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_AscarellTenMinutesInMemory)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace
}  // namespace fendwick
