#include "app/editors/button_editor.h"

#include "app/editors/editor_setup.h"
#include "app/editors/save_bars.h"

namespace zorn {

using namespace editor_setup;

namespace {
ui::TZEWin* Win(ui::TZEWin* control) { return control; }
}  // namespace

TClassChildForm_ButtonEditor::TClassChildForm_ButtonEditor(TZEMultiElement* host,
                                                           TElement* parentControl,
                                                           TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 2); });
  form = Make<ui::TZEMainForm>([&](auto& f) {
    f.Parent = dynamic_cast<ui::TZEWin*>(parentControl);
    f.Caption = "Редактирование кнопки";
    f.IconName = "ICON3";
    f.BorderStyle = 3;
    f.Left = 35;
    f.Top = 105;
    f.Width = 292;
    f.Height = 205;
    f.Centered = true;
    f.Visible = false;
    f.Init();
  });
  background = Make<ui::TZEImage>([&](auto& i) {
    Place(i, form, 0, 0, 286, 140, "");
    i.Stretch = true;
    i.Init();
  });
  captionLabel = Make<ui::TZELabel>(Label(form, 5, 5, 118, 17, "Надпись на элементе:"));
  caption = Make<ui::TZEEdit>(
      Edit(form, 5, ui::emText, "Имя", "Надпись на элементе (СИМВОЛЫ '=' и ';' НЕ ИСПОЛЬЗОВАТЬ)"));
  widthLabel = Make<ui::TZELabel>(Label(form, 5, 30, 91, 20, "Ширина:"));
  width = Make<ui::TZEEdit>(Edit(form, 30, ui::emUnsigned, "50", "Ширина элемента"));
  blockLabel = Make<ui::TZELabel>(Label(form, 5, 55, 75, 20, "Блок:"));
  block = Make<ui::TZEComboBox>(List(form, 55, true, 20, "bit\r\nint\r\nstr", "Блок", "bit"));
  valueLabel = Make<ui::TZELabel>(Label(form, 5, 80, 75, 20, "Значение:"));
  intValue = Make<ui::TZEEdit>(
      Edit(form, 80, ui::emInteger, "1", "Значение с которым сравнивается "));
  textValue = Make<ui::TZEEdit>(
      Edit(form, 80, ui::emText, "Значение", "Значение с которым сравнивается "));
  kindLabel = Make<ui::TZELabel>(Label(form, 5, 105, 70, 20, "Тип кнопки:"));
  kind = Make<ui::TZEComboBox>(List(form, 105, false, 8, "", "", "Условие включения идикатора"));

  opening = Make<TZEHub>([](auto& h) { Outputs(h, 7); });
  widthShown = Make<TZEHub>([](auto& h) { Outputs(h, 2); });
  stored = Make<TZEMemory>([](auto& m) {
    TData empty;
    MakeStr(empty, "");
    m.SetDefault(empty);
  });
  reader = Make<TZEini>([](auto& ini) {
    ini.FileName = "user_settings.ini";
    ini.StringType = true;
  });
  parse = Make<TZEDoData>(ValueOf(stored, &TZEMemory::Value));
  showForm = Make<TZEDoData>([](auto& d) { IntValue(d, 1); });
  fields = Make<TZEHub>([](auto& h) { Outputs(h, 3); });
  valueText = Make<TZEDoData>();
  valueFields = Make<TZEHub>([](auto& h) { Outputs(h, 2); });
  captionText = Make<TZEDoData>();
  widthText = Make<TZEDoData>();
  noBlock = Make<TZEIf_else>([](auto& g) {
    g.Type = cmLess;
    MakeInt(g.Op2, 0);
  });
  noKind = Make<TZEIf_else>([](auto& g) {
    g.Type = cmLess;
    MakeInt(g.Op2, 0);
  });
  saving = Make<TZEHub>([](auto& h) { Outputs(h, 3); });
  record = Make<TZEFormatStr>([](auto& f) {
    f.Mask = "%1;%2;%3;%4;%5;%6;%7";
    f.SetCount(7);
  });
  writer = Make<TZEini>([](auto& ini) {
    ini.FileName = "user_settings.ini";
    ini.StringType = true;
  });
  hideForm = Make<TZEDoData>([](auto& d) { IntValue(d, 0); });
  section = Make<TZEMultiElement>(Inner(3, 0));
  parser = Make<TZEMultiElement>(Inner(3, 1));
  blockReader = Make<TZEMultiElement>(Inner(4, 2));
  kindList = Make<TZEMultiElement>(Inner(3, 1));
  saveBar = Make<TZEMultiElement>(Inner(1, 0));
  Control = form;
  Boundary = boundary;
  boundary->Scheme = this;
  boundary->Host = host;

  // Opening, in order: section and key, the stored value, its parse (which
  // fills and selects the block list), the window, the fields.
  Connect(boundary->InnerEvents[0], opening, &TZEHub::Distribute);
  Connect(opening->Outputs[0], section, &TZEMultiElement::Action, 0);
  Connect(opening->Outputs[1], stored, &TZEMemory::Clear);
  Connect(opening->Outputs[2], reader, &TZEini::Read);
  Connect(reader->SectionInput, section, &TZEMultiElement::DataOutput, 0);
  Connect(reader->KeyInput, section, &TZEMultiElement::DataOutput, 1);
  Connect(reader->OnRead, stored, &TZEMemory::Write);
  Connect(opening->Outputs[3], parse, &TZEDoData::Emit);
  Connect(parse->OnEmit, parser, &TZEMultiElement::Action, 0);
  Connect(opening->Outputs[4], background, &ui::TZEImage::Load);
  Connect(background->BitmapInput, boundary, &TZEEditMulti::DataOutput, 1);
  Connect(opening->Outputs[5], showForm, &TZEDoData::Emit);
  Connect(showForm->OnEmit, Win(form), &ui::TZEWin::SetVisible);
  Connect(opening->Outputs[6], fields, &TZEHub::Distribute);
  Connect(fields->Outputs[0], valueText, &TZEDoData::Emit);
  Connect(valueText->DataInput, parser, &TZEMultiElement::DataOutput, 0);
  Connect(valueText->OnEmit, valueFields, &TZEHub::Distribute);
  Connect(valueFields->Outputs[0], intValue, &ui::TZEEdit::SetText);
  Connect(valueFields->Outputs[1], textValue, &ui::TZEEdit::SetText);
  Connect(fields->Outputs[1], captionText, &TZEDoData::Emit);
  Connect(captionText->DataInput, parser, &TZEMultiElement::DataOutput, 2);
  Connect(captionText->OnEmit, caption, &ui::TZEEdit::SetText);
  Connect(fields->Outputs[2], widthText, &TZEDoData::Emit);
  Connect(widthText->DataInput, parser, &TZEMultiElement::DataOutput, 3);
  Connect(widthText->OnEmit, width, &ui::TZEEdit::SetText);

  // The origin: the width is the button window's own setting.
  Connect(section->Events[0], widthShown, &TZEHub::Distribute);
  Connect(widthShown->Outputs[0], Win(widthLabel), &ui::TZEWin::SetVisible);
  Connect(widthShown->Outputs[1], Win(width), &ui::TZEWin::SetVisible);
  Connect(section->Events[1], boundary, &TZEEditMulti::Action, 0);
  Connect(section->Events[2], boundary, &TZEEditMulti::Action, 1);

  Connect(parser->Events[0], block, &ui::TZEComboBox::Clear);
  Connect(parser->Events[1], block, &ui::TZEComboBox::Add);
  Connect(parser->Events[2], block, &ui::TZEComboBox::SetIndex);
  Connect(parser->DataInputs[0], boundary, &TZEEditMulti::DataOutput, 0);

  Connect(block->OnSelect, blockReader, &TZEMultiElement::Action, 0);
  Connect(blockReader->Events[0], Win(valueLabel), &ui::TZEWin::SetVisible);
  Connect(blockReader->Events[1], Win(intValue), &ui::TZEWin::SetVisible);
  Connect(blockReader->Events[2], Win(textValue), &ui::TZEWin::SetVisible);
  Connect(blockReader->Events[3], kindList, &TZEMultiElement::Action, 0);
  Connect(blockReader->DataInputs[0], intValue, &ui::TZEEdit::Value);
  Connect(blockReader->DataInputs[1], textValue, &ui::TZEEdit::Value);

  Connect(kindList->Events[0], kind, &ui::TZEComboBox::Clear);
  Connect(kindList->Events[1], kind, &ui::TZEComboBox::Add);
  Connect(kindList->Events[2], kind, &ui::TZEComboBox::SetIndex);
  Connect(kindList->DataInputs[0], parser, &TZEMultiElement::DataOutput, 1);

  // Saving.
  Connect(saveBar->Events[0], noBlock, &TZEIf_else::Compare);
  Connect(noBlock->Op1Input, blockReader, &TZEMultiElement::DataOutput, 0);
  Connect(noBlock->OnFalse, noKind, &TZEIf_else::Compare);
  Connect(noKind->Op1Input, kind, &ui::TZEComboBox::Index);
  Connect(noKind->OnFalse, saving, &TZEHub::Distribute);
  Connect(saving->Outputs[0], record, &TZEFormatStr::Format);
  Connect(record->Args[0], blockReader, &TZEMultiElement::DataOutput, 0);
  Connect(record->Args[1], blockReader, &TZEMultiElement::DataOutput, 1);
  Connect(record->Args[2], blockReader, &TZEMultiElement::DataOutput, 2);
  Connect(record->Args[3], kind, &ui::TZEComboBox::Index);
  Connect(record->Args[4], caption, &ui::TZEEdit::Value);
  Connect(record->Args[5], width, &ui::TZEEdit::Value);
  Connect(record->Args[6], parser, &TZEMultiElement::DataOutput, 4);
  Connect(record->OnResult, writer, &TZEini::Write);
  Connect(writer->SectionInput, section, &TZEMultiElement::DataOutput, 0);
  Connect(writer->KeyInput, section, &TZEMultiElement::DataOutput, 1);
  Connect(writer->ValueInput, record, &TZEFormatStr::Result);
  Connect(saving->Outputs[1], section, &TZEMultiElement::Action, 1);
  Connect(saving->Outputs[2], hideForm, &TZEDoData::Emit);
  Connect(hideForm->OnEmit, Win(form), &ui::TZEWin::SetVisible);

  for (TZEMultiElement* inner : {section, parser, blockReader, kindList, saveBar}) {
    inner->ParentControl = form;
    inner->ParentScheme = this;
  }
  section->SetFactory(&SchemeFactory<TClassMultiElement_EditorSection>);
  parser->SetFactory(&SchemeFactory<TClassMultiElement_ButtonEditorRecord>);
  blockReader->SetFactory(&SchemeFactory<TClassMultiElement_ButtonEditorBlock>);
  kindList->SetFactory(&SchemeFactory<TClassMultiElement_ButtonKindList>);
  saveBar->SetFactory(&SchemeFactory<TClassChildPanel_EditorSave>);
}

}  // namespace zorn
