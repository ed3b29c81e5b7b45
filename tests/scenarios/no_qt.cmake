# A runner built without Qt refuses the Qt toolkit with a message and exit 2.
# Variables: RUNNER, DIR.
set(script ${DIR}/no_qt.scn)
file(WRITE ${script} "print Z1\n")
execute_process(COMMAND ${EMULATOR} ${RUNNER} --toolkit qt ${script}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 2 OR NOT err MATCHES "no qt toolkit \\(it has headless" OR NOT out STREQUAL "")
  message(FATAL_ERROR "exit ${status}, standard error: ${err}, output: ${out}")
endif()
