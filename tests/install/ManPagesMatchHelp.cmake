# Fails when a manual page falls behind its program: every option
# `quadrillo --help` shows must be in quadrillo.6, every command `qdrpack help`
# lists must have a synopsis line in qdrpack.1, every option of its
# `qdrpack help COMMAND` must be in qdrpack.1, and both pages and the metainfo
# must name the version `quadrillo --version` shows.
#   cmake -DQUADRILLO=... -DQDRPACK=... -DGAME_PAGE=... -DTOOL_PAGE=... -DMETAINFO=...
#         -P ManPagesMatchHelp.cmake

# A page as a reader sees it, on lines long enough that nothing is hyphenated.
function(render page out)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env MANWIDTH=1000 man -l ${page}
    OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "man could not render ${page}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(run out)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN} exited with ${status}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The options a help text shows: words starting with one or two dashes at the
# start of a line or after ", ", as option lists set them.
function(options_of text out)
  string(REGEX MATCHALL "(^|\n| |, )--?[a-z][a-z-]*" found "${text}")
  list(TRANSFORM found REPLACE "^[\n ,]+" "")
  list(REMOVE_DUPLICATES found)
  set(${out} ${found} PARENT_SCOPE)
endfunction()

set(missing)
function(expect_in text page what)
  string(FIND "${text}" "${what}" at)
  if(at EQUAL -1)
    set(missing "${missing}\n  ${page} lacks \"${what}\"" PARENT_SCOPE)
  endif()
endfunction()

render(${GAME_PAGE} game_page)
render(${TOOL_PAGE} tool_page)

run(game_help ${QUADRILLO} --help)
options_of("${game_help}" game_options)
if(NOT game_options)
  message(FATAL_ERROR "No options found in quadrillo --help:\n${game_help}")
endif()
foreach(option ${game_options})
  expect_in("${game_page}" quadrillo.6 "${option}")
endforeach()

run(tool_help ${QDRPACK} help)
string(REGEX MATCH "\nCommands:\n(.*)\n\n" block "${tool_help}")
string(REGEX MATCHALL "\n  [a-z]+" commands "\n${CMAKE_MATCH_1}")
list(TRANSFORM commands STRIP)
if(NOT commands)
  message(FATAL_ERROR "No commands found in qdrpack help:\n${tool_help}")
endif()
foreach(command ${commands})
  expect_in("${tool_page}" qdrpack.1 "qdrpack ${command}")
  if(NOT command STREQUAL "help")
    run(command_help ${QDRPACK} help ${command})
    options_of("${command_help}" command_options)
    foreach(option ${command_options})
      expect_in("${tool_page}" qdrpack.1 "${option}")
    endforeach()
  endif()
endforeach()

run(version ${QUADRILLO} --version)
string(STRIP "${version}" version)
expect_in("${game_page}" quadrillo.6 "${version}")
expect_in("${tool_page}" qdrpack.1 "${version}")
string(REGEX REPLACE "^Quadrillo " "" number "${version}")
file(READ ${METAINFO} metainfo)
expect_in("${metainfo}" metainfo "<release version=\"${number}\"")

if(missing)
  message(FATAL_ERROR "The manual pages have fallen behind:${missing}")
endif()
message(STATUS "Checked ${game_options} and the commands ${commands}")
