#pragma once

#include "elements/array_ops.h"
#include "elements/str_list.h"
#include "elements/str_split.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/state.h"
#include "runtime/multi_element.h"

namespace zorn {

// Section chooser. Open takes "origin;key" (split at the first ";"), Report
// reports the stored origin. OnOrigin: the origin digit after each split;
// OnReportMain and OnReportWindow: the report for origin 0 and 1. Section:
// mainForm for 0, the dialog's own for 1, empty for anything else; Key: the
// key.
class TEditorSectionScheme : public TClassMultiBase {
 public:
  TEditorSectionScheme(TZEMultiElement* host, TClassMultiBase* parentScheme,
                       const char* ownSection);

  // Host points.
  enum Action : uint16_t { Open = 0, Report = 1 };
  enum Event : uint16_t { OnOrigin = 0, OnReportMain = 1, OnReportWindow = 2 };
  enum DataOutput : uint16_t { Section = 0, Key = 1 };

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
