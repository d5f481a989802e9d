#include "app/editors/indicator_editor_record.h"

#include "app/editors/editor_types.h"

namespace zorn {

namespace {

const TEditorRecordKind kIndicatorRecord = {
    "#;*;*;#;*;*;#", {"1", "0", "Надпись", "70", "0"}, "Вход:(", kInputTypeNames, false};

}  // namespace

TClassMultiElement_IndicatorEditorRecord::TClassMultiElement_IndicatorEditorRecord(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TEditorRecordScheme(host, parentScheme, kIndicatorRecord) {}

}  // namespace zorn
