// Catching a loaded plug-in's calls of the allocator, of locks and of blocking system calls on a watched thread.
#pragma once

#include <cstdint>

namespace fendwick {

// What a watched thread called that an audio thread must not: the first
// such function (its C or C++ name, "malloc", "operator new") and how many
// such calls there were in all.
struct ForbiddenCalls {
    const char* first = nullptr;
    uint64_t count = 0;
};

// A plug-in reaches the C library through its import slots, whatever runtime
// it carries: one built with the C++ runtime linked in still has its own
// operator new call malloc through the slot the loader filled, and one
// linked with the shared runtime imports operator new itself. hookImports
// rewrites those slots of the shared object holding `addressInLibrary` (its
// entry, say) so that each forbidden function first passes through a
// counter and then goes on to what the slot held. Only the plug-in's own
// calls are seen: the host's, and the C library's calls inside itself, are
// not. Answers how many slots it rewrote (0 when the object imports none
// of them, or on a machine whose relocations are not known here); they stay
// rewritten for the rest of the process.
int hookImports(const void* addressInLibrary);

// While an object of this lives, the forbidden calls the hooked plug-ins
// make on the constructing thread are counted. Not nested.
class WatchedSection {
public:
    WatchedSection();
    ~WatchedSection();
    WatchedSection(const WatchedSection&) = delete;
    WatchedSection& operator=(const WatchedSection&) = delete;
};

// The forbidden calls counted on the calling thread since the last take.
ForbiddenCalls takeForbiddenCalls();

}  // namespace fendwick
