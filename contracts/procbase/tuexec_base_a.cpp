#include "procbase/tuexec_base_a.h"

TUExec_base_a::TUExec_base_a(unsigned index, void* window) : TUExec_base_c(index, window) {}
