// Program paths, folder macros and the diagnostic box.
#include "runtime/paths.h"

#include "platform/message_box.h"
#include "platform/paths.h"
#include "runtime/text.h"

namespace zorn {
namespace {

// Replaces `macro` by `folder` with a trailing "\"; the folder is only asked
// for when the macro occurs.
void ExpandMacro(std::string& path, const std::string& macro, std::string (*folder)()) {
  if (path.find(macro) == std::string::npos) return;
  std::string dir = folder();
  if (!dir.empty() && dir.back() != '\\') dir += '\\';
  ReplaceAll(path, macro, dir);
}

std::string& FolderOverride() {
  static std::string folder;
  return folder;
}

}  // namespace

void SetExeFolderForTests(const std::string& folder) { FolderOverride() = folder; }

std::string ExeFolder() {
  if (!FolderOverride().empty()) return FolderOverride();
  std::string path = platform::ExeFilePath();
  size_t p = path.rfind('\\');
  return p == std::string::npos ? std::string() : path.substr(0, p + 1);
}

std::string ExpandPathMacros(const std::string& path) {
  std::string result = path;
  ExpandMacro(result, "%windir%", platform::WindowsFolder);
  ExpandMacro(result, "%tmpdir%", platform::TempFolder);
  ExpandMacro(result, "%sysdir%", platform::SystemFolder);
  return result;
}

std::string FullFileName(const std::string& path) {
  std::string result = ExpandPathMacros(path);
  if (result.find_first_of(":\\") == std::string::npos) result = ExeFolder() + result;
  return result;
}

void ShowDebugMessage(const std::string& text) { platform::ShowMessageBox(text, "String-Debug"); }

platform::TResourceBytes LoadUserResource(const std::string& name) {
  return platform::FindResource(name, platform::UserResourceType);
}

}  // namespace zorn
