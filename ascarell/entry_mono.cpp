// The library entry of the mono single-band plug-in, ascarell_mono.
#include "ascarell_effect.h"
#include "plugin_entry.h"

FENDWICK_PLUGIN_ENTRY(fendwick::AscarellEffect, fendwick::AscarellChannels::mono)
