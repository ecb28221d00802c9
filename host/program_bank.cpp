// The program bank's checked reads, writes and names.
#include "program_bank.h"

#include "bounded_text.h"

namespace fendwick {

void ProgramBank::add(const char* name, const float* programValues)
{
    values.insert(values.end(), programValues, programValues + valuesPerProgram);
    names.emplace_back();
    copyBoundedText(names.back().data(), name, kProgramNameSize);
}

void ProgramBank::mapSlots()
{
    parameterSlots.assign(static_cast<size_t>(valuesPerProgram), 0);
    for (int32_t slot = 0; slot < valuesPerProgram; ++slot) {
        parameterSlots[static_cast<size_t>(slotParameters[static_cast<size_t>(slot)])] = slot;
    }
}

bool ProgramBank::holds(int32_t program, int32_t index) const
{
    return contains(program) && index >= 0 && index < valuesPerProgram;
}

size_t ProgramBank::at(int32_t program, int32_t index) const
{
    return static_cast<size_t>(program) * static_cast<size_t>(valuesPerProgram) +
           static_cast<size_t>(parameterSlots[static_cast<size_t>(index)]);
}

int32_t ProgramBank::parameterInSlot(int32_t slot) const
{
    return slot >= 0 && slot < valuesPerProgram ? slotParameters[static_cast<size_t>(slot)] : -1;
}

float ProgramBank::value(int32_t program, int32_t index) const
{
    return holds(program, index) ? values[at(program, index)] : 0.0f;
}

void ProgramBank::store(int32_t program, int32_t index, float value)
{
    if (holds(program, index)) {
        values[at(program, index)] = value;
    }
}

void ProgramBank::rename(int32_t program, const char* name)
{
    if (contains(program) && name != nullptr) {
        copyBoundedText(names[static_cast<size_t>(program)].data(), name, kProgramNameSize);
    }
}

bool ProgramBank::copyName(int32_t program, char* text) const
{
    if (!contains(program)) {
        return false;
    }
    copyBoundedText(text, names[static_cast<size_t>(program)].data(), kProgramNameSize);
    return true;
}

}  // namespace fendwick
