// The plug-in entries of the trace merging procedure.

#include "common/pluginentry.h"
#include "qos5/tuexec_qos5.h"

GRAVIK_PLUGIN_ENTRIES(qos5, TUJob_qos5, TUExec_qos5)
