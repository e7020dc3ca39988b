// The program's two global objects, in this order. Both are constant-initialised (no
// constructor code runs before the entry point) and are destroyed in reverse order at exit:
// g_main, whose destructor does nothing, then g_render, whose destructor runs
// Render::Finalize once more and finds nothing left.

#include "app/Main.h"
#include "render/Render.h"

__constinit Render g_render;
__constinit Main g_main;
