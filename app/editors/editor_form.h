// The form scheme the three editor dialogs are built on. Host action 0
// opens the dialog on "origin;key": the section and key, the stored value
// of user_settings.ini, its parse (which fills and selects the block list),
// the background (host data input 1), the window, the fields. A save goes
// on only while the block and each of the dialog's lists have a selection;
// it writes the record, reports the origin (host event 0 for origin 0, 1
// for origin 1) and hides the window. Host data input 0: the block list
// (Array of "type;block").
//
// A dialog creates, in this order: the form (base constructor), its own
// controls (setting the shared ones below), MakeFlow, its own elements,
// MakeHosts, its own hosts, MakeSaveBar; then wires with WireShared,
// RefuseUnselected and its own wires, and builds the hosts with Build.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "app/editors/editor_parts.h"
#include "elements/format_str.h"
#include "elements/ini.h"
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
  int32_t PictureHeight;
};

// The sizes of the shared opening. `opening` steps: 0 section and key,
// 1 clear the stored value, 2 read it, then StepsBeforeParse steps of the
// dialog's own, the parse, the background, the window, the fields, then
// StepsAfterFields steps of its own. `fields` output 0 puts the value
// (`valueFields` 0 the integer field, 1 the text field); the further
// outputs of both are the dialog's own.
struct TEditorFlow {
  size_t StepsBeforeParse;
  size_t StepsAfterFields;
  size_t Fields;
  size_t ValueFields;
};

class TEditorForm : public TClassMultiBase {
 public:
  TZEEditMulti* boundary;
  ui::TZEMainForm* form;
  ui::TZEImage* background;
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
  // Saving: refused without a block; then write, report, hide.
  TZEIf_else* noBlock = nullptr;
  TZEHub* saving = nullptr;
  TZEFormatStr* record = nullptr;  // fields 0 to 2: block type, number, value
  TZEini* writer = nullptr;
  TZEDoData* hideForm = nullptr;
  TZEMultiElement* section = nullptr;
  TZEMultiElement* parser = nullptr;
  TZEMultiElement* blockReader = nullptr;  // data inputs 0 and 1: the value fields
  TZEMultiElement* saveBar = nullptr;      // event 0: save

 protected:
  // Creates the boundary, the hidden form and its background.
  TEditorForm(TZEMultiElement* host, TElement* parentControl, TClassMultiBase* parentScheme,
              const TEditorFormLook& look);

  void MakeFlow(const TEditorFlow& flow);
  void MakeHosts(size_t blockEvents, size_t blockInputs);
  void MakeSaveBar(size_t events);

  void WireShared();
  // The checks a save passes after the block's: each list needs a selection.
  void RefuseUnselected(std::initializer_list<std::pair<TZEIf_else*, ui::TZEComboBox*>> checks);
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
// section (origin 1). Record fields 4 and 5: caption, width.
class TPanelEditorForm : public TEditorForm {
 public:
  ui::TZELabel* captionLabel;
  ui::TZEEdit* caption;
  ui::TZELabel* widthLabel;
  ui::TZEEdit* width;
  TZEHub* widthShown = nullptr;
  TZEDoData* captionText = nullptr;
  TZEDoData* widthText = nullptr;

 protected:
  // Creates the form and the controls from the caption to the text value.
  TPanelEditorForm(TZEMultiElement* host, TElement* parentControl, TClassMultiBase* parentScheme,
                   const TEditorFormLook& look);

  // The shared flow with `fields` outputs; 1 and 2 put the caption and width.
  void MakePanelFlow(size_t fieldCount);
  void WirePanelShared();
};

}  // namespace zorn
