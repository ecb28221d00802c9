// The 32 factory programs of the character plug-ins, written once and laid
// out for the stereo and the mono build.
#include "tolverin_tables.h"

namespace fendwick {

namespace {

// What sets one factory program apart; everything else is the same in all
// of them.
struct ProgramSettings {
    const char* name;
    float loCut;
    float reduction;
    float thresh;
    float ratio;
    float attack;
    float release;
    float character;
    float characterMode;
    float outLevel;
};

constexpr ProgramSettings kSettings[kTolverinProgramCount] = {
    {"Tolverin Default", 0.0f, 0.0f, 1.0f, 0.5f, 0.194794f, 0.484014f, 1.0f, 0.0f, 0.5f},
    {"Classic", 0.0f, 0.0f, 0.5f, 0.666667f, 0.140277f, 0.276832f, 0.5f, 1.0f, 0.5f},
    {"Master Soft", 0.0f, 0.0f, 0.708555f, 0.341817f, 0.189316f, 0.269059f, 0.5f, 0.0f, 0.562694f},
    {"Master Basic", 0.0f, 0.0f, 0.708555f, 0.539332f, 0.189316f, 0.269059f, 0.0f, 0.0f, 0.632732f},
    {"Master Loud", 0.0f, 0.0f, 0.711023f, 0.685905f, 0.189316f, 0.269059f, 1.0f, 1.0f, 0.626988f},
    {"maxi 1", 0.0f, 0.0f, 0.89239f, 0.5f, 0.0f, 0.484014f, 0.0f, 1.0f, 0.562694f},
    {"maxi 2", 0.0f, 0.0f, 0.89239f, 0.5f, 0.0f, 0.484014f, 0.5f, 1.0f, 0.562694f},
    {"maxi 3", 0.0f, 0.0f, 0.89239f, 0.5f, 0.0f, 0.484014f, 1.0f, 1.0f, 0.562694f},
    {"maxi 4", 0.0f, 0.0f, 0.891268f, 0.604818f, 0.0f, 0.484014f, 0.0f, 1.0f, 0.702898f},
    {"maxi 5", 0.0f, 0.0f, 0.891268f, 0.604818f, 0.0f, 0.484014f, 0.5f, 1.0f, 0.702898f},
    {"maxi 6", 0.0f, 0.0f, 0.891268f, 0.604818f, 0.0f, 0.484014f, 1.0f, 1.0f, 0.702898f},
    {"maxi 7", 1.0f, 0.0f, 0.887485f, 0.666667f, 0.0f, 0.484014f, 0.0f, 1.0f, 1.0f},
    {"maxi 8", 1.0f, 0.0f, 0.887485f, 0.666667f, 0.0f, 0.484014f, 0.5f, 1.0f, 1.0f},
    {"maxi 9", 1.0f, 0.0f, 0.887485f, 0.666667f, 0.0f, 0.484014f, 1.0f, 1.0f, 1.0f},
    {"Cutting", 1.0f, 1.0f, 0.39849f, 0.833333f, 0.124777f, 0.154889f, 0.0f, 1.0f, 0.5f},
    {"Dump", 0.0f, 0.0f, 0.2516f, 1.0f, 0.0f, 0.484014f, 1.0f, 1.0f, 0.5f},
    {"Limiting Soft", 1.0f, 0.0f, 0.706345f, 0.875221f, 0.0f, 0.48339f, 0.5f, 0.0f, 0.5f},
    {"Limiting Hard", 1.0f, 1.0f, 0.712521f, 1.0f, 0.0f, 0.273654f, 0.5f, 1.0f, 0.5f},
    {"Drum", 0.0f, 0.0f, 0.5f, 0.762299f, 0.107609f, 0.484014f, 0.5f, 0.0f, 0.632732f},
    {"Drum Loud", 0.0f, 0.0f, 0.5f, 0.875221f, 0.0f, 0.179912f, 1.0f, 1.0f, 0.703733f},
    {"Snare Tight", 1.0f, 1.0f, 0.711023f, 0.875221f, 0.119243f, 0.105539f, 0.0f, 1.0f, 0.5f},
    {"Snare Phat", 1.0f, 0.0f, 0.5f, 0.917902f, 0.0f, 0.179912f, 0.5f, 1.0f, 0.660238f},
    {"Kick Tight", 0.0f, 0.0f, 0.5f, 0.856814f, 0.124777f, 0.208555f, 1.0f, 1.0f, 0.5f},
    {"Kick Phat", 0.0f, 0.0f, 0.387939f, 0.917902f, 0.0f, 0.333333f, 0.5f, 1.0f, 0.791445f},
    {"AGuitar", 0.0f, 0.0f, 0.5f, 0.800101f, 0.260004f, 0.287908f, 0.0f, 0.0f, 0.5f},
    {"EGuitar Clean", 0.0f, 1.0f, 0.5f, 0.748764f, 0.205998f, 0.227793f, 0.0f, 0.0f, 0.5f},
    {"EGuitar Crunch", 0.0f, 0.0f, 0.5f, 0.856815f, 0.089427f, 0.304829f, 0.5f, 0.0f, 0.5f},
    {"EBass", 0.0f, 0.0f, 0.5f, 0.833333f, 0.166666f, 0.268423f, 1.0f, 0.0f, 0.5f},
    {"EBass Slap", 0.0f, 1.0f, 0.5f, 0.917902f, 0.104817f, 0.210252f, 0.0f, 1.0f, 0.5f},
    {"ABass", 0.0f, 0.0f, 0.5f, 0.869873f, 0.333333f, 0.342553f, 1.0f, 0.0f, 0.5f},
    {"Vocal", 1.0f, 0.0f, 0.5f, 0.555301f, 0.107609f, 0.317833f, 0.0f, 0.0f, 0.5f},
    {"Vocal Enhance", 1.0f, 1.0f, 0.268714f, 0.917902f, 0.105964f, 0.175503f, 0.0f, 0.1f, 0.842972f},
};

// A program's values for either build's indexes (TolverinParam::Index or
// TolverinMonoParam::Index): the limiter, ARC and full-scale ceiling are
// the same in every program.
template <typename Index>
constexpr FactoryProgram<Index::count> sharedValues(const ProgramSettings& s)
{
    FactoryProgram<Index::count> program{s.name, {}};
    program.value[Index::loCut] = s.loCut;
    program.value[Index::peakLimiter] = 1.0f;
    program.value[Index::reduction] = s.reduction;
    program.value[Index::thresh] = s.thresh;
    program.value[Index::ratio] = s.ratio;
    program.value[Index::attack] = s.attack;
    program.value[Index::release] = s.release;
    program.value[Index::arc] = 1.0f;
    program.value[Index::character] = s.character;
    program.value[Index::characterMode] = s.characterMode;
    program.value[Index::outLevel] = s.outLevel;
    program.value[Index::outCeiling] = 1.0f;
    return program;
}

// Every stereo program links the channels and leaves the enhancer off at
// half its amount.
constexpr FactoryProgram<TolverinParam::count> stereoValues(const ProgramSettings& s)
{
    FactoryProgram<TolverinParam::count> program = sharedValues<TolverinParam::Index>(s);
    program.value[TolverinParam::stereoLink] = 1.0f;
    program.value[TolverinParam::stereoEnh] = 0.5f;
    program.value[TolverinParam::stereoEnhSwitch] = 0.0f;
    return program;
}

constexpr FactoryProgram<TolverinMonoParam::count> monoValues(const ProgramSettings& s)
{
    return sharedValues<TolverinMonoParam::Index>(s);
}

// The programs of one build, made at compile time from the settings.
template <int32_t ValueCount>
struct ProgramList {
    FactoryProgram<ValueCount> programs[kTolverinProgramCount];
};

template <int32_t ValueCount>
constexpr ProgramList<ValueCount> programList(FactoryProgram<ValueCount> (*values)(const ProgramSettings&))
{
    ProgramList<ValueCount> list{};
    for (int32_t p = 0; p < kTolverinProgramCount; ++p) {
        list.programs[p] = values(kSettings[p]);
    }
    return list;
}

constexpr ProgramList<TolverinParam::count> kStereoPrograms = programList(stereoValues);
constexpr ProgramList<TolverinMonoParam::count> kMonoPrograms = programList(monoValues);

}  // namespace

const FactoryProgram<TolverinParam::count> (&kTolverinFactoryPrograms)[kTolverinProgramCount] =
    kStereoPrograms.programs;
const FactoryProgram<TolverinMonoParam::count> (&kTolverinMonoFactoryPrograms)[kTolverinProgramCount] =
    kMonoPrograms.programs;

}  // namespace fendwick
