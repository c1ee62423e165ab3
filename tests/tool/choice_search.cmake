# Runs `tablerun-tool choice search` over the built-in games and over a data
# folder with favourites and a custom game, and checks what it lists.
# -DTOOL= -DGAMES_FILE= -DWORK=
set(folder ${WORK}/choice_search)
file(REMOVE_RECURSE ${folder})
file(MAKE_DIRECTORY ${folder})
file(WRITE ${folder}/Cfg.dat
  "[Favorite Games]\r\nGame0000=01-011Cards\r\nGame0001=020001FreeCell\r\nGame0002=010003Spider\r\n")
string(REPEAT " " 36 padding)
file(WRITE ${folder}/GAM_CUST.DAT "[R-0301]\r\n8000Spider for two${padding}0003\r\n001001\r\n")

function(expect_listed expected typed)
  execute_process(COMMAND ${TOOL} choice search "${typed}" ${ARGN}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "choice search \"${typed}\" ${ARGN} exited with ${status}: ${err}")
  endif()
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "choice search \"${typed}\" ${ARGN} listed:\n${out}\ninstead of:\n${expected}")
  endif()
endfunction()

# Without a data folder: the games list beside the tool.
expect_listed("3 Spider\n4 Spider One Suit\n" SPI)
expect_listed("3 Spider\n4 Spider One Suit\n" spi ${folder} ${GAMES_FILE})
expect_listed("-11 Cards\n  1 FreeCell\n3 Spider\n" "" --kind 1 ${folder} ${GAMES_FILE})
expect_listed("-11 Cards\n  1 FreeCell\n" cell --kind 1 ${folder} ${GAMES_FILE})
expect_listed("8000 Spider for two\n" two --kind 3 ${folder} ${GAMES_FILE})
expect_listed("3 Spider\n4 Spider One Suit\n" spider --kind 4 --player Ann ${folder} ${GAMES_FILE})

execute_process(COMMAND ${TOOL} choice search x --kind 6 ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 2 OR NOT err MATCHES "usage: tablerun-tool choice search")
  message(FATAL_ERROR "a kind outside 0-5 was accepted (${status}): ${err}")
endif()
