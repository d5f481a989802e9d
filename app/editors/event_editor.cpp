#include "app/editors/event_editor.h"

#include "app/editors/editor_setup.h"
#include "app/editors/event_file_choice.h"
#include "app/editors/save_bars.h"

namespace zorn {

using namespace editor_setup;

namespace {

ui::TZEWin* Win(ui::TZEWin* control) { return control; }

auto Settings() {
  return [](TZEini& ini) {
    ini.FileName = "user_settings.ini";
    ini.StringType = true;
  };
}

void NoneSelected(TZEIf_else& g) {
  g.Type = cmLess;
  MakeInt(g.Op2, 0);
}

}  // namespace

TClassChildForm_EventEditor::TClassChildForm_EventEditor(TZEMultiElement* host,
                                                         TElement* parentControl,
                                                         TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 2); });
  form = Make<ui::TZEMainForm>([&](auto& f) {
    f.Parent = dynamic_cast<ui::TZEWin*>(parentControl);
    f.Caption = "Редактирование события";
    f.IconName = "ICON6";
    f.BorderStyle = 3;
    f.Left = 35;
    f.Top = 105;
    f.Width = 299;
    f.Height = 242;
    f.Centered = true;
    f.Visible = false;
    f.Init();
  });
  background = Make<ui::TZEImage>([&](auto& i) {
    Place(i, form, 0, 0, 293, 177, "");
    i.Stretch = true;
    i.Init();
  });
  nameLabel = Make<ui::TZELabel>(Label(form, 5, 5, 118, 17, "Имя события:"));
  name = Make<ui::TZEEdit>(
      Edit(form, 5, ui::emText, "", "Имя события (СИМВОЛЫ '=' и ';' НЕ ИСПОЛЬЗОВАТЬ)"));
  blockLabel = Make<ui::TZELabel>(Label(form, 5, 30, 75, 20, "Блок:"));
  block = Make<ui::TZEComboBox>(List(form, 30, true, 20, "bit\r\nint\r\nstr", "",
                                     "Блок к значениям которого привязывается условие"));
  conditionLabel = Make<ui::TZELabel>(Label(form, 5, 55, 75, 20, "Условие:"));
  condition = Make<ui::TZEComboBox>(List(form, 55, false, 8, "Все изменения\r\n=\r\n!=\r\n>\r\n<",
                                         "Условие", "Условие выполнения события"));
  valueLabel = Make<ui::TZELabel>(Label(form, 5, 80, 75, 20, "Значение:"));
  intValue = Make<ui::TZEEdit>(Edit(form, 80, ui::emInteger, "1", ""));
  textValue = Make<ui::TZEEdit>(Edit(form, 80, ui::emText, "", "Значение"));
  bitValue = Make<ui::TZEComboBox>(List(form, 80, true, 8, "0\r\n1", "бит", "Значение"));
  actionLabel = Make<ui::TZELabel>(Label(form, 5, 105, 75, 20, "Действие:"));
  action = Make<ui::TZEComboBox>(List(
      form, 105, false, 8,
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
    s.Init();
  });

  opening = Make<TZEHub>([](auto& h) { Outputs(h, 9); });
  stored = Make<TZEMemory>([](auto& m) {
    TData empty;
    MakeStr(empty, "");
    m.SetDefault(empty);
  });
  reader = Make<TZEini>(Settings());
  openingFlag = Make<TZEMemory>([](auto& m) {
    TData off;
    MakeInt(off, 0);
    m.SetDefault(off);
  });
  openingOn = Make<TZEDoData>([](auto& d) { IntValue(d, 1); });
  openingOff = Make<TZEDoData>([](auto& d) { IntValue(d, 0); });
  parse = Make<TZEDoData>(ValueOf(stored, &TZEMemory::Value));
  showForm = Make<TZEDoData>([](auto& d) { IntValue(d, 1); });
  fields = Make<TZEHub>([](auto& h) { Outputs(h, 5); });
  valueText = Make<TZEDoData>();
  valueFields = Make<TZEHub>([](auto& h) { Outputs(h, 3); });
  nameText = Make<TZEDoData>();
  conditionIndex = Make<TZEDoData>();
  actionIndex = Make<TZEDoData>();
  parameterText = Make<TZEDoData>();
  actionOpened = Make<TZEIf_else>([](auto& g) {
    g.Type = cmEqual;
    MakeInt(g.Op2, 1);
  });
  noBlock = Make<TZEIf_else>(NoneSelected);
  noCondition = Make<TZEIf_else>(NoneSelected);
  noAction = Make<TZEIf_else>(NoneSelected);
  saving = Make<TZEHub>([](auto& h) { Outputs(h, 3); });
  record = Make<TZEFormatStr>([](auto& f) {
    f.Mask = "%1;%2;%3;%4;%5;%6;%7";
    f.SetCount(7);
  });
  writer = Make<TZEini>(Settings());
  deleting = Make<TZEHub>([](auto& h) { Outputs(h, 3); });
  remover = Make<TZEini>(Settings());
  hideForm = Make<TZEDoData>([](auto& d) { IntValue(d, 0); });
  section = Make<TZEMultiElement>(Inner(3, 0));
  parser = Make<TZEMultiElement>(Inner(3, 1));
  blockReader = Make<TZEMultiElement>(Inner(4, 3));
  fileChoice = Make<TZEMultiElement>(Inner(3, 1));
  saveBar = Make<TZEMultiElement>(Inner(2, 0));
  Control = form;
  Boundary = boundary;
  boundary->Scheme = this;
  boundary->Host = host;

  // Opening, as in the button editor; the stored action and parameter last.
  Connect(boundary->InnerEvents[0], opening, &TZEHub::Distribute);
  Connect(opening->Outputs[0], section, &TZEMultiElement::Action, 0);
  Connect(opening->Outputs[1], stored, &TZEMemory::Clear);
  Connect(opening->Outputs[2], reader, &TZEini::Read);
  Connect(reader->SectionInput, section, &TZEMultiElement::DataOutput, 0);
  Connect(reader->KeyInput, section, &TZEMultiElement::DataOutput, 1);
  Connect(reader->OnRead, stored, &TZEMemory::Write);
  Connect(opening->Outputs[3], openingOn, &TZEDoData::Emit);
  Connect(openingOn->OnEmit, openingFlag, &TZEMemory::Write);
  Connect(opening->Outputs[4], parse, &TZEDoData::Emit);
  Connect(parse->OnEmit, parser, &TZEMultiElement::Action, 0);
  Connect(opening->Outputs[5], background, &ui::TZEImage::Load);
  Connect(background->BitmapInput, boundary, &TZEEditMulti::DataOutput, 1);
  Connect(opening->Outputs[6], showForm, &TZEDoData::Emit);
  Connect(showForm->OnEmit, Win(form), &ui::TZEWin::SetVisible);
  Connect(opening->Outputs[7], fields, &TZEHub::Distribute);
  Connect(opening->Outputs[8], openingOff, &TZEDoData::Emit);
  Connect(openingOff->OnEmit, openingFlag, &TZEMemory::Write);

  Connect(fields->Outputs[0], valueText, &TZEDoData::Emit);
  Connect(valueText->DataInput, parser, &TZEMultiElement::DataOutput, 0);
  Connect(valueText->OnEmit, valueFields, &TZEHub::Distribute);
  Connect(valueFields->Outputs[0], intValue, &ui::TZEEdit::SetText);
  Connect(valueFields->Outputs[1], textValue, &ui::TZEEdit::SetText);
  // The bit items "0" and "1" stand at their own indices.
  Connect(valueFields->Outputs[2], bitValue, &ui::TZEComboBox::SetIndex);
  Connect(fields->Outputs[1], conditionIndex, &TZEDoData::Emit);
  Connect(conditionIndex->DataInput, parser, &TZEMultiElement::DataOutput, 1);
  Connect(conditionIndex->OnEmit, condition, &ui::TZEComboBox::SetIndex);
  Connect(fields->Outputs[2], nameText, &TZEDoData::Emit);
  Connect(nameText->DataInput, parser, &TZEMultiElement::DataOutput, 2);
  Connect(nameText->OnEmit, name, &ui::TZEEdit::SetText);
  Connect(fields->Outputs[3], actionIndex, &TZEDoData::Emit);
  Connect(actionIndex->DataInput, parser, &TZEMultiElement::DataOutput, 3);
  Connect(actionIndex->OnEmit, action, &ui::TZEComboBox::SetIndex);
  Connect(fields->Outputs[4], parameterText, &TZEDoData::Emit);
  Connect(parameterText->DataInput, parser, &TZEMultiElement::DataOutput, 4);
  Connect(parameterText->OnEmit, parameter, &ui::TZELabel::SetText);

  Connect(section->Events[1], boundary, &TZEEditMulti::Action, 0);
  Connect(section->Events[2], boundary, &TZEEditMulti::Action, 1);
  Connect(parser->Events[0], block, &ui::TZEComboBox::Clear);
  Connect(parser->Events[1], block, &ui::TZEComboBox::Add);
  Connect(parser->Events[2], block, &ui::TZEComboBox::SetIndex);
  Connect(parser->DataInputs[0], boundary, &TZEEditMulti::DataOutput, 0);

  Connect(block->OnSelect, blockReader, &TZEMultiElement::Action, 0);
  Connect(blockReader->Events[0], Win(intValue), &ui::TZEWin::SetVisible);
  Connect(blockReader->Events[1], Win(textValue), &ui::TZEWin::SetVisible);
  Connect(blockReader->Events[2], Win(bitValue), &ui::TZEWin::SetVisible);
  Connect(blockReader->DataInputs[0], intValue, &ui::TZEEdit::Value);
  Connect(blockReader->DataInputs[1], textValue, &ui::TZEEdit::Value);
  Connect(blockReader->DataInputs[2], bitValue, &ui::TZEComboBox::Value);

  // The action: while opening only the bar follows it; afterwards it is
  // the operator's choice and may run a file dialog.
  Connect(action->OnSelect, actionOpened, &TZEIf_else::Compare);
  Connect(actionOpened->Op1Input, openingFlag, &TZEMemory::Value);
  Connect(actionOpened->OnTrue, fileChoice, &TZEMultiElement::Action, 1);
  Connect(actionOpened->OnFalse, fileChoice, &TZEMultiElement::Action, 0);
  Connect(fileChoice->Events[0], parameter, &ui::TZELabel::SetText);
  Connect(fileChoice->Events[1], Win(volume), &ui::TZEWin::SetVisible);
  Connect(fileChoice->Events[2], volume, &ui::TZEScrollBar::SetPosition);
  Connect(fileChoice->DataInputs[0], parser, &TZEMultiElement::DataOutput, 4);
  Connect(volume->OnPosition, parameter, &ui::TZELabel::SetText);

  // Saving.
  Connect(saveBar->Events[0], noBlock, &TZEIf_else::Compare);
  Connect(noBlock->Op1Input, blockReader, &TZEMultiElement::DataOutput, 0);
  Connect(noBlock->OnFalse, noCondition, &TZEIf_else::Compare);
  Connect(noCondition->Op1Input, condition, &ui::TZEComboBox::Index);
  Connect(noCondition->OnFalse, noAction, &TZEIf_else::Compare);
  Connect(noAction->Op1Input, action, &ui::TZEComboBox::Index);
  Connect(noAction->OnFalse, saving, &TZEHub::Distribute);
  Connect(saving->Outputs[0], record, &TZEFormatStr::Format);
  Connect(record->Args[0], blockReader, &TZEMultiElement::DataOutput, 0);
  Connect(record->Args[1], blockReader, &TZEMultiElement::DataOutput, 1);
  Connect(record->Args[2], blockReader, &TZEMultiElement::DataOutput, 2);
  Connect(record->Args[3], condition, &ui::TZEComboBox::Index);
  Connect(record->Args[4], name, &ui::TZEEdit::Value);
  Connect(record->Args[5], action, &ui::TZEComboBox::Index);
  Connect(record->Args[6], parameter, &ui::TZELabel::Value);
  Connect(record->OnResult, writer, &TZEini::Write);
  Connect(writer->SectionInput, section, &TZEMultiElement::DataOutput, 0);
  Connect(writer->KeyInput, section, &TZEMultiElement::DataOutput, 1);
  Connect(writer->ValueInput, record, &TZEFormatStr::Result);
  Connect(saving->Outputs[1], section, &TZEMultiElement::Action, 1);
  Connect(saving->Outputs[2], hideForm, &TZEDoData::Emit);
  Connect(hideForm->OnEmit, Win(form), &ui::TZEWin::SetVisible);

  // Deleting: the rule no longer exists, so the dialog goes as after a save.
  Connect(saveBar->Events[1], deleting, &TZEHub::Distribute);
  Connect(deleting->Outputs[0], remover, &TZEini::DeleteKey);
  Connect(remover->SectionInput, section, &TZEMultiElement::DataOutput, 0);
  Connect(remover->KeyInput, section, &TZEMultiElement::DataOutput, 1);
  Connect(deleting->Outputs[1], section, &TZEMultiElement::Action, 1);
  Connect(deleting->Outputs[2], hideForm, &TZEDoData::Emit);

  for (TZEMultiElement* inner : {section, parser, blockReader, fileChoice, saveBar}) {
    inner->ParentControl = form;
    inner->ParentScheme = this;
  }
  section->SetFactory(&SchemeFactory<TClassMultiElement_EventEditorSection>);
  parser->SetFactory(&SchemeFactory<TClassMultiElement_EventEditorRecord>);
  blockReader->SetFactory(&SchemeFactory<TClassMultiElement_EventEditorBlock>);
  fileChoice->SetFactory(&SchemeFactory<TClassMultiElement_EventFileChoice>);
  saveBar->SetFactory(&SchemeFactory<TClassChildPanel_EventEditorSave>);
}

}  // namespace zorn
