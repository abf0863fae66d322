// The two-dimensional kernels built for AVX-512 (F, BW, VL).
#include "engine/u_StepKernels.h"
