# Language level, warnings and sanitizers live on one interface target that every
# target of the project links, not on global flags.
add_library(torvenn_common INTERFACE)
target_compile_features(torvenn_common INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_include_directories(torvenn_common INTERFACE ${PROJECT_SOURCE_DIR})
if(MSVC)
    # The same warnings in MSVC's words; the texts in the sources are UTF-8.
    target_compile_options(torvenn_common INTERFACE /W4 /WX /permissive- /utf-8)
else()
    target_compile_options(torvenn_common INTERFACE -Wall -Wextra -Wpedantic -Werror)
endif()

set(TORVENN_SANITIZE "" CACHE STRING "Sanitizers to build with, e.g. address,undefined")
if(TORVENN_SANITIZE)
    target_compile_options(torvenn_common INTERFACE
        -fsanitize=${TORVENN_SANITIZE} -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(torvenn_common INTERFACE -fsanitize=${TORVENN_SANITIZE})
endif()

# Targets that must stay free of the window toolkit get no Qt code generators either.
function(torvenn_plain_cpp target)
    set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endfunction()

option(TORVENN_BUILD_FUZZERS "Build the libFuzzer targets (needs clang)" OFF)
if(TORVENN_BUILD_FUZZERS)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "TORVENN_BUILD_FUZZERS needs clang; configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    # Coverage feedback from all of the program's code, not only from the fuzz targets.
    target_compile_options(torvenn_common INTERFACE -fsanitize=fuzzer-no-link)
endif()
