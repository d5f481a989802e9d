// plcsim: a portable stand-in for the controller, for the panel's tests,
// benchmarks and demonstrations. Usage and the block file: README.md.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "blocks.h"
#include "io.h"
#include "options.h"
#include "session.h"

int main(int argc, char** argv) {
  using namespace plcsim;
  Options options;
  std::string error;
  if (!parse_options(argc, argv, options, error)) {
    std::fprintf(stderr, "plcsim: %s\n%s", error.c_str(), usage_text());
    return 1;
  }
  if (options.help) {
    std::fputs(usage_text(), stdout);
    return 0;
  }
  std::ifstream file(options.blocks_file, std::ios::binary);
  if (!file) {
    std::fprintf(stderr, "plcsim: cannot read %s\n", options.blocks_file.c_str());
    return 1;
  }
  std::ostringstream text;
  text << file.rdbuf();
  BlockTable table;
  if (!table.parse(text.str(), options.shape.seed, error)) {
    std::fprintf(stderr, "plcsim: %s: %s\n", options.blocks_file.c_str(), error.c_str());
    return 1;
  }
  if (!io_startup(error)) {
    std::fprintf(stderr, "plcsim: %s\n", error.c_str());
    return 1;
  }
  return run_simulator(options, table);
}
