#include "elements/ini.h"

#include <vector>

#include "platform/ini.h"
#include "runtime/paths.h"

namespace zorn {
namespace {

constexpr uint32_t kValueBuffer = 32768;
constexpr uint32_t kSectionBuffer = 32767;

}  // namespace

bool TZEini::Open(TData& data, std::string& file, std::string& section) {
  file = FullFileName(ReadStr(data, FileNameInput, FileName));
  section = ReadStr(data, SectionInput, Section);
  return !section.empty();
}

bool TZEini::OpenKey(TData& data, std::string& file, std::string& section, std::string& key) {
  if (!Open(data, file, section)) return false;
  key = ReadStr(data, KeyInput, Key);
  return !key.empty();
}

void TZEini::Read(TData& data, uint16_t) {
  std::string file, section, key;
  if (!OpenKey(data, file, section, key)) return;
  if (StringType) {
    std::string value;
    platform::ReadIniString(file, section, key, "", kValueBuffer, value);
    ForwardStr(data, OnRead, value);
  } else {
    auto value = static_cast<int32_t>(platform::ReadIniInt(file, section, key, IntDefault));
    ForwardInt(data, OnRead, value);
  }
}

void TZEini::Write(TData& data, uint16_t) {
  std::string file, section, key;
  if (!OpenKey(data, file, section, key)) return;
  std::string value = StringType ? ReadStr(data, ValueInput, "")
                                 : IntToStr(ReadInt(data, ValueInput, 0));
  platform::WriteIniString(file, section, key, value);
  platform::FlushIni(file);
}

void TZEini::ReadSection(TData& data, uint16_t) {
  std::string file, section;
  if (!Open(data, file, section)) return;
  std::vector<std::string> lines;
  platform::ReadIniSection(file, section, kSectionBuffer, lines);
  for (const std::string& line : lines) FireStr(OnLine, line);
}

void TZEini::DeleteKey(TData& data, uint16_t) {
  std::string file, section, key;
  if (!OpenKey(data, file, section, key)) return;
  platform::DeleteIniKey(file, section, key);
  platform::FlushIni(file);
}

}  // namespace zorn
