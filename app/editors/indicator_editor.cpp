#include "app/editors/indicator_editor.h"

#include "app/editors/editor_setup.h"
#include "app/editors/save_bars.h"

namespace zorn {

using namespace editor_setup;

TClassChildForm_IndicatorEditor::TClassChildForm_IndicatorEditor(TZEMultiElement* host,
                                                           TElement* parentControl,
                                                           TClassMultiBase* parentScheme)
    : TPanelEditorForm(host, parentControl, parentScheme,
                       {"Редактирование индикатора", "ICON2", 300, 203, 294, 138}) {
  conditionLabel = Make<ui::TZELabel>(Label(form, 5, 105, 70, 20, "Условие:"));
  condition = Make<ui::TZEComboBox>(
      List(form, 105, false, 8, "=\r\n!=\r\n>\r\n<", "", "Условие включения идикатора"));

  MakePanelFlow(5);
  conditionIndex = Make<TZEDoData>();
  signal = Make<TZEDoData>();
  noCondition = Make<TZEIf_else>(NoneSelected);
  MakeHosts(5, 2);
  MakeSaveBar(1);

  WirePanelShared();
  Connect(fields->Outputs[3], conditionIndex, &TZEDoData::Emit);
  Connect(conditionIndex->DataInput, parser, &TZEMultiElement::DataOutput, 1);
  Connect(conditionIndex->OnEmit, condition, &ui::TZEComboBox::SetIndex);
  Connect(fields->Outputs[4], signal, &TZEDoData::Emit);
  Connect(signal->DataInput, parser, &TZEMultiElement::DataOutput, 4);
  Connect(signal->OnEmit, saveBar, &TZEMultiElement::Action, 0);

  // The block's type shows its value control; text blocks have no condition.
  Connect(blockReader->Events[0], Win(intValue), &ui::TZEWin::SetVisible);
  Connect(blockReader->Events[1], Win(textValue), &ui::TZEWin::SetVisible);
  Connect(blockReader->Events[2], Win(condition), &ui::TZEWin::SetVisible);
  Connect(blockReader->Events[3], Win(conditionLabel), &ui::TZEWin::SetVisible);

  // Saving: the condition and the sound flag of the save bar.
  RefuseUnselected({{noCondition, condition}});
  Connect(record->Args[3], condition, &ui::TZEComboBox::Index);
  Connect(record->Args[6], saveBar, &TZEMultiElement::DataOutput, 0);

  Build(&SchemeFactory<TClassMultiElement_IndicatorEditorSection>,
        &SchemeFactory<TClassMultiElement_IndicatorEditorRecord>,
        &SchemeFactory<TClassMultiElement_IndicatorEditorBlock>, {},
        &SchemeFactory<TClassChildPanel_IndicatorEditorSave>);
}

}  // namespace zorn
