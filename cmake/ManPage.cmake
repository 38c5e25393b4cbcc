# Writes the manual page of a program from what its "--help" prints, so the two never differ.
# Usage: cmake -DPROGRAM=path -DNAME=tavcalc -DSUMMARY=text -DDESCRIPTION=text -DSEE=tavrix
#              -DVERSION=1.0.0 -DOUTPUT=tavcalc.1 -P ManPage.cmake
#
# "--help" prints "Usage:", one line per mode or option ("  FORM  MEANING", the meanings aligned)
# and then notes. A note that ends in "/" names a folder of the machine it runs on: the page says
# under FILES where the folders are instead.

execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help failed: ${status}")
endif()

# Roff text: a backslash and a minus are written as escapes; a line must not start a request.
function(roff text out)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

string(REPLACE ";" "\\;" help "${help}")
string(REPLACE "\n" ";" lines "${help}")
set(synopsis "")
set(options "")
set(notes "")
foreach(line IN LISTS lines)
    if(line STREQUAL "" OR line STREQUAL "Usage:")
        continue()
    endif()
    if(line MATCHES "^  ([^ ].*[^ ])   *([^ ].*)$")
        roff("${CMAKE_MATCH_1}" form)
        roff("${CMAKE_MATCH_2}" meaning)
        if(CMAKE_MATCH_1 MATCHES "^${NAME}( |$)")
            string(APPEND synopsis "\\fB${form}\\fR\n.br\n")
        endif()
        string(APPEND options ".TP\n\\fB${form}\\fR\n${meaning}\n")
    elseif(NOT line MATCHES "/$")
        roff("${line}" note)
        string(APPEND notes ".PP\n${note}\n")
    endif()
endforeach()

roff("${SUMMARY}" summary)
roff("${DESCRIPTION}" description)
file(WRITE ${OUTPUT} ".TH ${NAME} 1 \"\" \"Tavrix ${VERSION}\" \"User Commands\"
.SH NAME
${NAME} \\- ${summary}
.SH SYNOPSIS
${synopsis}.SH DESCRIPTION
${description}
.SH USAGE
${options}${notes}.SH FILES
.TP
\\fI~/.local/share/Tavrix/\\fR
The data folder of a copy installed from the package (\\fI$XDG_DATA_HOME/Tavrix/\\fR when
\\fBXDG_DATA_HOME\\fR is set): the in\\-use list \\fIpliki.lst\\fR, and the sets named without a
folder. The examples are copied into it when it is made.
.TP
\\fI/usr/share/tavrix/\\fR
The help pages and the examples of the package.
.TP
\\fItavrix.portable\\fR
Beside the programs, marks a portable copy (the build folder, or a folder filled by
\\fBcmake \\-\\-install\\fR): its data folder is the programs' own folder.
.SH SEE ALSO
\\fB${SEE}\\fR(1)
")
