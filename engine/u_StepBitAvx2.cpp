// The two-state kernel built for AVX2.
#include "engine/u_StepBitKernel.h"
