// The simulator's run: connect (or open the device), serve the panel until
// the link ends, and connect again when asked to.
#pragma once

#include "blocks.h"
#include "options.h"

namespace plcsim {

/// The process's exit code: 0 when the run ended as asked (time up, the peer
/// closed, a planned disconnect), 2 when no link came up in time, 1 when the
/// log cannot be opened.
int run_simulator(const Options& options, BlockTable& table);

}  // namespace plcsim
