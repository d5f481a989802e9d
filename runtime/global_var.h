// TZEGlobalVar: a named value shared by every scheme of the program.
#pragma once

#include <string>

#include "runtime/wire.h"

namespace zorn {

// Names are case-insensitive for Latin letters: the key is LowerAscii of the
// name. Every element bound to one key shares one record; a variable is Null
// until its first write, and lives until the registry is cleared.
class TZEGlobalVar : public TElement {
 public:
  // Property: binds the element to the variable, creating it when absent; an
  // empty name binds to nothing.
  void SetName(const std::string& name);
  // Property: stores a copy of the value into the bound variable.
  void SetDefault(const TData& value);

  // Action: stores the received head value, then fires OnWrite with the
  // received record itself.
  void Write(TData& data, uint16_t index);
  // Action: binds to the variable named by the received value.
  void SetNameAction(TData& data, uint16_t index);
  // Data output: a copy of the shared value, Null when unbound.
  void Value(TData& data, uint16_t index);

  TWire OnWrite;

  // The shared record of `name` (created as Null when absent).
  static TData& Variable(const std::string& name);
  // Releases every variable; program end and tests.
  static void ClearRegistry();

 private:
  TData* shared_ = nullptr;
};

}  // namespace zorn
