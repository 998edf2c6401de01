# Runs a sanitizer canary and passes only when it failed with the expected report.
# Usage: cmake -DCANARY=<program> -DFAULT=<fault> -DREPORT=<regex> -P ExpectReport.cmake
execute_process(
    COMMAND "${CANARY}" "${FAULT}"
    RESULT_VARIABLE exitCode
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(exitCode EQUAL 0)
    message(FATAL_ERROR "'${FAULT}' ran through without a failure:\n${output}")
endif()
if(NOT output MATCHES "${REPORT}")
    message(FATAL_ERROR "'${FAULT}' failed (${exitCode}) without the report '${REPORT}':\n${output}")
endif()
message(STATUS "'${FAULT}' was stopped with exit code ${exitCode} and the expected report")
