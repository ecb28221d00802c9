// The 14 factory programs of the three-band character plug-in and the order
// of their slots.
#include "tolverin3_tables.h"

namespace fendwick {

namespace {

using P = Tolverin3Param::Index;

}  // namespace

// ParamLink; crossovers, limiter, the three Types, SonicFilter, its curve
// set, output level and ceiling; LoCut; then for Hi, Mid and Lo in turn the
// band's PW and Comp switches ahead of its other six values.
constexpr int32_t kTolverin3ParameterInSlot[] = {
    P::paramLink, P::loMid, P::midHi, P::peakLimiter, P::hiType, P::midType, P::loType,
    P::sonicFilter, P::sonicFilterAmount, P::outLevel, P::outCeiling, P::loCut,
    P::hiPower, P::hiComp, P::hiThresh, P::hiRatio, P::hiAttack, P::hiRelease, P::hiArc, P::hiIn,
    P::midPower, P::midComp, P::midThresh, P::midRatio, P::midAttack, P::midRelease, P::midArc, P::midIn,
    P::loPower, P::loComp, P::loThresh, P::loRatio, P::loAttack, P::loRelease, P::loArc, P::loIn};

namespace {

// Every parameter has exactly one slot.
constexpr bool everyParameterOnce()
{
    for (int32_t index = 0; index < Tolverin3Param::count; ++index) {
        int32_t slots = 0;
        for (const int32_t parameter : kTolverin3ParameterInSlot) {
            slots += parameter == index ? 1 : 0;
        }
        if (slots != 1) {
            return false;
        }
    }
    return true;
}
static_assert(everyParameterOnce(), "the slot order is a permutation of the parameters");

// What sets one band apart in a factory program; its PW, Comp and ARC are on
// in all of them.
struct BandSettings {
    float thresh;
    float ratio;
    float attack;
    float release;
    float in;
};

// What sets one factory program apart; the limiter is on at a full-scale
// ceiling, the low cut off, in every one of them.
struct ProgramSettings {
    const char* name;
    float loMid;
    float midHi;
    float type;  // the same for the three bands
    float sonicFilter;
    float sonicFilterAmount;
    float outLevel;
    BandSettings band[kMultibandBandCount];  // Hi, Mid, Lo
};

constexpr ProgramSettings kSettings[kTolverin3ProgramCount] = {
    {"Tolverin3 Default", 0.314189f, 0.844594f, 0.0f, 0.0f, 0.0f, 0.5f,
     {{1.0f, 0.666667f, 0.185905f, 0.484014f, 0.5f},
      {1.0f, 0.666667f, 0.185905f, 0.484014f, 0.5f},
      {1.0f, 0.666667f, 0.185905f, 0.484014f, 0.5f}}},
    {"Soft", 0.314189f, 0.844594f, 0.0f, 0.0f, 0.0f, 0.5f,
     {{0.252587f, 0.655508f, 0.121871f, 0.211462f, 0.5f},
      {0.393293f, 0.5f, 0.208555f, 0.333333f, 0.5f},
      {0.364929f, 0.471872f, 0.288538f, 0.419254f, 0.5f}}},
    {"Basic", 0.314189f, 0.844594f, 0.0f, 0.0f, 0.0f, 0.5f,
     {{0.220818f, 0.848465f, 0.098389f, 0.166667f, 0.5f},
      {0.3704f, 0.774276f, 0.193056f, 0.278728f, 0.5f},
      {0.355589f, 0.76999f, 0.278728f, 0.333333f, 0.5f}}},
    {"Hard", 0.314189f, 0.844594f, 1.0f, 0.0f, 1.0f, 0.6296f,
     {{0.098389f, 0.887939f, 0.074907f, 0.15254f, 0.5f},
      {0.232663f, 0.865726f, 0.166667f, 0.265056f, 0.5f},
      {0.22689f, 0.856815f, 0.239459f, 0.333333f, 0.5f}}},
    {"Hard 2", 0.314189f, 0.844594f, 1.0f, 0.0f, 1.0f, 0.677268f,
     {{0.049039f, 0.901611f, 0.080746f, 0.179912f, 0.5f},
      {0.176306f, 0.875222f, 0.180793f, 0.283731f, 0.5f},
      {0.173738f, 0.872665f, 0.265056f, 0.382935f, 0.5f}}},
    {"Deep", 0.239459f, 0.845802f, 0.0f, 1.0f, 0.0f, 0.794001f,
     {{0.022255f, 0.931722f, 0.140278f, 0.221968f, 0.5f},
      {0.118022f, 0.878129f, 0.230941f, 0.291445f, 0.5f},
      {0.101296f, 0.875222f, 0.287908f, 0.382935f, 0.5f}}},
    {"Master Soft", 0.318201f, 0.844594f, 0.0f, 0.5f, 0.0f, 0.560223f,
     {{0.454575f, 0.544795f, 0.121871f, 0.196778f, 0.5f},
      {0.584569f, 0.440943f, 0.221968f, 0.31569f, 0.5f},
      {0.562694f, 0.471872f, 0.323236f, 0.354484f, 0.5f}}},
    {"Master Basic", 0.314189f, 0.844594f, 0.0f, 0.0f, 0.0f, 0.594309f,
     {{0.5f, 0.755417f, 0.098389f, 0.166667f, 0.492929f},
      {0.593875f, 0.645516f, 0.194795f, 0.291445f, 0.5f},
      {0.568278f, 0.617065f, 0.276833f, 0.354484f, 0.5f}}},
    {"Master Basic2", 0.314189f, 0.844594f, 1.0f, 0.0f, 0.0f, 0.594309f,
     {{0.491163f, 0.741574f, 0.098389f, 0.15254f, 0.491516f},
      {0.611365f, 0.647428f, 0.193056f, 0.265056f, 0.5f},
      {0.589732f, 0.603972f, 0.271484f, 0.300101f, 0.5f}}},
    {"Master Hard", 0.305205f, 0.844594f, 1.0f, 1.0f, 0.0f, 0.632732f,
     {{0.516291f, 0.84746f, 0.08875f, 0.166667f, 0.511777f},
      {0.624778f, 0.7572f, 0.188922f, 0.270639f, 0.5f},
      {0.602047f, 0.740678f, 0.254183f, 0.333333f, 0.5f}}},
    {"Master Hard2", 0.30581f, 0.844594f, 1.0f, 1.0f, 0.0f, 0.631621f,
     {{0.525344f, 0.868379f, 0.074907f, 0.166667f, 0.513246f},
      {0.627335f, 0.805205f, 0.175503f, 0.278728f, 0.5f},
      {0.587032f, 0.791445f, 0.239459f, 0.324113f, 0.5f}}},
    {"Master Heavy", 0.295167f, 0.822175f, 1.0f, 1.0f, 1.0f, 0.703733f,
     {{0.5f, 0.936143f, 0.074012f, 0.166667f, 0.471872f},
      {0.605965f, 0.89239f, 0.178444f, 0.265056f, 0.5f},
      {0.582404f, 0.887939f, 0.214795f, 0.312183f, 0.5f}}},
    {"Master Heavy2", 0.295167f, 0.819207f, 0.0f, 1.0f, 1.0f, 0.704354f,
     {{0.508158f, 0.937305f, 0.074907f, 0.166667f, 0.473611f},
      {0.612835f, 0.898243f, 0.178444f, 0.265056f, 0.5f},
      {0.598389f, 0.89239f, 0.234944f, 0.303222f, 0.5f}}},
    {"Sweet Pop", 0.444698f, 0.813184f, 0.0f, 0.5f, 1.0f, 0.630782f,
     {{0.333333f, 0.526389f, 0.102392f, 0.221968f, 0.5f},
      {0.479851f, 0.818201f, 0.194795f, 0.291445f, 0.568278f},
      {0.508837f, 0.486754f, 0.249556f, 0.5f, 0.530111f}}},
};

using Program = FactoryProgram<Tolverin3Param::count>;

// Writes the value of parameter index into the slot that holds it.
constexpr void place(Program& program, int32_t index, float value)
{
    for (int32_t slot = 0; slot < Tolverin3Param::count; ++slot) {
        if (kTolverin3ParameterInSlot[slot] == index) {
            program.value[slot] = value;
        }
    }
}

constexpr Program programValues(const ProgramSettings& s)
{
    Program program{s.name, {}};
    place(program, P::paramLink, 0.0f);
    place(program, P::loMid, s.loMid);
    place(program, P::midHi, s.midHi);
    place(program, P::peakLimiter, 1.0f);
    place(program, P::sonicFilter, s.sonicFilter);
    place(program, P::sonicFilterAmount, s.sonicFilterAmount);
    place(program, P::outLevel, s.outLevel);
    place(program, P::outCeiling, 1.0f);
    place(program, P::loCut, 0.0f);
    for (int32_t b = 0; b < kMultibandBandCount; ++b) {
        const auto band = static_cast<MultibandBand>(b);
        const BandSettings& v = s.band[b];
        place(program, tolverin3BandType(band), s.type);
        place(program, tolverin3BandParameter(band, BandParam::thresh), v.thresh);
        place(program, tolverin3BandParameter(band, BandParam::ratio), v.ratio);
        place(program, tolverin3BandParameter(band, BandParam::attack), v.attack);
        place(program, tolverin3BandParameter(band, BandParam::release), v.release);
        place(program, tolverin3BandParameter(band, BandParam::arc), 1.0f);
        place(program, tolverin3BandParameter(band, BandParam::in), v.in);
        place(program, tolverin3BandParameter(band, BandParam::power), 1.0f);
        place(program, tolverin3BandParameter(band, BandParam::comp), 1.0f);
    }
    return program;
}

// The programs, made at compile time from the settings.
struct ProgramList {
    Program programs[kTolverin3ProgramCount];
};

constexpr ProgramList programList()
{
    ProgramList list{};
    for (int32_t p = 0; p < kTolverin3ProgramCount; ++p) {
        list.programs[p] = programValues(kSettings[p]);
    }
    return list;
}

constexpr ProgramList kPrograms = programList();

}  // namespace

const FactoryProgram<Tolverin3Param::count> (&kTolverin3FactoryPrograms)[kTolverin3ProgramCount] = kPrograms.programs;

}  // namespace fendwick
