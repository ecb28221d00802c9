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
    template <int32_t ValueCount, size_t ProgramCount>
    explicit ProgramBank(const FactoryProgram<ValueCount> (&factory)[ProgramCount]) : valuesPerProgram(ValueCount)
    {
        values.reserve(ProgramCount * ValueCount);
        names.reserve(ProgramCount);
        for (const FactoryProgram<ValueCount>& program : factory) {
            add(program.name, program.value);
        }
    }

    int32_t size() const { return static_cast<int32_t>(names.size()); }
    int32_t valueCount() const { return valuesPerProgram; }
    bool contains(int32_t program) const { return program >= 0 && program < size(); }

    float value(int32_t program, int32_t index) const;
    void store(int32_t program, int32_t index, float value);
    // A name longer than 23 characters is cut.
    void rename(int32_t program, const char* name);
    // Copies the name into a buffer of 24 bytes; false, writing nothing,
    // for a program that does not exist.
    bool copyName(int32_t program, char* text) const;

private:
    using Name = std::array<char, kProgramNameSize>;

    void add(const char* name, const float* programValues);
    bool holds(int32_t program, int32_t index) const;
    size_t at(int32_t program, int32_t index) const;

    std::vector<float> values;  // program after program
    std::vector<Name> names;
    int32_t valuesPerProgram = 0;
};

}  // namespace fendwick
