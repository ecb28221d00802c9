// The single-band compressor's parameters, programs, names and reset.
#include "ascarell_compressor.h"

#include "bounded_text.h"
#include "value_text.h"

#include <cmath>

namespace fendwick {

namespace {

// About -50 dB: below it the threshold stays at its floor.
constexpr float kThresholdFloorParam = 0.0031622769f;
constexpr float kThresholdFloor = 0.0031591146f;  // the floor x 0.999
constexpr float kThresholdScale = 0.999f;

const char* const kParameterNames[AscarellParam::count] = {"Input", "Ratio", "Knee", "Attack",
                                                           "Release", "ARC", "Thresh", "OutLevel"};
const char* const kParameterLabels[AscarellParam::count] = {"dB", "", "", "ms", "ms", "", "dB", "dB"};

bool isParameterIndex(int32_t index) { return index >= 0 && index < AscarellParam::count; }

}  // namespace

AscarellCompressor::AscarellCompressor(HostCallback callback, AscarellChannels channels)
    : EffectBase(callback, kAscarellProgramCount, AscarellParam::count), channelCount(channels)
{
    const bool stereo = channels == AscarellChannels::stereo;
    setNumInputs(stereo ? 2 : 1);
    setNumOutputs(stereo ? 2 : 1);
    setUniqueId(fourCharCode(stereo ? "qk21" : "qk22"));
    canMono(true);
    canProcessReplacing(true);
    fillPrograms();
    AscarellCompressor::setProgram(0);
}

void AscarellCompressor::setParameter(int32_t index, float value)
{
    if (!isParameterIndex(index)) {
        return;
    }
    programs[curProgram].value[index] = value;
    switch (index) {
    case AscarellParam::input: inputParam = value; break;
    case AscarellParam::ratio: setRatio(value); break;
    case AscarellParam::knee: setKnee(value); break;
    case AscarellParam::attack: setAttack(value); break;
    case AscarellParam::release: setRelease(value); break;
    case AscarellParam::arc: setArc(value); break;
    case AscarellParam::thresh: setThresh(value); break;
    case AscarellParam::outLevel: outParam = value; break;
    default: break;
    }
}

float AscarellCompressor::getParameter(int32_t index)
{
    switch (index) {
    case AscarellParam::input: return inputParam;
    case AscarellParam::ratio: return getRatio();
    case AscarellParam::knee: return getKnee();
    case AscarellParam::attack: return getAttack();
    case AscarellParam::release: return getRelease();
    case AscarellParam::arc: return getArc();
    case AscarellParam::thresh: return getThresh();
    case AscarellParam::outLevel: return outParam;
    default: return 0.0f;
    }
}

void AscarellCompressor::setArc(float x)
{
    arcParam = x;
    for (EnvelopeDetector& d : detectors) {
        d.setReleaseMode(x);
    }
}

float AscarellCompressor::getArc() { return arcParam; }

void AscarellCompressor::setThresh(float x)
{
    threshParam = x;
    threshold = x > kThresholdFloorParam ? x * kThresholdScale : kThresholdFloor;
    recomputeGainBlend();
}

float AscarellCompressor::getThresh() { return threshParam; }

void AscarellCompressor::setAttack(float x)
{
    attackParam = x;
    for (EnvelopeDetector& d : detectors) {
        d.setAttack(x);
    }
}

float AscarellCompressor::getAttack() { return attackParam; }

void AscarellCompressor::setRelease(float x)
{
    releaseParam = x;
    for (EnvelopeDetector& d : detectors) {
        d.setRelease(x);
    }
}

float AscarellCompressor::getRelease() { return releaseParam; }

void AscarellCompressor::setKnee(float x)
{
    knee = x;
    for (EnvelopeDetector& d : detectors) {
        d.setKnee(x);
    }
}

float AscarellCompressor::getKnee() { return knee; }

void AscarellCompressor::setRatio(float x)
{
    ratioParam = x;
    recomputeGainBlend();
}

float AscarellCompressor::getRatio() { return ratioParam; }

// The blend (T^x - T) / (1 - T) of the threshold T and the ratio value x,
// taken through decibels: 1 leaves the level alone, 0 holds it at T.
void AscarellCompressor::recomputeGainBlend()
{
    const double thresholdDb = 20.0 * std::log10(static_cast<double>(threshold));
    const double scaledDb = thresholdDb * static_cast<double>(ratioParam);
    const auto t = static_cast<double>(threshold);
    gainBlend = static_cast<float>((std::pow(10.0, scaledDb * 0.05) - t) / (1.0 - t));
}

void AscarellCompressor::setSampleRate(float sampleRateHz)
{
    EffectBase::setSampleRate(sampleRateHz);
    for (EnvelopeDetector& d : detectors) {
        d.setSampleRate(sampleRateHz);
    }
}

void AscarellCompressor::suspend() { resetState(); }
void AscarellCompressor::resume() { resetState(); }

void AscarellCompressor::resetState()
{
    silenceCount = 0;
    processingActive = 0;
    for (EnvelopeDetector& d : detectors) {
        d.reset();
    }
}

// Applies every value of the program through setParameter, which writes
// each one back unchanged and brings the processing and editor up to date.
void AscarellCompressor::setProgram(int32_t index)
{
    if (index < 0 || index >= kAscarellProgramCount) {
        return;
    }
    curProgram = index;
    for (int32_t i = 0; i < AscarellParam::count; ++i) {
        setParameter(i, programs[index].value[i]);
    }
}

void AscarellCompressor::setProgramName(char* name)
{
    if (name != nullptr) {
        copyBoundedText(programs[curProgram].name, name, kProgramNameSize);
    }
}

void AscarellCompressor::getProgramName(char* name)
{
    copyBoundedText(name, programs[curProgram].name, kProgramNameSize);
}

bool AscarellCompressor::getProgramNameIndexed(int32_t, int32_t index, char* name)
{
    if (index < 0 || index >= kAscarellProgramCount) {
        return false;
    }
    copyBoundedText(name, programs[index].name, kProgramNameSize);
    return true;
}

void AscarellCompressor::getParameterLabel(int32_t index, char* label)
{
    if (isParameterIndex(index)) {
        copyBoundedText(label, kParameterLabels[index], kParameterTextSize);
    }
}

void AscarellCompressor::getParameterDisplay(int32_t index, char* text)
{
    if (isParameterIndex(index)) {
        formatValueText(getParameter(index), text);
    }
}

void AscarellCompressor::getParameterName(int32_t index, char* name)
{
    if (isParameterIndex(index)) {
        copyBoundedText(name, kParameterNames[index], kParameterTextSize);
    }
}

bool AscarellCompressor::getEffectName(char* name)
{
    copyBoundedText(name, isStereo() ? "Ascarell" : "Ascarell_mono", kIdentityTextSize);
    return true;
}

bool AscarellCompressor::getVendorString(char* text)
{
    copyBoundedText(text, "Fendwick", kIdentityTextSize);
    return true;
}

bool AscarellCompressor::getProductString(char* text) { return getEffectName(text); }
int32_t AscarellCompressor::getVendorVersion() { return 1000; }
int32_t AscarellCompressor::getPlugCategory() { return PlugCategory::effect; }

}  // namespace fendwick
