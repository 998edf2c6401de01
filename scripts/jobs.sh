# The one setting for parallel jobs: TORVENN_JOBS, the number of processors unless set.
# cmake --build and ctest read it through their own variables; sourced by every script
# that builds or tests.
export TORVENN_JOBS="${TORVENN_JOBS:-$(nproc)}"
export CMAKE_BUILD_PARALLEL_LEVEL="$TORVENN_JOBS"
export CTEST_PARALLEL_LEVEL="$TORVENN_JOBS"
