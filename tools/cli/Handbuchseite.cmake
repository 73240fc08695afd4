# Writes the manual page velmora-cli(1): the template with the version and the program's own usage text.
# Called with -DCLI=program -DVERSION=x.y -DVORLAGE=template -DZIEL=page.
execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE BENUTZUNG RESULT_VARIABLE STATUS)
if(NOT STATUS EQUAL 0)
    message(FATAL_ERROR "${CLI} --help failed: ${STATUS}")
endif()
# The first line is the synopsis, which the page gives itself; the rest is set as it is printed.
string(FIND "${BENUTZUNG}" "\n" ENDE)
math(EXPR ENDE "${ENDE} + 1")
string(SUBSTRING "${BENUTZUNG}" ${ENDE} -1 BENUTZUNG)
string(REGEX REPLACE "^\n+" "" BENUTZUNG "${BENUTZUNG}")
string(REGEX REPLACE "\n+$" "" BENUTZUNG "${BENUTZUNG}")
# Backslashes and minus signs as roff wants them; a line must not start with a control character.
string(REPLACE "\\" "\\e" BENUTZUNG "${BENUTZUNG}")
string(REPLACE "-" "\\-" BENUTZUNG "${BENUTZUNG}")
string(REPLACE "\n." "\n\\&." BENUTZUNG "${BENUTZUNG}")
string(REPLACE "\n'" "\n\\&'" BENUTZUNG "${BENUTZUNG}")
configure_file(${VORLAGE} ${ZIEL} @ONLY)
