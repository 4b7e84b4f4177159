# Runs one scenario script through the replay tool and compares the transcript,
# followed by a line `exit N` with the tool's status, with the script's .expected
# file; trailing blanks never count.
#   cmake -DTOOL=crucirco-replay -DSCRIPT=NAME.txt -DACTUAL=NAME.actual [-DANY_ERROR_TEXT=ON] -P run_scenario.cmake
# An expected `box Visite... | * | OK` accepts any text in that box (the maker's
# address). With ANY_ERROR_TEXT any `error:` line matches any other: the shared
# samples fix that an error happens, not its wording.
cmake_minimum_required(VERSION 3.25)
string(REGEX REPLACE "\\.txt$" ".expected" expected_file "${SCRIPT}")
file(READ "${expected_file}" expected)
execute_process(COMMAND "${TOOL}" INPUT_FILE "${SCRIPT}" OUTPUT_VARIABLE actual RESULT_VARIABLE status TIMEOUT 30)
string(APPEND actual "exit ${status}\n")
foreach(text expected actual)
    string(REGEX REPLACE "[ \t\r]+(\n|$)" "\\1" ${text} "${${text}}")
    string(STRIP "${${text}}" ${text})
    string(APPEND ${text} "\n")
    if(ANY_ERROR_TEXT)
        string(REGEX REPLACE "(^|\n)error: [^\n]*" "\\1error: *" ${text} "${${text}}")
    endif()
endforeach()
if(expected MATCHES "(^|\n)box Visite\\.\\.\\. \\| \\* \\| OK\n")
    string(REGEX REPLACE "(^|\n)box Visite\\.\\.\\. \\| [^\n]* \\| OK\n" "\\1box Visite... | * | OK\n" actual "${actual}")
endif()
file(WRITE "${ACTUAL}" "${actual}")
file(WRITE "${ACTUAL}.wanted" "${expected}")
if(NOT expected STREQUAL actual)
    execute_process(COMMAND diff -u "${ACTUAL}.wanted" "${ACTUAL}")
    message(FATAL_ERROR "${SCRIPT}: the transcript differs from ${expected_file}")
endif()
