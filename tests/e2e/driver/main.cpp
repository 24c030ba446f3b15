#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest.h>

#include <cstring>

#include "Driver.h"

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--show") == 0) return ShowReport(WindowsPathOf(argv[2]));
  return doctest::Context(argc, argv).run();
}
