#include "app/editors/event_editor_block.h"

#include "app/editors/editor_types.h"

namespace zorn {

namespace {

// Event rule: integer field, text field, bit list; a bool rule saves the bit.
const TEditorBlockKind kEventBlock = {"Вход:(", kInputTypeNames, 0,
                                      {{{0, 0, 1}, 2}, {{1, 0, 0}, 0}, {{0, 1, 0}, 1}},
                                      {{0, 1, 0}, 1}, 3};

}  // namespace

TClassMultiElement_EventEditorBlock::TClassMultiElement_EventEditorBlock(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TEditorBlockScheme(host, parentScheme, kEventBlock) {}

}  // namespace zorn
