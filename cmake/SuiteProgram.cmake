# add_suite_program(<name> RC <resource script> SOURCES <files...> [LIBS <libs...>])
# A GUI-subsystem executable of the suite, statically linked, with its own resource script.
function(add_suite_program name)
  cmake_parse_arguments(P "" "RC" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} WIN32 ${P_SOURCES} ${P_RC})
  target_link_libraries(${name} PRIVATE ${P_LIBS})
  get_filename_component(rcdir ${P_RC} DIRECTORY)
  set_property(SOURCE ${P_RC} APPEND PROPERTY INCLUDE_DIRECTORIES ${rcdir})
  # The resource compiler's includes are not scanned for dependencies: a changed string table,
  # picture or id header beside the script must still rebuild the resources.
  file(GLOB rc_inputs CONFIGURE_DEPENDS ${rcdir}/*.rch ${rcdir}/*.h ${rcdir}/*.png ${rcdir}/*.ico ${rcdir}/*.bmp
       ${rcdir}/*.manifest ${CMAKE_SOURCE_DIR}/resources/common/*)
  set_property(SOURCE ${P_RC} APPEND PROPERTY OBJECT_DEPENDS ${rc_inputs})
  install(TARGETS ${name} RUNTIME DESTINATION .)
endfunction()
