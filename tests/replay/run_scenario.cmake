# Runs one scenario script through the replay tool and compares the
# transcript, followed by a line `exit N` with the tool's exit status, with
# the script's .expected file, line for line.
#
#   cmake -DTOOL=crucirco-replay -DSCRIPT=NAME.txt [-DACTUAL=NAME.actual]
#         [-DANY_ERROR_TEXT=ON] -P run_scenario.cmake
#
# An expected line `box Visite... | * | OK` accepts any text in the Visite
# box (the maker's address). With ANY_ERROR_TEXT, an `error:` line accepts
# any `error:` line: the shared samples fix that an error happens, not its
# wording.

cmake_minimum_required(VERSION 3.25)

foreach(var TOOL SCRIPT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

string(REGEX REPLACE "\\.txt$" ".expected" expected_file "${SCRIPT}")
file(READ "${expected_file}" expected)
execute_process(COMMAND "${TOOL}" INPUT_FILE "${SCRIPT}" OUTPUT_VARIABLE actual RESULT_VARIABLE status
                TIMEOUT 30)
string(APPEND actual "exit ${status}\n")
if(DEFINED ACTUAL)
    file(WRITE "${ACTUAL}" "${actual}")
endif()

# Trailing blanks never count.
foreach(text expected actual)
    string(REGEX REPLACE "[ \t\r]+\n" "\n" ${text} "${${text}}")
    string(REGEX REPLACE "[ \t\r]+$" "" ${text} "${${text}}")
    if(NOT ${text} MATCHES "\n$")
        string(APPEND ${text} "\n")
    endif()
endforeach()
if(expected MATCHES "(^|\n)box Visite\\.\\.\\. \\| \\* \\| OK\n")
    string(REGEX REPLACE "(^|\n)box Visite\\.\\.\\. \\| [^\n]* \\| OK\n" "\\1box Visite... | * | OK\n" actual "${actual}")
endif()
if(ANY_ERROR_TEXT)
    foreach(text expected actual)
        string(REGEX REPLACE "(^|\n)error: [^\n]*" "\\1error: *" ${text} "${${text}}")
    endforeach()
endif()

if(expected STREQUAL actual)
    return()
endif()

# Show the first line that differs, with a little context. The texts become
# lists, so the characters lists treat specially are stood in for first.
foreach(text expected actual)
    string(REPLACE "[" "<lb>" ${text} "${${text}}")
    string(REPLACE "]" "<rb>" ${text} "${${text}}")
    string(REPLACE ";" "<sc>" ${text} "${${text}}")
    string(REPLACE "\n" ";" ${text} "${${text}}")
endforeach()
list(LENGTH expected expected_count)
list(LENGTH actual actual_count)
set(first -1)
set(i 0)
while(first EQUAL -1)
    if(i GREATER_EQUAL expected_count OR i GREATER_EQUAL actual_count)
        set(first ${i})
        break()
    endif()
    list(GET expected ${i} e)
    list(GET actual ${i} a)
    if(NOT e STREQUAL a)
        set(first ${i})
    endif()
    math(EXPR i "${i} + 1")
endwhile()
math(EXPR line "${first} + 1")
set(report "${SCRIPT}: first difference at transcript line ${line}\n")
math(EXPR from "${first} - 4")
if(from LESS 0)
    set(from 0)
endif()
math(EXPR to "${first} + 2")
foreach(k RANGE ${from} ${to})
    set(e "(nothing)")
    set(a "(nothing)")
    if(k LESS expected_count)
        list(GET expected ${k} e)
    endif()
    if(k LESS actual_count)
        list(GET actual ${k} a)
    endif()
    set(mark " ")
    if(k EQUAL first)
        set(mark "!")
    endif()
    string(APPEND report "${mark} expected: ${e}\n${mark} actual:   ${a}\n")
endforeach()
message(NOTICE "${report}")
message(FATAL_ERROR "the transcript differs from ${expected_file}")
