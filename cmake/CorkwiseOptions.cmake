# Compiler flags shared by every target of the project.
add_library(corkwise_options INTERFACE)
target_compile_options(corkwise_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow
    -Wnon-virtual-dtor -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough)
if(CORKWISE_WERROR)
    target_compile_options(corkwise_options INTERFACE -Werror)
endif()
target_compile_definitions(corkwise_options INTERFACE QT_NO_KEYWORDS QT_USE_QSTRINGBUILDER)

if(CORKWISE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

if(CORKWISE_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "CORKWISE_FUZZ needs clang (libFuzzer), not ${CMAKE_CXX_COMPILER_ID}: "
                            "configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    # Library code is instrumented for coverage; the fuzz targets add -fsanitize=fuzzer.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# corkwise_add_library(NAME SOURCES... ) : a static subsystem library with the shared options.
function(corkwise_add_library name)
    add_library(${name} STATIC ${ARGN})
    target_link_libraries(${name} PRIVATE corkwise_options)
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()
