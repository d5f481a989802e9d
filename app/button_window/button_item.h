// One button of the button window: a panel with one control of the
// record's kind (pulse, toggle, hold or set-value button), built by the
// window's list host once per loaded record.
//
// Setup takes the row text "position;caption;width;kind;block;value;
// description"; Cleared is the host's clear notice (unused); Resend sends
// the current state again (toggles and set-value buttons only). OnSend: a
// command line "value;block"; OnMenu: a right press on the control,
// carrying the panel's position. Picture: the panels' background bitmap.
#pragma once

#include "elements/format_str.h"
#include "elements/str_split.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/state.h"
#include "runtime/multi_element.h"
#include "runtime/multi_element_ex.h"
#include "ui/elements/edit.h"
#include "ui/elements/image.h"
#include "ui/elements/panel.h"
#include "ui/elements/rush_buttons.h"

namespace zorn {

class TClassChildPanelEx_ButtonItem : public TClassMultiBase {
 public:
  TClassChildPanelEx_ButtonItem(TZEMultiElementEx* host, TElement* parentControl,
                                TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Setup = 0, Cleared = 1, Resend = 2 };
  enum Event : uint16_t { OnSend = 0, OnMenu = 1 };
  enum DataInput : uint16_t { Picture = 0 };

  TZEEditMultiEx* boundary;
  ui::TZEPanel* panel;
  ui::TZEImage* background;
  ui::TzeButtonRush* pulseButton;
  ui::TzeButtonRush* holdButton;
  ui::TzeButtonRush* setValueButton;
  ui::TzeCheckBoxRush* toggle;
  ui::TZEEdit* valueField;
  TZESwitch* editSwitch;  // on while the value field is open
  TZEMultiElement* kindView;
  // Set-up from the row text.
  TZEHub* setup;
  TZEMultiStrPart* parts;    // 0 position … 5 value; the rest is the description
  TZEMemory* description;
  TZEDoData* width;
  TZEDoData* kind;
  TZEDoData* caption;
  TZEHub* captions;
  TZEDoData* value;
  TZEFormatStr* setValueCaption;  // "caption: field text"
  TZEDoData* hint;
  TZEHub* hints;
  // The command lines.
  TZEFormatStr* valueLine;  // the record's value and block
  TZEFormatStr* oneLine;
  TZEFormatStr* zeroLine;
  TZEFormatStr* fieldLine;  // the value field's text and block
  TZEDoData* menuRequest;
  // Presses by mouse button: 0 left, 1 right.
  TZEIndexToChanel* pulsePress;
  TZEIndexToChanel* holdPress;
  TZEIndexToChanel* holdRelease;
  // The second press of a double click comes as a double click alone.
  TZEIndexToChanel* togglePress;
  TZEIndexToChanel* setValuePress;
  TZEIndexToChanel* setValueDouble;
  TZEIf_else* toggleClick;   // the state before the click: unchecked sends 1
  TZEIf_else* toggleResync;  // the current state: unchecked sends 0
  TZEHub* fieldOpened;
  TZEDoData* hideButton;
  TZEDoData* showButton;
  TZEHub* enter;  // close the field, refresh the caption, send
  TZEIf_else* escapeKey;
  TZEMemory* shownValue;  // the record's value, then the text sent last
  TZEHub* escape;         // restore that value, close the field
  TZEDoData* restoreValue;
  TZEIndexToChanel* resyncKind;
};

}  // namespace zorn
