// TZEWinTools: operations on a window given by its handle, and TZEODialog,
// the file-open dialog.
#pragma once

#include <string>

#include "runtime/wire.h"

namespace zorn::ui {

class TZEWinTools : public TElement {
 public:
  // The window: wired, this input's answer; unwired, the head of the
  // received value (the flag, where there is one, follows it).
  TWire HandleInput;

  void SetVisible(TData& data, uint16_t index);  // flag ToInt ≠ 0
  void SetTopmost(TData& data, uint16_t index);  // flag ToInt ≠ 0
  void Close(TData& data, uint16_t index);       // asks the window to close
  void BringToFront(TData& data, uint16_t index);
};

class TZEODialog : public TElement {
 public:
  std::string Title;
  std::string Filter;  // "Звук|*.wav"
  std::string Folder;  // start folder
  TElement* Owner = nullptr;

  void Execute(TData& data, uint16_t index);

  TWire OnExecute;  // Str: the chosen path
  TWire OnCancel;   // Null
};

}  // namespace zorn::ui
