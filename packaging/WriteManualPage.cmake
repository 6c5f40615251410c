# Writes the manual page a program prints with --manual-page to PAGE, and beside it PAGE.gz compressed as
# Debian installs it (no name, no time: the same bytes at every build).
# Usage: cmake -DPROGRAM=... -DPAGE=... -P WriteManualPage.cmake
execute_process(COMMAND ${PROGRAM} --manual-page OUTPUT_FILE ${PAGE} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --manual-page failed: ${result}")
endif()
execute_process(COMMAND gzip -9nc ${PAGE} OUTPUT_FILE ${PAGE}.gz RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "gzip ${PAGE} failed: ${result}")
endif()
