// The input modes of the edit box: which texts are valid and what value a
// text stands for.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/data.h"

namespace zorn::ui {

enum TEditMode : uint8_t {
  emText = 0,      // any text; the value is the string
  emUnsigned = 1,  // digits 0-9 only; the value is the integer
  emInteger = 2,   // [+|-]digits, or hexadecimal after "$" or "0x" (0-9, a-f)
};

bool ValidInMode(TEditMode mode, const std::string& text);

// What a change by the user leaves in the box: the typed text when it is
// valid, or when it would be valid with a "0" appended (so that "-", "$" and
// "0x" may stand while being typed; the empty box becomes "0"); otherwise
// false, and the previous text must come back.
bool AcceptTyped(TEditMode mode, std::string& text);

// The integer a text stands for, wrapping modulo 2^32; 0 for what holds no
// digits.
int32_t IntegerOf(TEditMode mode, const std::string& text);

// The value of the box: Str in text mode, Int in the others.
void ValueOf(TEditMode mode, const std::string& text, TData& value);

}  // namespace zorn::ui
