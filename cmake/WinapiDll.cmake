# A DLL whose WINAPI exports come from a module-definition file with
# stdcall-decorated names. Exports are undecorated on both architectures; on
# i686 the import library keeps the decorated symbols that callers reference.
function(qor_winapi_dll target def_file)
  get_filename_component(def_name ${def_file} NAME)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(def ${def_file})
  else()
    file(READ ${def_file} text)
    string(REGEX REPLACE "([A-Za-z_][A-Za-z0-9_]*)@[0-9]+" "\\1" text "${text}")
    set(def ${CMAKE_CURRENT_BINARY_DIR}/${def_name})
    file(GENERATE OUTPUT ${def} CONTENT "${text}")
  endif()
  target_sources(${target} PRIVATE ${def})
  set_target_properties(${target} PROPERTIES PREFIX "")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def_file})
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${QOR_TRIPLET}-dlltool -d ${def} -l $<TARGET_LINKER_FILE:${target}> -k
      VERBATIM)
  endif()
endfunction()
