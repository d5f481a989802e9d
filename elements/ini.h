// TZEini: reads and writes keys of an INI file. Every action names the file,
// section and key anew; nothing is kept open or cached.
#pragma once

#include <string>

#include "runtime/wire.h"

namespace zorn {

class TZEini : public TElement {
 public:
  std::string FileName;
  std::string Section;
  std::string Key;
  bool StringType = false;  // values are texts; otherwise integers
  int32_t IntDefault = 0;   // an integer read of a missing key or an empty value

  // Inputs are read in this order: FileName, Section, Key, Value.
  TWire FileNameInput;
  TWire SectionInput;
  TWire KeyInput;
  TWire ValueInput;

  // Forwards the key's value to OnRead: Str, or Int for the integer type.
  void Read(TData& data, uint16_t index);
  // Writes the key (creating file and section when missing).
  void Write(TData& data, uint16_t index);
  // Calls OnLine with every "key=value" line of the section, in file order.
  void ReadSection(TData& data, uint16_t index);
  // Removes the key.
  void DeleteKey(TData& data, uint16_t index);

  TWire OnRead;
  TWire OnLine;

 private:
  // The opening step: file and section; false when the section is empty.
  bool Open(TData& data, std::string& file, std::string& section);
  // Open, then the key; false when the section or the key is empty.
  bool OpenKey(TData& data, std::string& file, std::string& section, std::string& key);
};

}  // namespace zorn
