// The bit kernels built for AVX2.
#include "engine/u_StepBitKernel.h"
#include "engine/u_StepBitCyclic.h"
#include "engine/u_StepBitTable.h"
