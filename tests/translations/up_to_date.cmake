# cmake -DLUPDATE=... -DSOURCE_DIR=... -DWORK_DIR=... -P up_to_date.cmake
# Collects the texts of the code into a copy of every translations/*.ts, as
# the target update_translations does, and fails unless each copy comes out
# unchanged: then every text of the code is in each .ts, and no .ts holds a
# text the code no longer has.
include(${SOURCE_DIR}/translations/lupdate_options.cmake)
file(GLOB ts_files ${SOURCE_DIR}/translations/*.ts)
if(NOT ts_files)
  message(FATAL_ERROR "no translations in ${SOURCE_DIR}/translations")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
foreach(ts IN LISTS ts_files)
  get_filename_component(name ${ts} NAME)
  file(COPY ${ts} DESTINATION ${WORK_DIR})
  execute_process(
    COMMAND ${LUPDATE} ${POLKAMINA_LUPDATE_OPTIONS} -extensions cpp,h
            ${SOURCE_DIR}/src ${SOURCE_DIR}/app -ts ${WORK_DIR}/${name}
    RESULT_VARIABLE result OUTPUT_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}")
  endif()
  file(READ ${ts} kept)
  file(READ ${WORK_DIR}/${name} collected)
  if(NOT kept STREQUAL collected)
    message(FATAL_ERROR "translations/${name} does not hold exactly the code's texts: "
                        "build the target update_translations and translate what it adds")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
