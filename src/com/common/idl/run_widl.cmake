# Runs widl once (cmake -P) and tidies what it leaves behind:
# - widl warns "non-null pointer default value" for every non-zero default of a by-reference parameter;
#   those defaults are what the type library is meant to declare, so that one message is dropped.
# - In a header, widl repeats the type library's defaults as C++ default arguments, which are no valid
#   C++ for by-reference parameters (LONG *InitialColour = -1); they are removed.
# Inputs: WIDL, ARGS (widl's arguments separated by |), OUTPUT, HEADER (ON when OUTPUT is a header).

string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${WIDL} ${args} -o ${OUTPUT}
                RESULT_VARIABLE result ERROR_VARIABLE messages OUTPUT_VARIABLE output)
string(REGEX REPLACE "[^\n]*warning: non-null pointer default value\n?" "" messages "${messages}")
if(messages)
    message("${messages}")
endif()
if(NOT result EQUAL 0)
    message(FATAL_ERROR "widl failed (${result}) for ${OUTPUT}")
endif()

if(HEADER)
    file(READ ${OUTPUT} text)
    string(REGEX REPLACE "([A-Za-z0-9_]+ \\*+[A-Za-z0-9_]+) = [^,)\n]+" "\\1" text "${text}")
    file(WRITE ${OUTPUT} "${text}")
endif()
