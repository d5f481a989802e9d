#include "app/editors/indicator_editor.h"

#include "app/editors/editor_setup.h"
#include "app/editors/indicator_editor_block.h"
#include "app/editors/indicator_editor_record.h"
#include "app/editors/indicator_editor_section.h"
#include "app/editors/save_bars.h"

namespace zorn {

using namespace editor_setup;

namespace {

using IndicatorBlock = TClassMultiElement_IndicatorEditorBlock;

}  // namespace

TClassChildForm_IndicatorEditor::TClassChildForm_IndicatorEditor(TZEMultiElement* host,
                                                           TElement* parentControl,
                                                           TClassMultiBase* parentScheme)
    : TPanelEditorForm(host, parentControl, parentScheme,
                       {"Редактирование индикатора", "ICON2", 300, 203, 294, 138}) {
  conditionLabel = Make<ui::TZELabel>(Label(form, 5, 105, 70, 20, "Условие:"));
  condition = Make<ui::TZEComboBox>(
      List(form, 105, TListData::Index, 8, "=\r\n!=\r\n>\r\n<", "", "Условие включения идикатора"));

  MakePanelFlow(6, 1);  // an int input block is type 1
  conditionIndex = Make<TZEDoData>();
  signal = Make<TZEDoData>();
  reselect = Make<TZEDoData>(ValueOf(block, &ui::TZEComboBox::Index));
  conditionUnset = Make<TZEIf_else>(NoneSelected);
  showCondition = Make<TZEDoData>(IntValue(1));
  conditionShown = Make<TZEHub>(Outputs(2));
  noCondition = Make<TZEIf_else>(NoneSelected);
  noConditionReason = Make<TZEDoData>(Reason("Не выбрано условие"));
  MakeHosts(4, 2);
  MakeSaveBar(1);

  WirePanelShared();
  Connect(fields->Outputs[3], conditionIndex, &TZEDoData::Emit);
  Connect(conditionIndex->DataInput, parser, &TZEMultiElement::DataOutput,
          TEditorRecordScheme::Field4);
  Connect(conditionIndex->OnEmit, condition, &ui::TZEComboBox::SetIndex);
  Connect(fields->Outputs[4], signal, &TZEDoData::Emit);
  Connect(signal->DataInput, parser, &TZEMultiElement::DataOutput, TEditorRecordScheme::Field7);
  Connect(signal->OnEmit, saveBar, &TZEMultiElement::Action,
          TClassChildPanel_IndicatorEditorSave::SetSound);
  Connect(fields->Outputs[5], reselect, &TZEDoData::Emit);
  Connect(reselect->OnEmit, block, &ui::TZEComboBox::SetIndex);

  // The block's type shows its value control; bool and text blocks hide
  // the condition, unless none is set, which the operator must then choose.
  Connect(blockReader->Events[IndicatorBlock::OnIntegerField], Win(intValue),
          &ui::TZEWin::SetVisible);
  Connect(blockReader->Events[IndicatorBlock::OnTextField], Win(textValue),
          &ui::TZEWin::SetVisible);
  Connect(blockReader->Events[IndicatorBlock::OnCondition], conditionUnset, &TZEIf_else::Compare);
  Connect(conditionUnset->Op1Input, condition, &ui::TZEComboBox::Index);
  Connect(conditionUnset->OnTrue, showCondition, &TZEDoData::Emit);
  Connect(showCondition->OnEmit, conditionShown, &TZEHub::Distribute);
  Connect(conditionUnset->OnFalse, conditionShown, &TZEHub::Distribute);
  Connect(conditionShown->Outputs[0], Win(condition), &ui::TZEWin::SetVisible);
  Connect(conditionShown->Outputs[1], Win(conditionLabel), &ui::TZEWin::SetVisible);

  // Saving: the condition and the sound flag of the save bar.
  RefuseUnselected({{noCondition, condition, noConditionReason}});
  Connect(record->Args[3], condition, &ui::TZEComboBox::Index);
  Connect(record->Args[6], saveBar, &TZEMultiElement::DataOutput,
          TClassChildPanel_IndicatorEditorSave::Sound);

  Build(&SchemeFactory<TClassMultiElement_IndicatorEditorSection>,
        &SchemeFactory<TClassMultiElement_IndicatorEditorRecord>,
        &SchemeFactory<TClassMultiElement_IndicatorEditorBlock>, {},
        &SchemeFactory<TClassChildPanel_IndicatorEditorSave>);
}

}  // namespace zorn
