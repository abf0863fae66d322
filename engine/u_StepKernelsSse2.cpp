// The two-dimensional kernels built for plain x86-64 (SSE2).
#include "engine/u_StepKernels.h"
