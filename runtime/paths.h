// Path and diagnostic functions shared by the elements.
#pragma once

#include <string>

#include "platform/resources.h"

namespace zorn {

// The program's folder, ending with "\".
std::string ExeFolder();
// Tests that keep settings files apart give each its own program folder
// (Windows form, ending with "\"); an empty text restores the real one.
void SetExeFolderForTests(const std::string& folder);
// Replaces "%windir%", then "%tmpdir%", then "%sysdir%" by those folders,
// each with a trailing "\". Exact, case-sensitive matching.
std::string ExpandPathMacros(const std::string& path);
// Expands the macros; a result without ":" and "\" is put in the program's
// folder, anything else is returned as it is.
std::string FullFileName(const std::string& path);
// The modal "String-Debug" box with one OK button.
void ShowDebugMessage(const std::string& text);
// The bytes of the program's resource `name` of type 100 (sounds).
platform::TResourceBytes LoadUserResource(const std::string& name);

}  // namespace zorn
