# Sanitizer settings for every sanitized run; sourced by the test and fuzz scripts.
# Any report ends the program with a failure: ASan and UBSan halt on the first error,
# and leak detection stays on. Only leaks inside system libraries that keep their
# caches until exit are suppressed (tests/lsan.supp).
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1:print_stacktrace=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0"
