// Property settings that the three editor dialogs share: control places
// and the small emitters their wiring repeats.
#pragma once

#include <cstdint>
#include <string>

#include "elements/ini.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/multi_element.h"
#include "ui/elements/combo_box.h"
#include "ui/elements/edit.h"
#include "ui/elements/label.h"

namespace zorn::editor_setup {

// Place and hint of a control on the dialog; the font is the default one.
template <class T>
void Place(T& c, ui::TZEWin* parent, int32_t left, int32_t top, int32_t width, int32_t height,
           const char* hint) {
  c.Parent = parent;
  c.Left = left;
  c.Top = top;
  c.Width = width;
  c.Height = height;
  c.Hint = hint;
}

inline auto Label(ui::TZEWin* parent, int32_t left, int32_t top, int32_t width, int32_t height,
                  const char* text) {
  return [=](ui::TZELabel& l) {
    Place(l, parent, left, top, width, height, "");
    l.Text = text;
  };
}

inline auto Edit(ui::TZEWin* parent, int32_t top, ui::TEditMode mode, const char* text,
                 const char* hint) {
  return [=](ui::TZEEdit& e) {
    Place(e, parent, 130, top, 150, 20, hint);
    e.Mode = mode;
    e.Text = text;
  };
}

// What a list's events and data carry: the chosen item's index or its text.
enum class TListData : uint8_t { Index = 0, Text = 1 };

// A drop-down list at the field column.
inline auto List(ui::TZEWin* parent, int32_t top, TListData data, int32_t dropDown,
                 const char* items, const char* text, const char* hint) {
  return [=](ui::TZEComboBox& c) {
    Place(c, parent, 130, top, 150, 21, hint);
    c.DataMode = static_cast<uint8_t>(data);
    c.DropDownCount = dropDown;
    c.Strings = items;
    c.Text = text;
  };
}

// The dialogs' records live in user_settings.ini as text.
inline void UserSettings(TZEini& ini) {
  ini.FileName = "user_settings.ini";
  ini.StringType = true;
}

// A save check that fires OnTrue for a list index below 0 (nothing chosen).
inline void NoneSelected(TZEIf_else& g) {
  g.Type = cmLess;
  MakeInt(g.Op2, 0);
}

// Why a save was refused, as the notice shows it.
inline auto Reason(const char* text) {
  return [=](TZEDoData& d) { MakeStr(d.Data, text); };
}

}  // namespace zorn::editor_setup
