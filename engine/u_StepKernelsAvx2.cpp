// The outer-totalistic kernels built for AVX2.
#include "engine/u_StepLifeKernels.h"
