# The release package: the product DLL with the shipped settings, the theme
# folders they name and the install notes. `cmake --install` stages it, CPack
# zips it as qorthmcust-<version>-win32.zip (win64 for the x86-64 build).
# Only what is named here goes in: never the stand-ins, the front end, test
# programs or symbols (the DLL is stripped).
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(QOR_PACKAGE_SYSTEM win32)
else()
  set(QOR_PACKAGE_SYSTEM win64)
endif()

install(TARGETS qorthmcust
  RUNTIME DESTINATION .
  ARCHIVE DESTINATION lib EXCLUDE_FROM_ALL)
install(FILES ${CMAKE_SOURCE_DIR}/setup/appearance.reg DESTINATION .)
configure_file(${CMAKE_SOURCE_DIR}/setup/INSTALL.txt.in ${CMAKE_BINARY_DIR}/INSTALL.txt @ONLY
  NEWLINE_STYLE WIN32)
install(FILES ${CMAKE_BINARY_DIR}/INSTALL.txt DESTINATION .)

# One empty folder per theme folder that the shipped settings name: the
# pages list a theme only when its folder exists.
file(STRINGS ${CMAKE_SOURCE_DIR}/setup/appearance.reg theme_paths
  REGEX "^\"Path\"=\"C:\\\\\\\\Program Files\\\\\\\\Qor\\\\\\\\Themes\\\\\\\\[^\\\\]+\"$")
foreach(line IN LISTS theme_paths)
  string(REGEX REPLACE ".*\\\\\\\\([^\\\\]+)\"$" "\\1" folder "${line}")
  install(DIRECTORY DESTINATION Themes/${folder})
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/setup/appearance.reg)

# Last: the checksums of everything staged before, as sha256sum writes them.
install(CODE [[
  set(stage "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
  file(GLOB_RECURSE staged RELATIVE "${stage}" "${stage}/*")
  list(REMOVE_ITEM staged SHA256SUMS)
  list(SORT staged)
  set(sums "")
  foreach(file IN LISTS staged)
    file(SHA256 "${stage}/${file}" hash)
    string(APPEND sums "${hash}  ${file}\n")
  endforeach()
  file(WRITE "${stage}/SHA256SUMS" "${sums}")
]])

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME qorthmcust)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME qorthmcust-${PROJECT_VERSION}-${QOR_PACKAGE_SYSTEM})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)
