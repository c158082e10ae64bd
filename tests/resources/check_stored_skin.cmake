# Runs "varnelta-skin check" on the stored skin: it must read, name no missing picture and
# report what the program relies on. Arguments: -DTOOL=... -DSKIN=...
execute_process(COMMAND ${TOOL} check ${SKIN}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
message("${out}${err}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "varnelta-skin check ended with status ${status}")
endif()
if("${out}${err}" MATCHES "warning:")
  message(FATAL_ERROR "the stored skin names pictures it lacks")
endif()
foreach(expected
    "format: 40000"
    "entries: 35"
    "description: varnelta.ini"
    "colour 3 ButtonFace: 0x00F5EBE6 given"
    "sysbutton BUTTON4: action=3 align=0 x=9 y=7 frames=6"
    "element ComboArrow: "
    "element Buttons: 160x25 frames=5")
  string(FIND "${out}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "missing from the check: ${expected}")
  endif()
endforeach()
string(REGEX MATCHALL "\nsysbutton " buttons "\n${out}")
list(LENGTH buttons count)
if(NOT count EQUAL 8)
  message(FATAL_ERROR "expected 8 title buttons (5 from the skin, 3 for MDI children), got ${count}")
endif()
if("${out}" MATCHES "element SunkEdge")
  message(FATAL_ERROR "the stored skin has no SunkEdge element")
endif()
