# `tablerun-tool choice tree` prints the lists of the open-a-game dialog with a
# player's marks, read from the statistics the records replay wrote.
# -DTOOL= -DGAMES_FILE= -DWORK=
set(folder ${WORK}/choice_tree)
file(REMOVE_RECURSE ${folder})
file(MAKE_DIRECTORY ${folder})
file(WRITE ${folder}/results.txt
  "0 Ann won 60 300 12345 20050302 14:05:09\n"
  "1 Ann lost 10 40 777 20050303 09:00:00\n"
  "1 Ann lost 10 40 778 20050303 09:10:00\n")
execute_process(COMMAND ${TOOL} records replay ${folder} ${GAMES_FILE}
  INPUT_FILE ${folder}/results.txt ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "records replay exited with ${status}: ${err}")
endif()

function(expect_tree mode)
  execute_process(COMMAND ${TOOL} choice tree --mode ${mode} --player Ann ${folder} ${GAMES_FILE}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "choice tree --mode ${mode} exited with ${status}: ${err}")
  endif()
  foreach(expected ${ARGN})
    string(FIND "${out}" "${expected}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "choice tree --mode ${mode} does not show \"${expected}\":\n${out}")
    endif()
  endforeach()
endfunction()

expect_tree(0 "\n0 Klondike [won]\n" "\n1 FreeCell [not won]\n")
expect_tree(1
  "-2070 Customized games\n  -3 (How to customize a game)\n-2020 Game Type\n  -202080 Adding games type\n"
  "\n  -202025 FreeCell type\n    28 Baker's Game [not played]\n    30 Eight Off [not played]\n    1 FreeCell [not won]\n"
  "\n-1 Games by Features\n  -2030 by Game Time\n    -203010 Quick\n"
  "\n-2080 New games (vers.")

execute_process(COMMAND ${TOOL} choice tree --mode 7 ${folder} ${GAMES_FILE} ERROR_VARIABLE err RESULT_VARIABLE status)
if(status EQUAL 0 OR NOT err MATCHES "usage")
  message(FATAL_ERROR "a list mode out of range was accepted (${status}): ${err}")
endif()

# The recent games: those dealt last, in name order.
file(WRITE ${folder}/Cfg.dat "[Last Played Games]\r\nGame001=0007\r\nGame002=0001\r\nGame003=0999\r\n")
expect_tree(4 "1 FreeCell [not won]\n7 Yukon [not played]\n")

# The favourites: a folder holding its games, then the games of the top level.
file(APPEND ${folder}/Cfg.dat "[Favorite Games]\r\nGame0000=01-011Cards\r\nGame0001=020001FreeCell\r\nGame0002=010007Yukon\r\n")
expect_tree(3 "-11 Cards\n  1 FreeCell [not won]\n7 Yukon [not played]\n")
