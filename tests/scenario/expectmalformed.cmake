# Runs the demo on a malformed scenario: it must exit with status 2 and say
# on stderr where the file is wrong (PATTERN).
execute_process(COMMAND ${DEMO} ${FILE} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 2)
    message(FATAL_ERROR "exit status ${status}, expected 2\nstdout: ${out}\nstderr: ${err}")
endif()
if(NOT err MATCHES "${PATTERN}")
    message(FATAL_ERROR "stderr does not match \"${PATTERN}\": ${err}")
endif()
message(STATUS "${err}")
