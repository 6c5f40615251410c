# velcarin_add_test(NAME SOURCES... [LINKS LIBRARIES...]): one Qt Test program, run by CTest offscreen. It
# links the test support without widgets and the libraries LINKS names: those it tests and, for a window,
# velcarin_testsupport_widgets or velcarin_testsupport_mainwindow; a test of the built programs alone
# names none.
function(velcarin_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 test "" "" "LINKS")
    add_executable(${name} ${test_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE velcarin_testsupport ${test_LINKS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    if(NOT VELCARIN_TESTS_IN_ALL)
        set_target_properties(${name} PROPERTIES EXCLUDE_FROM_ALL ON)
    endif()
    add_dependencies(${name} velcarin-program-folder velcarin-cli)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;QT_FATAL_CRITICALS=1;VELCARIN_PROGRAM_DIR=${VELCARIN_PROGRAM_DIR};VELCARIN_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/testdata"
        TIMEOUT 300)
endfunction()
