#include "runtime/scheme.h"

namespace zorn {

TClassMultiBase::~TClassMultiBase() {
  while (!elements_.empty()) elements_.pop_back();
}

}  // namespace zorn
