// The program entry, apart from the platform's main: builds the main scheme,
// starts live dispatch, runs the loop until the main window closes.
#pragma once

#include <string>
#include <vector>

namespace zorn {

// `arguments` are the command-line arguments after the program name. Only
// the first is examined: exactly "/ih" shows the information box and ends.
int RunProgram(const std::vector<std::string>& arguments);

}  // namespace zorn
