# Runs frame-dump on the files listed in CASE.args and compares with CASE.json,
# which keeps the dump on one line: line breaks and the indent after them are
# dropped from the output before the comparison.
file(STRINGS ${CASE}.args names)
get_filename_component(dir ${CASE} DIRECTORY)
set(files)
foreach(name ${names})
  list(APPEND files ${dir}/${name})
endforeach()
execute_process(COMMAND ${DUMP} ${files} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
string(REGEX REPLACE "\n *" "" out "${out}")
file(READ ${CASE}.json expected)
string(STRIP "${expected}" expected)
if(NOT rc EQUAL 0 OR NOT out STREQUAL expected)
  message(FATAL_ERROR "frame-dump ${names} (exit ${rc}) gave:\n${out}\nexpected:\n${expected}")
endif()
