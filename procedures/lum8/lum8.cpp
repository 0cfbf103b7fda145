// The exported entries of the receiver position procedure.

#include "common/pluginentry.h"
#include "lum8/tuexec_lum8.h"
#include "lum8/tujob_lum8.h"

GRAVIK_PLUGIN_ENTRIES(lum8, TUJob_lum8, TUExec_lum8)
