#include "app/editors/event_editor.h"

#include "app/editors/editor_setup.h"
#include "app/editors/event_editor_block.h"
#include "app/editors/event_editor_record.h"
#include "app/editors/event_editor_section.h"
#include "app/editors/event_file_choice.h"
#include "app/editors/save_bars.h"

namespace zorn {
namespace {

using EventBlock = TClassMultiElement_EventEditorBlock;
using FileChoice = TClassMultiElement_EventFileChoice;

}  // namespace

using namespace editor_setup;

TClassChildForm_EventEditor::TClassChildForm_EventEditor(TZEMultiElement* host,
                                                         TElement* parentControl,
                                                         TClassMultiBase* parentScheme)
    : TEditorForm(host, parentControl, parentScheme,
                  {"Редактирование события", "ICON6", 299, 242, 293, 177}) {
  nameLabel = Make<ui::TZELabel>(Label(form, 5, 5, 118, 17, "Имя события:"));
  name = Make<ui::TZEEdit>(
      Edit(form, 5, ui::emText, "", "Имя события (СИМВОЛЫ '=' и ';' НЕ ИСПОЛЬЗОВАТЬ)"));
  blockLabel = Make<ui::TZELabel>(Label(form, 5, 30, 75, 20, "Блок:"));
  block = Make<ui::TZEComboBox>(List(form, 30, TListData::Text, 20, "bit\r\nint\r\nstr", "",
                                     "Блок к значениям которого привязывается условие"));
  conditionLabel = Make<ui::TZELabel>(Label(form, 5, 55, 75, 20, "Условие:"));
  condition = Make<ui::TZEComboBox>(List(form, 55, TListData::Index, 8, "Все изменения\r\n=\r\n!=\r\n>\r\n<",
                                         "Условие", "Условие выполнения события"));
  valueLabel = Make<ui::TZELabel>(Label(form, 5, 80, 75, 20, "Значение:"));
  intValue = Make<ui::TZEEdit>(Edit(form, 80, ui::emInteger, "1", ""));
  textValue = Make<ui::TZEEdit>(Edit(form, 80, ui::emText, "", "Значение"));
  bitValue = Make<ui::TZEComboBox>(List(form, 80, TListData::Text, 8, "0\r\n1", "бит", "Значение"));
  actionLabel = Make<ui::TZELabel>(Label(form, 5, 105, 75, 20, "Действие:"));
  action = Make<ui::TZEComboBox>(List(
      form, 105, TListData::Index, 8,
      "Только запись\r\nПроиграть звук\r\nОткрыть файл\r\nГромкость ПК\r\nОтключить ПК\r\n"
      "Перезагрузить ПК\r\nЗаблокировать ПК",
      "Действие", "Выполняемое действие при выполнение условия"));
  parameter = Make<ui::TZELabel>(Label(form, 5, 130, 280, 17, ""));
  volume = Make<ui::TZEScrollBar>([&](auto& s) {
    Place(s, form, 130, 135, 150, 20, "");
    s.Orientation = ui::TScrollOrientation::Horizontal;
    s.Min = 0;
    s.Max = 100;
    s.Page = 2;
    s.Position = 10;
    s.NotifyMode = 0;
    s.Visible = false;
  });

  // Opening steps of its own: 3 raises the opening flag, 8 lowers it.
  MakeFlow({1, 1, 5, 3, 1});  // an int rule is type 1
  openingFlag = Make<TZEMemory>([](auto& m) {
    TData off;
    MakeInt(off, 0);
    m.SetDefault(off);
  });
  openingOn = Make<TZEDoData>(IntValue(1));
  openingOff = Make<TZEDoData>(IntValue(0));
  nameText = Make<TZEDoData>();
  conditionIndex = Make<TZEDoData>();
  actionIndex = Make<TZEDoData>();
  parameterText = Make<TZEDoData>();
  bitZero = Make<TZECase>([](auto& c) {
    MakeStr(c.Value, "0");
    MakeInt(c.Data, 0);
  });
  bitOne = Make<TZECase>([](auto& c) {
    MakeStr(c.Value, "1");
    MakeInt(c.Data, 1);
  });
  bitNone = Make<TZEDoData>(IntValue(-1));
  actionOpened = Make<TZEIf_else>([](auto& g) {
    g.Type = cmEqual;
    MakeInt(g.Op2, 1);
  });
  noCondition = Make<TZEIf_else>(NoneSelected);
  noConditionReason = Make<TZEDoData>(Reason("Не выбрано условие"));
  noAction = Make<TZEIf_else>(NoneSelected);
  noActionReason = Make<TZEDoData>(Reason("Не выбрано действие"));
  noBit = Make<TZEIf_else>(NoneSelected);
  noBitReason = Make<TZEDoData>(Reason("Не выбрано значение"));
  deleting = Make<TZEHub>(Outputs(3));
  remover = Make<TZEini>(UserSettings);
  MakeHosts(4, 3);
  fileChoice = Make<TZEMultiElement>(HostPoints(3, 1));
  MakeSaveBar(2);

  WireShared();
  Connect(opening->Outputs[3], openingOn, &TZEDoData::Emit);
  Connect(openingOn->OnEmit, openingFlag, &TZEMemory::Write);
  Connect(opening->Outputs[8], openingOff, &TZEDoData::Emit);
  Connect(openingOff->OnEmit, openingFlag, &TZEMemory::Write);

  // The bit list selects the item that is the stored text; any other text,
  // "01" as much as "abc", selects none, so it is not saved as a bit it is not.
  Connect(valueFields->Outputs[2], bitZero, &TZECase::Test);
  Connect(bitZero->OnMatch, bitValue, &ui::TZEComboBox::SetIndex);
  Connect(bitZero->OnElse, bitOne, &TZECase::Test);
  Connect(bitOne->OnMatch, bitValue, &ui::TZEComboBox::SetIndex);
  Connect(bitOne->OnElse, bitNone, &TZEDoData::Emit);
  Connect(bitNone->OnEmit, bitValue, &ui::TZEComboBox::SetIndex);
  Connect(fields->Outputs[1], conditionIndex, &TZEDoData::Emit);
  Connect(conditionIndex->DataInput, parser, &TZEMultiElement::DataOutput,
          TEditorRecordScheme::Field4);
  Connect(conditionIndex->OnEmit, condition, &ui::TZEComboBox::SetIndex);
  Connect(fields->Outputs[2], nameText, &TZEDoData::Emit);
  Connect(nameText->DataInput, parser, &TZEMultiElement::DataOutput, TEditorRecordScheme::Field5);
  Connect(nameText->OnEmit, name, &ui::TZEEdit::SetText);
  Connect(fields->Outputs[3], actionIndex, &TZEDoData::Emit);
  Connect(actionIndex->DataInput, parser, &TZEMultiElement::DataOutput,
          TEditorRecordScheme::Field6);
  Connect(actionIndex->OnEmit, action, &ui::TZEComboBox::SetIndex);
  Connect(fields->Outputs[4], parameterText, &TZEDoData::Emit);
  Connect(parameterText->DataInput, parser, &TZEMultiElement::DataOutput,
          TEditorRecordScheme::Field7);
  Connect(parameterText->OnEmit, parameter, &ui::TZELabel::SetText);

  Connect(blockReader->Events[EventBlock::OnIntegerField], Win(intValue), &ui::TZEWin::SetVisible);
  Connect(blockReader->Events[EventBlock::OnTextField], Win(textValue), &ui::TZEWin::SetVisible);
  Connect(blockReader->Events[EventBlock::OnBitList], Win(bitValue), &ui::TZEWin::SetVisible);
  Connect(blockReader->DataInputs[EventBlock::BitList], bitValue, &ui::TZEComboBox::Value);

  // The action: while opening only the bar follows it; afterwards it is
  // the operator's choice and may run a file dialog.
  Connect(action->OnSelect, actionOpened, &TZEIf_else::Compare);
  Connect(actionOpened->Op1Input, openingFlag, &TZEMemory::Value);
  Connect(actionOpened->OnTrue, fileChoice, &TZEMultiElement::Action, FileChoice::Opened);
  Connect(actionOpened->OnFalse, fileChoice, &TZEMultiElement::Action, FileChoice::Choose);
  Connect(fileChoice->Events[FileChoice::OnParameter], parameter, &ui::TZELabel::SetText);
  Connect(fileChoice->Events[FileChoice::OnBarVisible], Win(volume), &ui::TZEWin::SetVisible);
  Connect(fileChoice->Events[FileChoice::OnBarPosition], volume, &ui::TZEScrollBar::SetPosition);
  Connect(fileChoice->DataInputs[FileChoice::Stored], parser, &TZEMultiElement::DataOutput,
          TEditorRecordScheme::Field7);
  Connect(volume->OnPosition, parameter, &ui::TZELabel::SetText);

  // Saving: condition, name, action and parameter; a bool rule needs a bit.
  RefuseUnselected(
      {{noCondition, condition, noConditionReason}, {noAction, action, noActionReason}});
  Connect(valueByType->Channels[0], noBit, &TZEIf_else::Compare);
  Connect(noBit->Op1Input, bitValue, &ui::TZEComboBox::Index);
  Connect(noBit->OnTrue, noBitReason, &TZEDoData::Emit);
  Explain(noBitReason);
  Connect(noBit->OnFalse, checked, &TZEHub::Distribute);
  Connect(record->Args[3], condition, &ui::TZEComboBox::Index);
  Connect(record->Args[4], name, &ui::TZEEdit::Value);
  Connect(record->Args[5], action, &ui::TZEComboBox::Index);
  Connect(record->Args[6], parameter, &ui::TZELabel::Value);

  // Deleting: the rule no longer exists, so the dialog goes as after a save.
  Connect(saveBar->Events[TClassChildPanel_EventEditorSave::OnDelete], deleting,
          &TZEHub::Distribute);
  Connect(deleting->Outputs[0], remover, &TZEini::DeleteKey);
  Connect(remover->SectionInput, section, &TZEMultiElement::DataOutput,
          TEditorSectionScheme::Section);
  Connect(remover->KeyInput, section, &TZEMultiElement::DataOutput, TEditorSectionScheme::Key);
  Connect(deleting->Outputs[1], section, &TZEMultiElement::Action, TEditorSectionScheme::Report);
  Connect(deleting->Outputs[2], hideForm, &TZEDoData::Emit);

  Build(&SchemeFactory<TClassMultiElement_EventEditorSection>,
        &SchemeFactory<TClassMultiElement_EventEditorRecord>,
        &SchemeFactory<TClassMultiElement_EventEditorBlock>,
        {{fileChoice, &SchemeFactory<TClassMultiElement_EventFileChoice>}},
        &SchemeFactory<TClassChildPanel_EventEditorSave>);
}

}  // namespace zorn
