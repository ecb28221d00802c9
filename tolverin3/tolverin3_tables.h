// The three-band character plug-in as the host adapter's tables: its
// identity row, parameter rows, program slot order and factory programs.
#pragma once

#include "parameter_table.h"
#include "plugin_identity.h"
#include "program.h"
#include "tolverin3_parameters.h"

namespace fendwick {

extern const PluginIdentity kTolverin3MonoIdentity;
extern const ParameterRow kTolverin3ParameterRows[Tolverin3Param::count];
// The parameter stored in each slot of a program, in the order a program
// change applies them. ParamLink comes first and is off in every factory
// program, so that a program change unlinks the bands before it sets them;
// the effect keeps later changes of ParamLink out of the program, so that
// it stays off there.
extern const int32_t kTolverin3ParameterInSlot[Tolverin3Param::count];
extern const FactoryProgram<Tolverin3Param::count> (&kTolverin3FactoryPrograms)[kTolverin3ProgramCount];

}  // namespace fendwick
