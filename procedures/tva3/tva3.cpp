// The plug-in entries of the trace muting procedure.

#include "common/pluginentry.h"
#include "tva3/tuexec_tva3.h"

GRAVIK_PLUGIN_ENTRIES(tva3, TUJob_tva3, TUExec_tva3)
