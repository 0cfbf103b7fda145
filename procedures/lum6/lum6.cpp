// The exported entries of the source position procedure.

#include "common/pluginentry.h"
#include "lum6/tuexec_lum6.h"
#include "lum6/tujob_lum6.h"

GRAVIK_PLUGIN_ENTRIES(lum6, TUJob_lum6, TUExec_lum6)
