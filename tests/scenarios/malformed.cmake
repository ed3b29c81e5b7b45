# A line the runner cannot understand: exit 2, "LINE: message" on standard error,
# nothing run after it. Variables: RUNNER, TOOLKIT, DIR.
set(script ${DIR}/malformed_input.txt)
file(WRITE ${script} "print Z1\n\n# comment\nclick NoSuchControl\nprint Z2\n")
execute_process(COMMAND ${EMULATOR} ${RUNNER} --toolkit ${TOOLKIT} ${script}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "expected exit 2, got ${status}")
endif()
if(NOT err MATCHES "^4: unknown control: NoSuchControl\n")
  message(FATAL_ERROR "unexpected message: ${err}")
endif()
if(NOT out STREQUAL "Z1 = (0, 0)\n")
  message(FATAL_ERROR "ran past the bad line: ${out}")
endif()
foreach(bad "type Z1_E_Real 4,7k" "type Z1_E_Real \"open" "print Z1_E_Real.colour" "backspace Z1_E_Real x"
            "click Z1_E_Real extra" "type B_Fertig \"1\"" "call Zahleneingabe 5" "format fixed 1,5" "jump Z1"
            "press Z1_E_Real Ctrl+" "press Z1_E_Real F13" "press Z1_E_Real Ctrl+Ctrl+A" "press SB_Addition Enter"
            "press Form1 Tab" "press Z1_E_Real Up" "press Z1_RB_Phi_Deg Shift+Down" "clipboard 5"
            "call Normwerte \"E7\" 1" "call Normwerte E24 1" "call Normwerte \"E24\" 1,5" "call Normwerte \"E24\"")
  file(WRITE ${script} "${bad}\n")
  execute_process(COMMAND ${EMULATOR} ${RUNNER} --toolkit ${TOOLKIT} ${script} ERROR_VARIABLE err RESULT_VARIABLE status OUTPUT_QUIET)
  if(NOT status EQUAL 2 OR NOT err MATCHES "^1: ")
    message(FATAL_ERROR "'${bad}' gave exit ${status}: ${err}")
  endif()
endforeach()
