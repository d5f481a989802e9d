#include "app/editors/button_editor_record.h"

#include "app/editors/editor_types.h"

namespace zorn {

namespace {

const TEditorRecordKind kButtonRecord = {
    "#;*;*;#;*;*;#", {"1", "0", "Надпись", "70", "0"}, "Выход:(", kOutputTypeNames, true};

}  // namespace

TClassMultiElement_ButtonEditorRecord::TClassMultiElement_ButtonEditorRecord(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TEditorRecordScheme(host, parentScheme, kButtonRecord) {}

}  // namespace zorn
