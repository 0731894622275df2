# polkamina_add_chm(<target> PROJECT <file.hhp> OUTPUT <file.chm> [ALL])
#
# Compiles an HTML Help project with chmcmd into OUTPUT and mends the header
# fields chmcmd gets wrong (see fix-chm-header.cmake). The sources the
# file depends on are read from the project itself (its [FILES] section and
# its contents and index files), so the project is the only list of pages.
find_program(POLKAMINA_CHMCMD chmcmd REQUIRED)
set(POLKAMINA_FIX_CHM_HEADER ${CMAKE_CURRENT_LIST_DIR}/fix-chm-header.cmake)

function(polkamina_add_chm target)
  cmake_parse_arguments(ARG "ALL" "PROJECT;OUTPUT" "" ${ARGN})
  get_filename_component(project_file ${ARG_PROJECT} ABSOLUTE)
  get_filename_component(project_dir ${project_file} DIRECTORY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${project_file})

  file(STRINGS ${project_file} lines)
  set(section "")
  set(sources ${project_file})
  set(compiled_name "")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line MATCHES "^\\[(.*)\\]$")
      set(section ${CMAKE_MATCH_1})
    elseif(line STREQUAL "" OR line MATCHES "^;")
      # blank lines and comments
    elseif(section STREQUAL "FILES")
      list(APPEND sources ${project_dir}/${line})
    elseif(section STREQUAL "OPTIONS" AND line MATCHES "^(Contents|Index) file=(.+)$")
      list(APPEND sources ${project_dir}/${CMAKE_MATCH_2})
    elseif(section STREQUAL "OPTIONS" AND line MATCHES "^Compiled file=(.+)$")
      set(compiled_name ${CMAKE_MATCH_1})
    endif()
  endforeach()
  if(compiled_name STREQUAL "" OR compiled_name MATCHES "[/\\\\]")
    message(FATAL_ERROR "${project_file}: needs a bare \"Compiled file=\" name")
  endif()

  # chmcmd writes the compiled file into its working folder, so each project
  # gets a scratch folder of its own; the finished file is moved to OUTPUT only
  # once it is complete and mended.
  set(scratch ${CMAKE_CURRENT_BINARY_DIR}/${target}.chmcmd)
  add_custom_command(
    OUTPUT ${ARG_OUTPUT}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${scratch}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${scratch}
    COMMAND ${CMAKE_COMMAND} -E chdir ${scratch}
            ${POLKAMINA_CHMCMD} --no-html-scan --verbosity 1 ${project_file}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${scratch}/${compiled_name} -DOUTPUT=${ARG_OUTPUT}
            -P ${POLKAMINA_FIX_CHM_HEADER}
    DEPENDS ${sources} ${POLKAMINA_FIX_CHM_HEADER}
    COMMENT "Compiling help file ${ARG_OUTPUT}"
    VERBATIM)
  if(ARG_ALL)
    add_custom_target(${target} ALL DEPENDS ${ARG_OUTPUT})
  else()
    add_custom_target(${target} DEPENDS ${ARG_OUTPUT})
  endif()
endfunction()
