# tarvic_windows_program(name [CONSOLE] [RESOURCE script.rc [RESOURCE_DEPENDS files...]]
# SOURCES files...): a program as the product builds it, a window program unless CONSOLE: the wide entry point, statically linked and
# stripped, sections nobody calls dropped, able to start on Windows XP (5.01). windres names no
# dependencies but the script's #includes: the files it embeds are given here, beside the target.
function(tarvic_windows_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "CONSOLE" "RESOURCE" "RESOURCE_DEPENDS;SOURCES")
  set(kind WIN32)
  if(arg_CONSOLE)
    set(kind "")
  endif()
  add_executable(${name} ${kind} ${arg_SOURCES} ${arg_RESOURCE})
  if(arg_RESOURCE)
    set_source_files_properties(${arg_RESOURCE} TARGET_DIRECTORY ${name}
      PROPERTIES OBJECT_DEPENDS "${arg_RESOURCE_DEPENDS}")
  endif()
  # The generated manifest is found on the include path.
  target_include_directories(${name} PRIVATE ${PROJECT_BINARY_DIR}/generated)
  target_link_libraries(${name} PRIVATE tarvic_win32_api)
  target_link_options(${name} PRIVATE -municode -static -s -Wl,--gc-sections
    -Wl,--major-subsystem-version,5,--minor-subsystem-version,1
    -Wl,--major-os-version,5,--minor-os-version,1)
endfunction()
