#include "platform/d3d9/d3d9.h"

// No graphics debugging tool hooks into this runtime, so the opt-out has nothing to change.
void D3DPERF_SetOptions(DWORD) {}
