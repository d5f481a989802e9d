#include "app/editors/event_editor_record.h"

#include "app/editors/editor_types.h"

namespace zorn {

namespace {

const TEditorRecordKind kEventRecord = {
    "#;*;*;#;*;#;*", {"1", "0", "Событие", "0", ""}, "Вход:(", kInputTypeNames, false};

}  // namespace

TClassMultiElement_EventEditorRecord::TClassMultiElement_EventEditorRecord(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TEditorRecordScheme(host, parentScheme, kEventRecord) {}

}  // namespace zorn
