# Merges the sources' texts into a copy of the catalogue, as update_translations
# does, and fails when any text is left without a finished translation.
# Variables: LUPDATE, LUPDATE_OPTIONS, INCLUDE, TEXTS, CATALOGUE, MERGED, COMPLETE.
file(REMOVE ${COMPLETE})
get_filename_component(merged_folder ${MERGED} DIRECTORY)
file(MAKE_DIRECTORY ${merged_folder})
file(COPY_FILE ${CATALOGUE} ${MERGED})
execute_process(
  COMMAND ${LUPDATE} -silent ${LUPDATE_OPTIONS} -I ${INCLUDE} @${TEXTS} -ts ${MERGED}
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "lupdate could not merge the sources' texts into ${MERGED}")
endif()

# One list item per message.
file(READ ${MERGED} merged)
string(REPLACE ";" "\\;" merged "${merged}")
string(REPLACE "</message>" ";" messages "${merged}")
# A context's name stands in its first message's item.
set(missing "")
foreach(message IN LISTS messages)
  if(message MATCHES "<name>([^<]*)</name>")
    set(context "${CMAKE_MATCH_1}")
  endif()
  if(message MATCHES "<translation type=\"unfinished\"|<translation></translation>|<translation/>")
    string(REGEX MATCH "<source>([^<]*)</source>" source "${message}")
    string(APPEND missing "\n  ${context}: ${CMAKE_MATCH_1}")
  endif()
endforeach()
if(missing)
  get_filename_component(name ${CATALOGUE} NAME)
  message(FATAL_ERROR "These texts have no finished translation in ${name}:${missing}\n"
    "Run the target update_translations, translate them in ${CATALOGUE} and remove their type=\"unfinished\".")
endif()
file(TOUCH ${COMPLETE})
