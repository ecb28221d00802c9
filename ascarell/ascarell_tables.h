// The single-band plug-ins as the host adapter's tables: identity rows of
// the two builds, the parameter rows and the factory programs.
#pragma once

#include "ascarell_parameters.h"
#include "parameter_table.h"
#include "plugin_identity.h"
#include "program.h"

namespace fendwick {

extern const PluginIdentity kAscarellStereoIdentity;
extern const PluginIdentity kAscarellMonoIdentity;
extern const ParameterRow kAscarellParameterRows[AscarellParam::count];
extern const FactoryProgram<AscarellParam::count> kAscarellFactoryPrograms[kAscarellProgramCount];

}  // namespace fendwick
