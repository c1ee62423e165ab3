# Records three games with `tablerun-tool records replay` into an empty data
# folder and reads them back with `records dump`.
# -DTOOL= -DGAMES_FILE= -DWORK=
set(folder ${WORK}/records_replay)
file(REMOVE_RECURSE ${folder})
file(MAKE_DIRECTORY ${folder})
file(WRITE ${folder}/results.txt
  "0 Ann won 60 300 12345 20050302 14:05:09\n"
  "1 \"Ann Lee\" lost 10 40 777 20050303 09:00:00\n"
  "0 Bob won 70 200 5 20051231 23:59:59\n")
execute_process(COMMAND ${TOOL} records replay ${folder} ${GAMES_FILE}
  INPUT_FILE ${folder}/results.txt ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "records replay exited with ${status}: ${err}")
endif()
execute_process(COMMAND ${TOOL} records dump ${folder} ${GAMES_FILE}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "records dump exited with ${status}: ${err}")
endif()
foreach(expected
    "statistics 0001 \"Ann Lee\": won 0 lost 1 streaks 0/1 longest 0/1 score 10"
    "overall \"Bob\": stored 70 in 200s, recomputed 70 in 200s"
    "01-01=000070 000200 20051231 23:59:59 Bob "
    "01-16=000010 000040 20050303 09:00:00 Ann Lee "
    "log lines: 3"
    "progression \"Ann\": 1 games\n  0000 05-03 won")
  string(FIND "${out}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "records dump does not show \"${expected}\":\n${out}")
  endif()
endforeach()

# A line that does not read stops the replay with its number.
file(WRITE ${folder}/bad.txt "0 Ann won 60 300 1 20050302 14:05:09\n0 Ann/Lee won 1 1 1 20050302 14:05:09\n")
execute_process(COMMAND ${TOOL} records replay ${folder} ${GAMES_FILE}
  INPUT_FILE ${folder}/bad.txt ERROR_VARIABLE err RESULT_VARIABLE status)
if(status EQUAL 0 OR NOT err MATCHES "line 2: the player's name cannot be used")
  message(FATAL_ERROR "a bad line was accepted (${status}): ${err}")
endif()
