// The library entry every plug-in exports: asks the host's interface version,
// creates the plug-in object and hands the host its effect record.
#pragma once

#include "vst2_abi.h"

#include <new>

namespace fendwick {

// Module-wide: once an editor could not be created, this library makes no
// more instances.
extern bool editorCreationFailed;

template <class Effect, class... Arguments>
EffectRecord* createEffect(HostCallback hostCallback, Arguments... arguments)
{
    if (hostCallback == nullptr || hostCallback(nullptr, HostOpcode::version, 0, 0, nullptr, 0.0f) == 0) {
        return nullptr;
    }
    Effect* effect = new (std::nothrow) Effect(hostCallback, arguments...);
    if (effect == nullptr) {
        return nullptr;
    }
    if (editorCreationFailed) {
        delete effect;
        return nullptr;
    }
    return effect->effectRecord();
}

}  // namespace fendwick

#ifdef _WIN32
// Defines VSTPluginMain, answering what `factory(hostCallback)` answers; the
// DLL's export list names it twice, as VSTPluginMain and as main.
#define FENDWICK_PLUGIN_ENTRY(factory)                                                                   \
    extern "C" fendwick::EffectRecord* VSTPluginMain(fendwick::HostCallback hostCallback)               \
    {                                                                                                    \
        return factory(hostCallback);                                                                    \
    }
#else
// Defines the library's two exports, VSTPluginMain and main, both answering
// what `factory(hostCallback)` answers. `main` cannot be declared under its
// own name in C++, so it is an assembler alias.
#define FENDWICK_PLUGIN_ENTRY(factory)                                                                   \
    extern "C" __attribute__((visibility("default"))) fendwick::EffectRecord* VSTPluginMain(            \
        fendwick::HostCallback hostCallback)                                                             \
    {                                                                                                    \
        return factory(hostCallback);                                                                    \
    }                                                                                                    \
    extern "C" __attribute__((visibility("default"))) fendwick::EffectRecord* fendwickLegacyMain(       \
        fendwick::HostCallback hostCallback) __asm__("main");                                            \
    extern "C" fendwick::EffectRecord* fendwickLegacyMain(fendwick::HostCallback hostCallback)          \
    {                                                                                                    \
        return factory(hostCallback);                                                                    \
    }
#endif
