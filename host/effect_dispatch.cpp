// The dispatcher: each host request becomes one operation of the effect or
// its editor. Base table for opcodes 0 to 24, extended table for 25 to 76.
#include "plugin_editor.h"
#include "effect_base.h"

#include <cmath>

namespace fendwick {

namespace {

char* textArgument(void* pointer) { return static_cast<char*>(pointer); }

// The host's VU scale: a level of 1.0 reads 32767.
intptr_t vuAnswer(float level)
{
    const double scaled = static_cast<double>(level) * 32767.0;
    if (!(std::fabs(scaled) < 2147483647.0)) {
        return 0;
    }
    return static_cast<intptr_t>(static_cast<int32_t>(scaled));
}

KeyRecord keyRecord(int32_t index, intptr_t value, float option)
{
    KeyRecord key{};
    key.character = index;
    key.virtualKey = static_cast<uint8_t>(value);
    // Hosts send the modifier bits as a small whole number; a float beyond
    // the int32 range (or no number) has no integer to truncate to.
    const bool inRange = std::fabs(option) < 2147483648.0f;
    key.modifiers = inRange ? static_cast<uint8_t>(static_cast<int32_t>(option)) : 0;
    return key;
}

}  // namespace

intptr_t EffectBase::dispatch(int32_t opcode, int32_t index, intptr_t value, void* pointer, float option)
{
    if (opcode > EffectOpcode::lastBaseOpcode && opcode <= EffectOpcode::lastExtendedOpcode) {
        return dispatchExtended(opcode, index, value, pointer, option);
    }
    return dispatchBase(opcode, index, value, pointer, option);
}

intptr_t EffectBase::dispatchBase(int32_t opcode, int32_t index, intptr_t value, void* pointer, float option)
{
    switch (opcode) {
    case EffectOpcode::open: this->open(); return 0;
    case EffectOpcode::close: this->close(); return 0;
    case EffectOpcode::setProgram:
        if (value >= 0 && value < numPrograms) {
            this->setProgram(static_cast<int32_t>(value));
        }
        return 0;
    case EffectOpcode::getProgram: return this->getProgram();
    case EffectOpcode::setProgramName: this->setProgramName(textArgument(pointer)); return 0;
    case EffectOpcode::getProgramName: this->getProgramName(textArgument(pointer)); return 0;
    case EffectOpcode::getParameterLabel: this->getParameterLabel(index, textArgument(pointer)); return 0;
    case EffectOpcode::getParameterDisplay: this->getParameterDisplay(index, textArgument(pointer)); return 0;
    case EffectOpcode::getParameterName: this->getParameterName(index, textArgument(pointer)); return 0;
    case EffectOpcode::getVuLevel: return vuAnswer(getVu());
    case EffectOpcode::setSampleRate:
        if (isUsableSampleRate(option)) {
            this->setSampleRate(option);
        }
        return 0;
    case EffectOpcode::setBlockSize: this->setBlockSize(static_cast<int32_t>(value)); return 0;
    case EffectOpcode::mainsChanged:
        if (value == 0) {
            suspend();
        } else {
            resume();
        }
        return 0;
    case EffectOpcode::editorGetRect: return editor != nullptr ? editor->getRect(static_cast<EditorRect**>(pointer)) : 0;
    case EffectOpcode::editorOpen: return editor != nullptr ? editor->open(pointer) : 0;
    case EffectOpcode::editorClose:
        if (editor != nullptr) {
            editor->close();
        }
        return 0;
    case EffectOpcode::editorIdle:
        if (editor != nullptr) {
            editor->idle();
        }
        return 0;
    case EffectOpcode::identify: return kIdentifyAnswer;
    case EffectOpcode::getChunk: return this->getChunk(static_cast<void**>(pointer), index != 0);
    case EffectOpcode::setChunk: return this->setChunk(pointer, static_cast<int32_t>(value), index != 0);
    default: return 0;
    }
}

intptr_t EffectBase::dispatchExtended(int32_t opcode, int32_t index, intptr_t value, void* pointer, float option)
{
    switch (opcode) {
    case EffectOpcode::processEvents: return this->processEvents(pointer);
    case EffectOpcode::canBeAutomated: return canParameterBeAutomated(index) ? 1 : 0;
    case EffectOpcode::stringToParameter: return this->stringToParameter(index, textArgument(pointer)) ? 1 : 0;
    case EffectOpcode::getProgramCategoryCount: return getNumCategories();
    case EffectOpcode::getProgramNameIndexed:
        return this->getProgramNameIndexed(static_cast<int32_t>(value), index, textArgument(pointer)) ? 1 : 0;
    case EffectOpcode::copyProgram: return this->copyProgram(index) ? 1 : 0;
    case EffectOpcode::inputConnected: this->inputConnected(index, value != 0); return 1;
    case EffectOpcode::outputConnected: this->outputConnected(index, value != 0); return 1;
    case EffectOpcode::getInputProperties: return this->getInputProperties(index, pointer) ? 1 : 0;
    case EffectOpcode::getOutputProperties: return this->getOutputProperties(index, pointer) ? 1 : 0;
    case EffectOpcode::getPlugCategory: return this->getPlugCategory();
    case EffectOpcode::getCurrentPosition: return reportCurrentPosition();
    case EffectOpcode::getDestinationBuffer: return reinterpret_cast<intptr_t>(reportDestinationBuffer());
    case EffectOpcode::offlineNotify: return this->offlineNotify(pointer, static_cast<int32_t>(value), index != 0) ? 1 : 0;
    case EffectOpcode::offlinePrepare: return this->offlinePrepare(pointer, static_cast<int32_t>(value)) ? 1 : 0;
    case EffectOpcode::offlineRun: return this->offlineRun(pointer, static_cast<int32_t>(value)) ? 1 : 0;
    case EffectOpcode::processVariableIo: return this->processVariableIo(pointer) ? 1 : 0;
    case EffectOpcode::setSpeakerArrangement:
        return this->setSpeakerArrangement(reinterpret_cast<void*>(value), pointer) ? 1 : 0;
    case EffectOpcode::setBlockSizeAndSampleRate:
        this->setBlockSizeAndSampleRate(static_cast<int32_t>(value), option);
        return 1;
    case EffectOpcode::setBypass: return this->setBypass(value != 0) ? 1 : 0;
    case EffectOpcode::getEffectName: return this->getEffectName(textArgument(pointer)) ? 1 : 0;
    case EffectOpcode::getErrorText: return this->getErrorText(textArgument(pointer)) ? 1 : 0;
    case EffectOpcode::getVendorString: return this->getVendorString(textArgument(pointer)) ? 1 : 0;
    case EffectOpcode::getProductString: return this->getProductString(textArgument(pointer)) ? 1 : 0;
    case EffectOpcode::getVendorVersion: return this->getVendorVersion();
    case EffectOpcode::vendorSpecific: return this->vendorSpecific(index, value, pointer, option);
    case EffectOpcode::canDo: return this->canDo(textArgument(pointer));
    case EffectOpcode::getTailSize: return this->getTailSize();
    case EffectOpcode::idle: return fxIdle();
    case EffectOpcode::getIcon: return reinterpret_cast<intptr_t>(this->getIcon());
    case EffectOpcode::setViewPosition:
        return this->setViewPosition(index, static_cast<int32_t>(value)) ? 1 : 0;
    case EffectOpcode::getParameterProperties: return this->getParameterProperties(index, pointer) ? 1 : 0;
    case EffectOpcode::keysRequired: return this->keysRequired() ? 0 : 1;
    case EffectOpcode::getInterfaceVersion: return this->getInterfaceVersion();
    case EffectOpcode::editorKeyDown: return editor != nullptr ? editor->onKeyDown(keyRecord(index, value, option)) : 0;
    case EffectOpcode::editorKeyUp: return editor != nullptr ? editor->onKeyUp(keyRecord(index, value, option)) : 0;
    case EffectOpcode::setEditorKnobMode: return editor != nullptr ? editor->setKnobMode(static_cast<int32_t>(value)) : 0;
    case EffectOpcode::getMidiProgramName: return this->getMidiProgramName(index, pointer);
    case EffectOpcode::getCurrentMidiProgram: return this->getCurrentMidiProgram(index, pointer);
    case EffectOpcode::getMidiProgramCategory: return this->getMidiProgramCategory(index, pointer);
    case EffectOpcode::hasMidiProgramsChanged: return this->hasMidiProgramsChanged(index) ? 1 : 0;
    case EffectOpcode::getMidiKeyName: return this->getMidiKeyName(index, pointer) ? 1 : 0;
    case EffectOpcode::beginSetProgram: return this->beginSetProgram() ? 1 : 0;
    case EffectOpcode::endSetProgram: return this->endSetProgram() ? 1 : 0;
    case EffectOpcode::getSpeakerArrangement:
        this->getSpeakerArrangement(reinterpret_cast<void**>(value), static_cast<void**>(pointer));
        return 0;
    case EffectOpcode::shellGetNextPlugin: return getNextShellPlugin(textArgument(pointer));
    case EffectOpcode::startProcess: return this->startProcess();
    case EffectOpcode::stopProcess: return this->stopProcess();
    case EffectOpcode::setTotalSamplesToProcess:
        return this->setTotalSamplesToProcess(static_cast<int32_t>(value));
    case EffectOpcode::setPanLaw: return this->setPanLaw(static_cast<int32_t>(value), option) ? 1 : 0;
    case EffectOpcode::beginLoadBank: return this->beginLoadBank(pointer);
    case EffectOpcode::beginLoadProgram: return this->beginLoadProgram(pointer);
    default: return 0;
    }
}

}  // namespace fendwick
