// The two-state kernel built for AVX-512 (F, BW, VL).
#include "engine/u_StepBitKernel.h"
