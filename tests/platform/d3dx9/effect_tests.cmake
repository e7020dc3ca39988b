# Tests of the effect part of d3dx9.
