# doctest, header-only, as the target doctest::doctest for the tests that run under Wine (an
# imported target's headers are system headers, so its warnings stay out of -Werror).
# The MinGW toolchain confines searches to its own root, where the Linux package is not.
find_path(DOCTEST_INCLUDE_DIR doctest.h PATH_SUFFIXES doctest NO_CMAKE_FIND_ROOT_PATH REQUIRED)
add_library(doctest::doctest INTERFACE IMPORTED)
set_target_properties(doctest::doctest PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES "${DOCTEST_INCLUDE_DIR}"
  # The win32 thread model has no std::mutex, which doctest's default build needs.
  INTERFACE_COMPILE_DEFINITIONS DOCTEST_CONFIG_NO_MULTITHREADING)
