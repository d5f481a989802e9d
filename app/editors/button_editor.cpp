#include "app/editors/button_editor.h"

#include "app/editors/button_editor_block.h"
#include "app/editors/button_editor_record.h"
#include "app/editors/button_kind_list.h"
#include "app/editors/editor_section.h"
#include "app/editors/editor_setup.h"
#include "app/editors/save_bars.h"

namespace zorn {

using namespace editor_setup;

TClassChildForm_ButtonEditor::TClassChildForm_ButtonEditor(TZEMultiElement* host,
                                                           TElement* parentControl,
                                                           TClassMultiBase* parentScheme)
    : TPanelEditorForm(host, parentControl, parentScheme,
                       {"Редактирование кнопки", "ICON3", 292, 205, 286, 140}) {
  kindLabel = Make<ui::TZELabel>(Label(form, 5, 105, 70, 20, "Тип кнопки:"));
  kind = Make<ui::TZEComboBox>(List(form, 105, TListData::Index, 8, "", "", "Условие включения идикатора"));

  MakePanelFlow(3, 6);  // an int output block is type 6
  noKind = Make<TZEIf_else>(NoneSelected);
  noKindReason = Make<TZEDoData>(Reason("Не выбран тип кнопки"));
  MakeHosts(4, 2);
  kindList = Make<TZEMultiElement>(HostPoints(3, 1));
  MakeSaveBar(1);

  WirePanelShared();
  // The block's type shows its value controls and offers its kinds.
  Connect(blockReader->Events[0], Win(valueLabel), &ui::TZEWin::SetVisible);
  Connect(blockReader->Events[1], Win(intValue), &ui::TZEWin::SetVisible);
  Connect(blockReader->Events[2], Win(textValue), &ui::TZEWin::SetVisible);
  Connect(blockReader->Events[3], kindList, &TZEMultiElement::Action, 0);

  Connect(kindList->Events[0], kind, &ui::TZEComboBox::Clear);
  Connect(kindList->Events[1], kind, &ui::TZEComboBox::Add);
  Connect(kindList->Events[2], kind, &ui::TZEComboBox::SetIndex);
  Connect(kindList->DataInputs[0], parser, &TZEMultiElement::DataOutput, 1);

  // Saving: the kind and the record's last field, kept as it was read.
  RefuseUnselected({{noKind, kind, noKindReason}});
  Connect(record->Args[3], kind, &ui::TZEComboBox::Index);
  Connect(record->Args[6], parser, &TZEMultiElement::DataOutput, 4);

  Build(&SchemeFactory<TClassMultiElement_EditorSection>,
        &SchemeFactory<TClassMultiElement_ButtonEditorRecord>,
        &SchemeFactory<TClassMultiElement_ButtonEditorBlock>,
        {{kindList, &SchemeFactory<TClassMultiElement_ButtonKindList>}},
        &SchemeFactory<TClassChildPanel_EditorSave>);
}

}  // namespace zorn
