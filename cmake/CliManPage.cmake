# Writes the manual page of marovane-cli from the tool's own --help text, so that the two cannot
# disagree, and compresses it as Debian installs manual pages.
# Run as: cmake -DTOOL=<marovane-cli> -DVERSION=<x.y.z> -DOUT=<marovane-cli.6.gz> -P CliManPage.cmake
execute_process(COMMAND ${TOOL} --help
                OUTPUT_VARIABLE usage RESULT_VARIABLE result ERROR_VARIABLE problem)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TOOL} --help failed: ${problem}")
endif()
# As roff text: backslashes printed as such, minus signs as minus signs, and no line taken for a
# request because it starts with a dot or a quote.
string(REPLACE "\\" "\\e" usage "${usage}")
string(REPLACE "-" "\\-" usage "${usage}")
string(REGEX REPLACE "\n([.'])" "\n\\\\&\\1" usage "${usage}")

set(page ".TH MAROVANE\\-CLI 6 \"\" \"Marovane ${VERSION}\" \"Games\"
.SH NAME
marovane\\-cli \\- Marovane's rules, scenarios and games without a window
.SH SYNOPSIS
.B marovane\\-cli
.RB [ \\-\\-data
.IR DIR ]
.RB [ \\-\\-seed
.IR N ]
.I COMMAND
\\&...
.SH DESCRIPTION
.B marovane\\-cli
runs the rules of the strategy game
.BR marovane (6)
without a window, for scenario authors, for testing the rules and the computer player, and
for playing whole games unattended.
It prints the game's state as JSON on standard output.
A refusal prints the game's message on standard error and exits with status 1.
.SH USAGE
This is the text of
.BR \"marovane\\-cli \\-\\-help\" :
.PP
.nf
${usage}.fi
.SH SEE ALSO
.BR marovane (6)
")
string(REGEX REPLACE "\\.gz$" "" plain ${OUT})
file(WRITE ${plain} "${page}")
execute_process(COMMAND gzip -9nf ${plain} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${plain}")
endif()
