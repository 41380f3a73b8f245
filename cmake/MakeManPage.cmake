# Writes xmlattr(1) with help2man: the page's name line, synopsis and options come from
# `xmlattr --help` and `--version`; each subcommand the help lists gets a section of its own with
# that subcommand's help, so a new subcommand or option reaches the page without an edit here.
#   cmake -DTOOL=path/to/xmlattr -DHELP2MAN=help2man -DOUTPUT=xmlattr.1 -P MakeManPage.cmake
execute_process(COMMAND "${TOOL}" --help OUTPUT_VARIABLE help COMMAND_ERROR_IS_FATAL ANY)

# The name line is the help's first sentence.
string(REGEX MATCH "^[^\n]*" summary "${help}")
string(REGEX REPLACE "\\.$" "" summary "${summary}")
string(SUBSTRING "${summary}" 0 1 first)
string(SUBSTRING "${summary}" 1 -1 rest)
string(TOLOWER "${first}" first)
set(summary "${first}${rest}")

# Subcommands: the names at the start of the lines after "Subcommands:".
string(FIND "${help}" "\nSubcommands:\n" start)
if(start EQUAL -1)
  message(FATAL_ERROR "${TOOL} --help lists no subcommands:\n${help}")
endif()
string(SUBSTRING "${help}" ${start} -1 listing)
string(REGEX MATCHALL "\n  [a-z][a-z0-9-]*" names "${listing}")

# roff: a backslash is written \e, and a line may not start with a control character.
function(roff_verbatim text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(include "[COMMANDS]\n")
foreach(name IN LISTS names)
  string(STRIP "${name}" name)
  execute_process(COMMAND "${TOOL}" ${name} --help OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
  string(STRIP "${text}" text)
  roff_verbatim("${text}" text)
  string(APPEND include ".SS \"xmlattr ${name}\"\n.nf\n${text}\n.fi\n")
endforeach()
get_filename_component(directory "${OUTPUT}" DIRECTORY)
file(WRITE "${directory}/xmlattr.h2m" "${include}")

execute_process(COMMAND "${HELP2MAN}" --no-info --section=1 "--name=${summary}"
                        "--include=${directory}/xmlattr.h2m" "--output=${OUTPUT}" "${TOOL}"
                COMMAND_ERROR_IS_FATAL ANY)
