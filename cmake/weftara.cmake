# Helpers shared by the subsystem folders.

# weftara_add_library(<name> SOURCES ... [LIBS ...])
# One static library per subsystem folder; its headers are included as
# "<folder>/<file>.h" from the source root.
function(weftara_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    target_compile_features(${name} PUBLIC cxx_std_20)
endfunction()

# weftara_add_test(<subsystem> SOURCES ... [LIBS ...] [PLATFORM <qpa platform>])
# One Qt Test executable per subsystem, run headless by CTest (on the
# offscreen platform unless PLATFORM says otherwise). The leak checker does
# not follow dynamically allocated thread-local storage: with this toolchain
# and C library it sometimes reads a dead block's range and its tracer
# crashes at exit ("Tracer caught signal 11"), failing a passed test.
# Leaving those blocks out only narrows where it looks for pointers.
function(weftara_add_test subsystem)
    cmake_parse_arguments(ARG "" "PLATFORM" "SOURCES;LIBS" ${ARGN})
    if(NOT ARG_PLATFORM)
        set(ARG_PLATFORM offscreen)
    endif()
    set(target test_${subsystem})
    add_executable(${target} ${ARG_SOURCES})
    target_link_libraries(${target} PRIVATE weftara_testsupport Qt6::Test ${ARG_LIBS})
    add_test(NAME ${subsystem} COMMAND ${target})
    set_tests_properties(${subsystem} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=${ARG_PLATFORM};ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:intercept_tls_get_addr=0;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/support/lsan.supp;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
        TIMEOUT 600)
endfunction()
