// The outer-totalistic kernels built for AVX-512 (F, BW, VL).
#include "engine/u_StepLifeKernels.h"
