#pragma once

#include "elements/array_ops.h"
#include "elements/str_list.h"
#include "elements/str_split.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/state.h"
#include "runtime/multi_element.h"

namespace zorn {

// Section chooser. Host action 0 takes "origin;key" (split at the first
// ";"), action 1 reports the stored origin. Host events: 0 the origin digit
// after each split, 1 the report for origin 0, 2 the report for origin 1.
// Host data outputs: 0 the section (mainForm for 0, the dialog's own for 1,
// empty for anything else), 1 the key.
class TEditorSectionScheme : public TClassMultiBase {
 public:
  TEditorSectionScheme(TZEMultiElement* host, TClassMultiBase* parentScheme,
                       const char* ownSection);

  TZEEditMulti* boundary;
  TZEHub* opening;
  TZEMemory* origin;
  TZEMemory* key;
  TZEMemory* section;
  TZEMultiStrData* split;
  TZEHub* splitDone;
  TZEStrList* sections;
  TZEArrayRW* sectionOf;
  TZEIndexToChanel* report;
};

}  // namespace zorn
