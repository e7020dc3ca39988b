# Tests of the font part of d3dx9.
