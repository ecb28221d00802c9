// The single-band character plug-ins as the host adapter's tables: identity
// rows, parameter rows and factory programs of the stereo and the mono build.
#pragma once

#include "parameter_table.h"
#include "plugin_identity.h"
#include "program.h"
#include "tolverin_parameters.h"

namespace fendwick {

extern const PluginIdentity kTolverinStereoIdentity;
extern const PluginIdentity kTolverinMonoIdentity;
extern const ParameterRow kTolverinParameterRows[TolverinParam::count];
extern const ParameterRow kTolverinMonoParameterRows[TolverinMonoParam::count];
extern const FactoryProgram<TolverinParam::count> (&kTolverinFactoryPrograms)[kTolverinProgramCount];
extern const FactoryProgram<TolverinMonoParam::count> (&kTolverinMonoFactoryPrograms)[kTolverinProgramCount];

}  // namespace fendwick
