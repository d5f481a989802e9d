// TZESystemActions: the PC-level actions of the event rules, on the
// platform's system-action service. Results of the platform are not
// reported: a file that does not open or a refused shutdown stays silent.
#pragma once

#include "runtime/wire.h"

namespace zorn {

class TZESystemActions : public TElement {
 public:
  // Opens the file named by ToStr(value) with the shell's "open" verb.
  void Open(TData& data, uint16_t index);
  // Sets the master volume to ToReal(value), clamped to 0.0 … 1.0.
  void SetVolume(TData& data, uint16_t index);
  // Shut down, restart and lock ignore the value.
  void ShutDown(TData& data, uint16_t index);
  void Restart(TData& data, uint16_t index);
  void Lock(TData& data, uint16_t index);
};

}  // namespace zorn
