// The library entry of the stereo single-band plug-in, ascarell.
#include "ascarell_effect.h"
#include "plugin_entry.h"

FENDWICK_PLUGIN_ENTRY(fendwick::AscarellEffect, fendwick::AscarellChannels::stereo)
