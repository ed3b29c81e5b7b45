# Runs one scenario on one toolkit and compares the transcript with the expected one,
# byte for byte. Variables: RUNNER, TOOLKIT, SCRIPT, EXPECTED, and EMULATOR where
# the runner is a Windows program run under Wine; SEPARATE_DISPLAY where the run takes
# the display named by QUORVEL_144DPI_DISPLAY, if that is set.
if(SEPARATE_DISPLAY AND DEFINED ENV{QUORVEL_144DPI_DISPLAY})
  set(ENV{DISPLAY} "$ENV{QUORVEL_144DPI_DISPLAY}")
endif()
execute_process(
  COMMAND ${EMULATOR} ${RUNNER} --toolkit ${TOOLKIT} ${SCRIPT}
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "quorvel-replay exited with ${status}:\n${errors}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  get_filename_component(name ${SCRIPT} NAME_WE)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${name}.${TOOLKIT}.actual)
  file(WRITE ${out} "${actual}")
  execute_process(COMMAND diff -u ${EXPECTED} ${out} OUTPUT_VARIABLE d)
  message(FATAL_ERROR "transcript differs on ${TOOLKIT}:\n${d}")
endif()
