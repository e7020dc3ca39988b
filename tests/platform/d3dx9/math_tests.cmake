# Tests of the math part of d3dx9.
df_add_test(d3dx9_math_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/MathTest.cpp LIBS d3dx9)
