// The plug-in entries of the gather sorting and splitting procedure.

#include "common/pluginentry.h"
#include "zar9/tuexec_zar9.h"

GRAVIK_PLUGIN_ENTRIES(zar9, TUJob_zar9, TUExec_zar9)
