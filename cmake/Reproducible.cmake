# The same sources give the same bytes in any build folder, so that a published SHA-256 can be
# checked against a rebuild: no link time stamp, and no source or build path in the objects.
foreach(dir IN ITEMS "${CMAKE_SOURCE_DIR}" "${CMAKE_BINARY_DIR}")
  string(APPEND CMAKE_CXX_FLAGS " -ffile-prefix-map=${dir}/=")
endforeach()
if(WIN32)
  add_link_options(-Wl,--no-insert-timestamp)
endif()
