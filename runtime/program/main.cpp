// zorn.exe: the operator panel.
#include <string>
#include <vector>

#include "runtime/program/program.h"

int main(int argc, char** argv) {
  return zorn::RunProgram(std::vector<std::string>(argv + 1, argv + argc));
}
