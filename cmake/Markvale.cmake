# markvale_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One Qt Test executable, registered with CTest and run headless.
function(markvale_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test markvale_testsupport ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;MARKVALE_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}/data")
endfunction()

# markvale_add_benchmark(<name> SOURCES <files...> LIBS <targets...>)
# Built with the project, run only by bench/run.
function(markvale_add_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE markvale_benchsupport ${ARG_LIBS})
endfunction()
