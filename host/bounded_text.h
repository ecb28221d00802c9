// Copies texts into the host's buffers without ever writing past a bound.
#pragma once

#include <cstddef>
#include <cstring>

namespace fendwick {

// Writes at most size - 1 characters of source and a terminator.
inline void copyBoundedText(char* destination, const char* source, size_t size)
{
    if (destination == nullptr || size == 0) {
        return;
    }
    size_t i = 0;
    if (source != nullptr) {
        for (; i + 1 < size && source[i] != '\0'; ++i) {
            destination[i] = source[i];
        }
    }
    destination[i] = '\0';
}

// Writes source whole with its terminator: for the plug-in's own constant
// names, which every host in use gives far more room than the interface's
// historic bounds of 8 and 13 characters.
inline void copyWholeText(char* destination, const char* source)
{
    copyBoundedText(destination, source, source == nullptr ? 1 : std::strlen(source) + 1);
}

}  // namespace fendwick
