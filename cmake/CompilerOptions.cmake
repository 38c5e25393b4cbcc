# Warnings for every target; the Qt-free layers are held to the stricter set.
add_library(tavrix_warnings INTERFACE)
target_compile_options(tavrix_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wformat=2 -Wimplicit-fallthrough)
# GCC 12 at -O3 takes std::string's own appends, inlined, for overlapping copies (GCC bug
# 105329, fixed in 13): in a Release build with warnings as errors a plain "a" + s + "b" fails.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(tavrix_warnings INTERFACE -Wno-restrict)
endif()

add_library(tavrix_strict INTERFACE)
target_link_libraries(tavrix_strict INTERFACE tavrix_warnings)
target_compile_options(tavrix_strict INTERFACE -Wconversion -Wdouble-promotion -Wold-style-cast)

# The result files are compared to the printed digit: no fused multiply-add, no fast-math.
add_compile_options(-ffp-contract=off)

if(CMAKE_BUILD_TYPE STREQUAL "Debug")
    add_compile_definitions(_GLIBCXX_ASSERTIONS)
endif()

option(TAVRIX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(TAVRIX_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
