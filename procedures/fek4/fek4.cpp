// The exported entries of the recording date and time procedure.

#include "common/pluginentry.h"
#include "fek4/tuexec_fek4.h"
#include "fek4/tujob_fek4.h"

GRAVIK_PLUGIN_ENTRIES(fek4, TUJob_fek4, TUExec_fek4)
