#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest.h>

#include <cstring>

#include "Setup.h"
#include "ShowReport.h"

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--show") == 0) {
    return ShowReport(WindowsPathOf(argv[2]));
  }
  doctest::Context context(argc, argv);
  return context.run();
}
