// Lower-casing of CP1251 text as the Windows Cyrillic code page does it:
// Latin A-Z, Cyrillic А-Я, Ё and the other Cyrillic capitals of the page.
// Our own table, so that every platform folds the same way.
#pragma once

#include <string>

namespace zorn {

unsigned char LowerCyrillicChar(unsigned char c);
// The same mapping as one 256-byte table, for loops that fold byte by byte.
const unsigned char* LowerCyrillicTable();
std::string LowerCyrillic(std::string s);

}  // namespace zorn
