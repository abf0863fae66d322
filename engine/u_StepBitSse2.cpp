// The two-state kernel built for plain x86-64 (SSE2).
#include "engine/u_StepBitKernel.h"
