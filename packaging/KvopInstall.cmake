# Installs a delivered program: the program into bin/ and its manual page
# docs/man/<program>.1, compressed as Debian wants it, into section 1.  Every
# program the package delivers is installed by one call,
#   kvop_install_program(<target>)
# in the CMakeLists.txt that builds it.
function(kvop_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  set(page ${PROJECT_SOURCE_DIR}/docs/man/${target}.1)
  if(NOT EXISTS ${page})
    message(FATAL_ERROR "${target} is installed without its manual page ${page}")
  endif()
  set(gz ${PROJECT_BINARY_DIR}/man/${target}.1.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${page} ${gz}
    DEPENDS ${page}
    COMMENT "Manual page ${target}.1"
    VERBATIM)
  add_custom_target(${target}_manual ALL DEPENDS ${gz})
  install(FILES ${gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
