# Plays a solved script with `tablerun-tool play` and expects the game won
# with every card on the foundations.
# -DTOOL= -DGAME= -DNUMBER= -DGAMES_FILE= -DSCRIPT=
execute_process(COMMAND ${TOOL} play ${GAME} ${NUMBER} ${GAMES_FILE}
  INPUT_FILE ${SCRIPT} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "tablerun-tool play exited with ${status}: ${err}")
endif()
if(NOT out MATCHES "\nScore: 208\nMoves: [0-9]+\nGame won\n$")
  string(LENGTH "${out}" length)
  math(EXPR from "${length} - 200")
  string(SUBSTRING "${out}" ${from} -1 tail)
  message(FATAL_ERROR "the game did not end won:\n${tail}")
endif()
