#include "app/editors/button_editor_block.h"

#include "app/editors/editor_types.h"

namespace zorn {

namespace {

// Button: value label, integer field, text field.
const TEditorBlockKind kButtonBlock = {"Выход:(", kOutputTypeNames, 5,
                                       {{{0, 0, 0}, -1}, {{1, 1, 0}, 0}, {{1, 0, 1}, 1}},
                                       {{1, 0, 1}, 1}, 2};

}  // namespace

TClassMultiElement_ButtonEditorBlock::TClassMultiElement_ButtonEditorBlock(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TEditorBlockScheme(host, parentScheme, kButtonBlock) {}

}  // namespace zorn
