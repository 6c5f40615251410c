# velcarin_add_test(NAME SOURCES...): one Qt Test program, run by CTest offscreen.
function(velcarin_add_test name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE velcarin_app velcarin_testsupport Qt6::Test)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_dependencies(${name} velcarin-program-folder velcarin-cli)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;QT_FATAL_CRITICALS=1;VELCARIN_PROGRAM_DIR=${VELCARIN_PROGRAM_DIR};VELCARIN_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/testdata"
        TIMEOUT 300)
endfunction()
