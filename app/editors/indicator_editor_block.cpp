#include "app/editors/indicator_editor_block.h"

#include "app/editors/editor_types.h"

namespace zorn {

namespace {

// Indicator: integer field, text field, condition list with its label.
const TEditorBlockKind kIndicatorBlock = {"Вход:(", kInputTypeNames, 0,
                                          {{{0, 0, 0}, -1}, {{1, 0, 1}, 0}, {{0, 1, 0}, 1}},
                                          {{0, 1, 1}, 1}, 2};

}  // namespace

TClassMultiElement_IndicatorEditorBlock::TClassMultiElement_IndicatorEditorBlock(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TEditorBlockScheme(host, parentScheme, kIndicatorBlock) {}

}  // namespace zorn
