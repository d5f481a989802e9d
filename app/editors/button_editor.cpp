#include "app/editors/button_editor.h"

#include "app/editors/button_editor_block.h"
#include "app/editors/button_editor_record.h"
#include "app/editors/button_kind_list.h"
#include "app/editors/editor_section.h"
#include "app/editors/editor_setup.h"
#include "app/editors/save_bars.h"

namespace zorn {
namespace {

using ButtonBlock = TClassMultiElement_ButtonEditorBlock;
using KindList = TClassMultiElement_ButtonKindList;

}  // namespace

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
  Connect(blockReader->Events[ButtonBlock::OnValueLabel], Win(valueLabel), &ui::TZEWin::SetVisible);
  Connect(blockReader->Events[ButtonBlock::OnIntegerField], Win(intValue), &ui::TZEWin::SetVisible);
  Connect(blockReader->Events[ButtonBlock::OnTextField], Win(textValue), &ui::TZEWin::SetVisible);
  Connect(blockReader->Events[ButtonBlock::OnTypeCode], kindList, &TZEMultiElement::Action,
          KindList::Type);

  Connect(kindList->Events[KindList::OnClear], kind, &ui::TZEComboBox::Clear);
  Connect(kindList->Events[KindList::OnAdd], kind, &ui::TZEComboBox::Add);
  Connect(kindList->Events[KindList::OnSelect], kind, &ui::TZEComboBox::SetIndex);
  Connect(kindList->DataInputs[KindList::Kind], parser, &TZEMultiElement::DataOutput,
          TEditorRecordScheme::Field4);

  // Saving: the kind and the record's last field, kept as it was read.
  RefuseUnselected({{noKind, kind, noKindReason}});
  Connect(record->Args[3], kind, &ui::TZEComboBox::Index);
  Connect(record->Args[6], parser, &TZEMultiElement::DataOutput, TEditorRecordScheme::Field7);

  Build(&SchemeFactory<TClassMultiElement_EditorSection>,
        &SchemeFactory<TClassMultiElement_ButtonEditorRecord>,
        &SchemeFactory<TClassMultiElement_ButtonEditorBlock>,
        {{kindList, &SchemeFactory<TClassMultiElement_ButtonKindList>}},
        &SchemeFactory<TClassChildPanel_EditorSave>);
}

}  // namespace zorn
