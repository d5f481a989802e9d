// A function of a system DLL found at its first use, so that the DLL and
// those it imports stay out of the process until a feature needs them
// (under Wine each loaded DLL stays resident for the life of the program).
#pragma once

#include <windows.h>

namespace zorn::platform {

// F is the function's pointer type, with its calling convention. The DLL,
// once loaded, stays loaded; null when it or the function is missing.
template <class F>
F LazyFunction(const wchar_t* dll, const char* name) {
  HMODULE module = LoadLibraryW(dll);
  return module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace zorn::platform
