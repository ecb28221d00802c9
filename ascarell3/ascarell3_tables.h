// The three-band plug-ins as the host adapter's tables: identity rows of
// the two builds, the parameter rows, the program slot order and the
// factory programs.
#pragma once

#include "ascarell3_parameters.h"
#include "parameter_table.h"
#include "plugin_identity.h"
#include "program.h"

namespace fendwick {

extern const PluginIdentity kAscarell3StereoIdentity;
extern const PluginIdentity kAscarell3MonoIdentity;
extern const ParameterRow kAscarell3ParameterRows[Ascarell3Param::count];
// The parameter stored in each slot of a program, in the order a program
// change applies them.
extern const int32_t kAscarell3ParameterInSlot[Ascarell3Param::count];
extern const FactoryProgram<Ascarell3Param::count> kAscarell3FactoryPrograms[kAscarell3ProgramCount];

}  // namespace fendwick
