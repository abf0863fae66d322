// The bit kernels built for plain x86-64 (SSE2).
#include "engine/u_StepBitKernel.h"
#include "engine/u_StepBitCyclic.h"
#include "engine/u_StepBitTable.h"
