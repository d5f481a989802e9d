// The form scheme the three editor dialogs are built on. Open takes
// "origin;key": the section and key, the stored value of user_settings.ini,
// its parse (which fills and selects the block list), the background
// (Picture), the window, the fields. A save goes on only while the block
// and each of the dialog's lists have a selection and the value suits the
// block's type; it writes the record, reports the origin and hides the
// window. A refused save writes nothing, keeps the window and puts its
// reason into the notice line above the save bar; every opening empties
// it. Blocks: the block list (Array of "type;block").
//
// A dialog creates, in this order: the form and the notice (base
// constructor), its own controls (setting the shared ones below), MakeFlow,
// its own elements, MakeHosts, its own hosts, MakeSaveBar; then wires with
// WireShared, RefuseUnselected and its own wires, and builds the hosts with
// Build.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "app/editors/number_text.h"
#include "elements/format_str.h"
#include "elements/ini.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/state.h"
#include "runtime/multi_element.h"
#include "ui/elements/combo_box.h"
#include "ui/elements/edit.h"
#include "ui/elements/image.h"
#include "ui/elements/label.h"
#include "ui/elements/main_form.h"

namespace zorn {

// What tells the dialogs' windows apart.
struct TEditorFormLook {
  const char* Caption;
  const char* IconName;
  int32_t Width;
  int32_t Height;
  int32_t PictureWidth;   // of the stretched background at the top left
  int32_t PictureHeight;  // where the save bar starts
};

// The sizes of the shared opening. `opening` steps: 0 section and key,
// 1 clear the stored value, 2 read it, then StepsBeforeParse steps of the
// dialog's own, the parse, the background, the window, the fields, then
// StepsAfterFields steps of its own, and last the notice is emptied.
// `fields` output 0 puts the value (`valueFields` 0 the integer field, 1
// the text field); the further outputs of both are the dialog's own.
// IntegerType: the block type code whose value is the integer field's text.
struct TEditorFlow {
  size_t StepsBeforeParse;
  size_t StepsAfterFields;
  size_t Fields;
  size_t ValueFields;
  int32_t IntegerType;
};

// A list that needs a selection before a save: its check and the reason
// shown when it has none.
struct TListCheck {
  TZEIf_else* Check;
  ui::TZEComboBox* List;
  TZEDoData* Reason;
};

class TEditorForm : public TClassMultiBase {
 public:
  // Host points. OnSaveMain reports a save of origin 0 ([mainForm]),
  // OnSaveWindow one of origin 1 (the window's own section).
  enum Action : uint16_t { Open = 0 };
  enum Event : uint16_t { OnSaveMain = 0, OnSaveWindow = 1 };
  enum DataInput : uint16_t { Blocks = 0, Picture = 1 };

  TZEEditMulti* boundary;
  ui::TZEMainForm* form;
  ui::TZEImage* background;
  ui::TZELabel* notice;  // why the last save was refused
  // Controls every dialog has, created by each in its own place.
  ui::TZELabel* blockLabel = nullptr;
  ui::TZEComboBox* block = nullptr;
  ui::TZELabel* valueLabel = nullptr;
  ui::TZEEdit* intValue = nullptr;
  ui::TZEEdit* textValue = nullptr;
  // Opening: section and key, the stored value, the parse, the fields.
  TZEHub* opening = nullptr;
  TZEMemory* stored = nullptr;
  TZEini* reader = nullptr;
  TZEDoData* parse = nullptr;
  TZEDoData* showForm = nullptr;
  TZEHub* fields = nullptr;
  TZEDoData* valueText = nullptr;
  TZEHub* valueFields = nullptr;
  TZEDoData* clearNotice = nullptr;
  // Saving: each check refuses, putting its reason into the notice, or
  // passes on: a block, the dialog's lists, then the value by the block's
  // type (an integer value must be a decimal number the controller takes;
  // the record keeps the text the field shows). Then write, report, hide.
  TZEIf_else* noBlock = nullptr;
  TZEDoData* noBlockReason = nullptr;
  TZEIndexToChanel* valueByType = nullptr;
  TZEDecimalCheck* valueCheck = nullptr;
  TZEDoData* valueReason = nullptr;
  TZEHub* checked = nullptr;  // output 0: every check passed
  TZEHub* saving = nullptr;
  TZEFormatStr* record = nullptr;  // fields 0 to 2: block type, number, value
  TZEini* writer = nullptr;
  TZEDoData* hideForm = nullptr;
  TZEMultiElement* section = nullptr;
  TZEMultiElement* parser = nullptr;
  TZEMultiElement* blockReader = nullptr;  // data inputs 0 and 1: the value fields
  TZEMultiElement* saveBar = nullptr;      // event 0: save

 protected:
  // Creates the boundary, the hidden form, its background and the notice.
  TEditorForm(TZEMultiElement* host, TElement* parentControl, TClassMultiBase* parentScheme,
              const TEditorFormLook& look);

  void MakeFlow(const TEditorFlow& flow);
  void MakeHosts(size_t blockEvents, size_t blockInputs);
  void MakeSaveBar(size_t events);

  void WireShared();
  // The checks a save passes after the block's and before the value's:
  // each list needs a selection.
  void RefuseUnselected(std::initializer_list<TListCheck> checks);
  // A reason shows its text in the notice when it is emitted.
  void Explain(TZEDoData* reason);
  // Hangs the hosts on the form and builds them: section, record, block,
  // the dialog's own hosts, save bar.
  void Build(TFactory sectionScheme, TFactory recordScheme, TFactory blockScheme,
             std::initializer_list<std::pair<TZEMultiElement*, TFactory>> own,
             TFactory saveScheme);

 private:
  TEditorFlow flow_{};
};

// The editors of a window's panel (button, indicator): caption and width
// above the block and value; the width shows only for the window's own
// section (origin 1). A shown width must be a decimal number from 0 to
// 2147483647, since the window reads it as a signed 32-bit width and a
// larger one would wrap; a hidden width is written back as it was read.
// Record fields 4 and 5: caption, width.
class TPanelEditorForm : public TEditorForm {
 public:
  ui::TZELabel* captionLabel;
  ui::TZEEdit* caption;
  ui::TZELabel* widthLabel;
  ui::TZEEdit* width;
  TZEHub* widthShown = nullptr;
  TZEMemory* widthOrigin = nullptr;  // the origin digit: "0" hides the width
  TZEIf_else* widthEdited = nullptr;
  TZEDecimalCheck* widthCheck = nullptr;
  TZEDoData* widthReason = nullptr;
  TZEDoData* captionText = nullptr;
  TZEDoData* widthText = nullptr;

 protected:
  // Creates the form and the controls from the caption to the text value.
  TPanelEditorForm(TZEMultiElement* host, TElement* parentControl, TClassMultiBase* parentScheme,
                   const TEditorFormLook& look);

  // The shared flow with `fields` outputs; 1 and 2 put the caption and width.
  void MakePanelFlow(size_t fieldCount, int32_t integerType);
  void WirePanelShared();
};

}  // namespace zorn
