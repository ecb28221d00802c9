// How a parameter's normalized value reads in units, for the host and the editor.
#pragma once

#include "value_text.h"

namespace fendwick {

// One kind of parameter value (decibels, milliseconds, a ratio, a switch):
// it owns how the normalized value becomes the number people read. Rows of
// the parameter tables point at constant value types; any thread may ask.
class ValueType {
public:
    // Writes the value of x: the number alone ("-6.0"), or followed by its
    // unit when withUnit ("-6.0 dB", "2.0 : 1"). Words that stand for a
    // value ("-oo", "Hard", "On") are written as they are.
    virtual void write(float x, TextBuilder& out, bool withUnit) const = 0;

protected:
    ValueType() = default;
    ~ValueType() = default;
};

}  // namespace fendwick
