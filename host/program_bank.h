// The plug-in's programs: values and names, filled from its factory table.
#pragma once

#include "program.h"
#include "vst2_abi.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace fendwick {

// Owned by the effect object and filled once when it is made; afterwards
// set parameter writes into the current program and the host renames it.
// Every program and value index is checked, so a host's stray index reads
// and writes nothing.
class ProgramBank {
public:
    ProgramBank() = default;
    // Programs whose values lie in parameter order.
    template <int32_t ValueCount, size_t ProgramCount>
    explicit ProgramBank(const FactoryProgram<ValueCount> (&factory)[ProgramCount]) : valuesPerProgram(ValueCount)
    {
        for (int32_t index = 0; index < ValueCount; ++index) {
            slotParameters.push_back(index);
        }
        fill(factory);
    }

    // Programs whose slot k holds the value of parameter parameterInSlot[k],
    // a permutation of the parameter indexes.
    template <int32_t ValueCount, size_t ProgramCount>
    ProgramBank(const FactoryProgram<ValueCount> (&factory)[ProgramCount], const int32_t (&parameterInSlot)[ValueCount])
        : slotParameters(parameterInSlot, parameterInSlot + ValueCount), valuesPerProgram(ValueCount)
    {
        fill(factory);
    }

    int32_t size() const { return static_cast<int32_t>(names.size()); }
    int32_t valueCount() const { return valuesPerProgram; }
    bool contains(int32_t program) const { return program >= 0 && program < size(); }

    // The parameter a program change applies in slot's place; -1 outside.
    int32_t parameterInSlot(int32_t slot) const;
    // Values by parameter index, wherever their slot lies.
    float value(int32_t program, int32_t index) const;
    void store(int32_t program, int32_t index, float value);
    // A name longer than 23 characters is cut.
    void rename(int32_t program, const char* name);
    // Copies the name into a buffer of 24 bytes; false, writing nothing,
    // for a program that does not exist.
    bool copyName(int32_t program, char* text) const;

private:
    using Name = std::array<char, kProgramNameSize>;

    template <int32_t ValueCount, size_t ProgramCount>
    void fill(const FactoryProgram<ValueCount> (&factory)[ProgramCount])
    {
        mapSlots();
        values.reserve(ProgramCount * ValueCount);
        names.reserve(ProgramCount);
        for (const FactoryProgram<ValueCount>& program : factory) {
            add(program.name, program.value);
        }
    }
    void mapSlots();
    void add(const char* name, const float* programValues);
    bool holds(int32_t program, int32_t index) const;
    size_t at(int32_t program, int32_t index) const;

    std::vector<float> values;  // program after program
    std::vector<Name> names;
    std::vector<int32_t> slotParameters;  // the parameter index of every slot
    std::vector<int32_t> parameterSlots;  // the slot of every parameter index
    int32_t valuesPerProgram = 0;
};

}  // namespace fendwick
