// The two-dimensional kernels built for AVX2.
#include "engine/u_StepKernels.h"
