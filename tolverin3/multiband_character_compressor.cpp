// The three-band character compressor's parameter setters, read-back,
// sample rate, reset and meter publication.
#include "multiband_character_compressor.h"

#include "plugin_editor.h"
#include "tolverin3_tables.h"

namespace fendwick {

using P = Tolverin3Param::Index;

MultibandCharacterCompressor::MultibandCharacterCompressor(HostCallback callback)
    : EffectBase(callback, kTolverin3MonoIdentity, ParameterTable(kTolverin3ParameterRows),
                 ProgramBank(kTolverin3FactoryPrograms, kTolverin3ParameterInSlot))
{
    displayValues.cover(MultibandCharacterMeters::kFirstIndex, MultibandCharacterMeters::kCount);
    publishMeters();
    setProgram(0);
}

// ParamLink never enters a program: a program change turns it off first,
// and whatever is set later stays out of the program's record.
void MultibandCharacterCompressor::setParameter(int32_t index, float value)
{
    if (index != P::paramLink) {
        EffectBase::setParameter(index, value);
        return;
    }
    applyParameter(index, value);
    if (editor != nullptr) {
        editor->setParameter(index, value);
    }
}

void MultibandCharacterCompressor::applyParameter(int32_t index, float value)
{
    parameters.apply(index, value, state);
}

float MultibandCharacterCompressor::getParameter(int32_t index)
{
    if (!parameterTable.contains(index)) {
        return 0.0f;
    }
    return parameters.value(index);
}

void MultibandCharacterCompressor::setSampleRate(float sampleRateHz)
{
    EffectBase::setSampleRate(sampleRateHz);
    meterFrames = meterIntervalFor(sampleRateHz);
    state.setSampleRate(sampleRateHz);
}

void MultibandCharacterCompressor::suspend() { resetState(); }
void MultibandCharacterCompressor::resume() { resetState(); }

void MultibandCharacterCompressor::resetState()
{
    meterFrames = kResetMeterInterval;
    state.reset();
    publishMeters();
}

// The meters' rest values, for the editor to show from the start.
void MultibandCharacterCompressor::publishMeters()
{
    for (int32_t slot = 0; slot < MultibandCharacterMeters::kCount; ++slot) {
        setDisplayValue(MultibandCharacterMeters::kFirstIndex + slot, state.meters.value(slot));
    }
}

}  // namespace fendwick
