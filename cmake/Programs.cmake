# Each program's version resource: title, description (comments) and version.
# program_resource(name TITLE "..." DESCRIPTION "...") writes
# ${CMAKE_BINARY_DIR}/resources/<name>.rc, which the program and its tests link.
set(PROGRAM_RC_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/program.rc.in)

function(program_resource name)
  cmake_parse_arguments(P "" "TITLE;DESCRIPTION" "" ${ARGN})
  set(PROGRAM_NAME ${name})
  set(PROGRAM_TITLE "${P_TITLE}")
  set(PROGRAM_DESCRIPTION "${P_DESCRIPTION}")
  set(V_MAJOR ${PROJECT_VERSION_MAJOR})
  set(V_MINOR ${PROJECT_VERSION_MINOR})
  set(V_PATCH ${PROJECT_VERSION_PATCH})
  configure_file(${PROGRAM_RC_TEMPLATE} ${CMAKE_BINARY_DIR}/resources/${name}.rc @ONLY)
endfunction()

# add_program(name TITLE "..." DESCRIPTION "..." SOURCES ... LIBS ... [HELP page.htm])
function(add_program name)
  cmake_parse_arguments(P "" "TITLE;DESCRIPTION;HELP" "SOURCES;LIBS" ${ARGN})
  program_resource(${name} TITLE "${P_TITLE}" DESCRIPTION "${P_DESCRIPTION}")
  add_executable(${name} WIN32 ${P_SOURCES} ${CMAKE_BINARY_DIR}/resources/${name}.rc)
  target_link_libraries(${name} PRIVATE ${P_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  if(P_HELP)
    # The help page lies beside the executable, named after it.
    add_custom_command(TARGET ${name} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${P_HELP} ${CMAKE_BINARY_DIR}/bin/${name}.htm)
  endif()
endfunction()
