# A games list cut short at several places: `tablerun-tool deal` must say why
# and fail, never print an empty table and succeed.
# -DTOOL= -DGAMES_FILE= -DWORK=
file(SIZE ${GAMES_FILE} size)
foreach(percent 5 40 70 99)
  math(EXPR length "${size} * ${percent} / 100")
  set(cut ${WORK}/cut-games-${percent}.dat)
  # file(WRITE) cannot write the scrambled bytes unchanged; head can.
  execute_process(COMMAND head -c ${length} ${GAMES_FILE} OUTPUT_FILE ${cut})
  execute_process(COMMAND ${TOOL} deal 1 1 ${cut} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  if(status EQUAL 0 OR NOT err MATCHES "damaged")
    message(FATAL_ERROR "a games list cut at ${percent}% gave status ${status}, \"${err}\", output:\n${out}")
  endif()
endforeach()
