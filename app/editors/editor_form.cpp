#include "app/editors/editor_form.h"

#include "app/editors/editor_block_scheme.h"
#include "app/editors/editor_record_scheme.h"
#include "app/editors/editor_section_scheme.h"
#include "app/editors/editor_setup.h"
#include "app/editors/editor_types.h"
#include "app/editors/save_bars.h"

namespace zorn {

using namespace editor_setup;

namespace {
constexpr uint32_t kNoticeColor = 0x000000FF;  // red, 0x00BBGGRR
}  // namespace

TEditorForm::TEditorForm(TZEMultiElement* host, TElement* parentControl,
                         TClassMultiBase* parentScheme, const TEditorFormLook& look)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 2); });
  form = Make<ui::TZEMainForm>([&](auto& f) {
    f.Parent = dynamic_cast<ui::TZEWin*>(parentControl);
    f.Caption = look.Caption;
    f.IconName = look.IconName;
    f.BorderStyle = 3;
    f.Left = 35;
    f.Top = 105;
    f.Width = look.Width;
    f.Height = look.Height;
    f.Centered = true;
    f.Visible = false;
  });
  background = Make<ui::TZEImage>([&](auto& i) {
    Place(i, form, 0, 0, look.PictureWidth, look.PictureHeight, "");
    i.Stretch = true;
  });
  // One line across the window just above the save bar.
  notice = Make<ui::TZELabel>([&](auto& l) {
    Place(l, form, 5, look.PictureHeight - 13, look.PictureWidth - 10, 13, "");
    l.Font.Color = kNoticeColor;
  });
  Control = form;
  Bind(boundary, host);
}

void TEditorForm::MakeFlow(const TEditorFlow& flow) {
  flow_ = flow;
  opening = Make<TZEHub>(
      Outputs(8 + flow.StepsBeforeParse + flow.StepsAfterFields));
  stored = Make<TZEMemory>([](auto& m) {
    TData empty;
    MakeStr(empty, "");
    m.SetDefault(empty);
  });
  reader = Make<TZEini>(UserSettings);
  parse = Make<TZEDoData>(ValueOf(stored, &TZEMemory::Value));
  showForm = Make<TZEDoData>(IntValue(1));
  fields = Make<TZEHub>(Outputs(flow.Fields));
  valueText = Make<TZEDoData>();
  valueFields = Make<TZEHub>(Outputs(flow.ValueFields));
  clearNotice = Make<TZEDoData>();  // Null: an empty text
  noBlock = Make<TZEIf_else>(NoneSelected);
  noBlockReason = Make<TZEDoData>(Reason("Не выбран блок"));
  valueByType = Make<TZEIndexToChanel>([](auto& r) { r.SetCount(kTypeCodes); });
  valueCheck = Make<TZEDecimalCheck>();
  valueReason = Make<TZEDoData>(Reason("Значение: десятичное, -2147483648…2147483647"));
  checked = Make<TZEHub>(Outputs(1));
  saving = Make<TZEHub>(Outputs(3));
  record = Make<TZEFormatStr>([](auto& f) {
    f.Mask = "%1;%2;%3;%4;%5;%6;%7";
    f.SetCount(7);
  });
  writer = Make<TZEini>(UserSettings);
  hideForm = Make<TZEDoData>(IntValue(0));
}

void TEditorForm::MakeHosts(size_t blockEvents, size_t blockInputs) {
  section = Make<TZEMultiElement>(HostPoints(3, 0));
  parser = Make<TZEMultiElement>(HostPoints(3, 1));
  blockReader = Make<TZEMultiElement>(HostPoints(blockEvents, blockInputs));
}

void TEditorForm::MakeSaveBar(size_t events) {
  saveBar = Make<TZEMultiElement>(HostPoints(events, 0));
}

void TEditorForm::WireShared() {
  const size_t own = flow_.StepsBeforeParse;
  // Opening, in order: section and key, the stored value, its parse (which
  // fills and selects the block list), the window, the fields; last, the
  // notice of an earlier refusal goes.
  Connect(boundary->InnerEvents[Open], opening, &TZEHub::Distribute);
  Connect(opening->Outputs[0], section, &TZEMultiElement::Action, TEditorSectionScheme::Open);
  Connect(opening->Outputs[1], stored, &TZEMemory::Clear);
  Connect(opening->Outputs[2], reader, &TZEini::Read);
  Connect(reader->SectionInput, section, &TZEMultiElement::DataOutput,
          TEditorSectionScheme::Section);
  Connect(reader->KeyInput, section, &TZEMultiElement::DataOutput, TEditorSectionScheme::Key);
  Connect(reader->OnRead, stored, &TZEMemory::Write);
  Connect(opening->Outputs[3 + own], parse, &TZEDoData::Emit);
  Connect(parse->OnEmit, parser, &TZEMultiElement::Action, TEditorRecordScheme::Parse);
  Connect(opening->Outputs[4 + own], background, &ui::TZEImage::Load);
  Connect(background->BitmapInput, boundary, &TZEEditMulti::DataOutput, Picture);
  Connect(opening->Outputs[5 + own], showForm, &TZEDoData::Emit);
  Connect(showForm->OnEmit, Win(form), &ui::TZEWin::SetVisible);
  Connect(opening->Outputs[6 + own], fields, &TZEHub::Distribute);
  Connect(fields->Outputs[0], valueText, &TZEDoData::Emit);
  Connect(valueText->DataInput, parser, &TZEMultiElement::DataOutput, TEditorRecordScheme::Field3);
  Connect(valueText->OnEmit, valueFields, &TZEHub::Distribute);
  Connect<ui::TZEEdit>(valueFields->Outputs[0], intValue, &ui::TZEEdit::SetText);
  Connect(valueFields->Outputs[1], textValue, &ui::TZEEdit::SetText);
  Connect(opening->Outputs[7 + own + flow_.StepsAfterFields], clearNotice, &TZEDoData::Emit);
  Explain(clearNotice);

  Connect(section->Events[TEditorSectionScheme::OnReportMain], boundary, &TZEEditMulti::Action,
          OnSaveMain);
  Connect(section->Events[TEditorSectionScheme::OnReportWindow], boundary, &TZEEditMulti::Action,
          OnSaveWindow);

  Connect(parser->Events[TEditorRecordScheme::OnClear], block, &ui::TZEComboBox::Clear);
  Connect(parser->Events[TEditorRecordScheme::OnAdd], block, &ui::TZEComboBox::Add);
  Connect(parser->Events[TEditorRecordScheme::OnSelect], block, &ui::TZEComboBox::SetIndex);
  Connect(parser->DataInputs[TEditorRecordScheme::Blocks], boundary, &TZEEditMulti::DataOutput,
          Blocks);

  Connect(block->OnSelect, blockReader, &TZEMultiElement::Action, TEditorBlockScheme::Read);
  Connect(blockReader->DataInputs[TEditorBlockScheme::IntegerField], intValue,
          &ui::TZEEdit::Shown);
  Connect(blockReader->DataInputs[TEditorBlockScheme::TextField], textValue, &ui::TZEEdit::Value);

  // Saving: the checks, then the record, written under the section and
  // key; then the origin is reported and the window goes.
  Connect(saveBar->Events[TClassChildPanel_EditorSave::OnSave], noBlock, &TZEIf_else::Compare);
  Connect(noBlock->Op1Input, blockReader, &TZEMultiElement::DataOutput,
          TEditorBlockScheme::TypeCode);
  Connect(noBlock->OnTrue, noBlockReason, &TZEDoData::Emit);
  Explain(noBlockReason);
  Connect(valueByType->Index, blockReader, &TZEMultiElement::DataOutput,
          TEditorBlockScheme::TypeCode);
  for (int32_t code = 0; code < kTypeCodes; ++code) {
    Connect(valueByType->Channels[code], checked, &TZEHub::Distribute);
  }
  Connect(valueByType->Channels[flow_.IntegerType], valueCheck, &TZEDecimalCheck::Check);
  Connect(valueCheck->Text, intValue, &ui::TZEEdit::Shown);
  Connect(valueCheck->OnValid, checked, &TZEHub::Distribute);
  Connect(valueCheck->OnInvalid, valueReason, &TZEDoData::Emit);
  Explain(valueReason);
  Connect(checked->Outputs[0], saving, &TZEHub::Distribute);
  Connect(saving->Outputs[0], record, &TZEFormatStr::Format);
  Connect(record->Args[0], blockReader, &TZEMultiElement::DataOutput, TEditorBlockScheme::TypeCode);
  Connect(record->Args[1], blockReader, &TZEMultiElement::DataOutput, TEditorBlockScheme::Block);
  Connect(record->Args[2], blockReader, &TZEMultiElement::DataOutput, TEditorBlockScheme::Value);
  Connect(record->OnResult, writer, &TZEini::Write);
  Connect(writer->SectionInput, section, &TZEMultiElement::DataOutput,
          TEditorSectionScheme::Section);
  Connect(writer->KeyInput, section, &TZEMultiElement::DataOutput, TEditorSectionScheme::Key);
  Connect(writer->ValueInput, record, &TZEFormatStr::Result);
  Connect(saving->Outputs[1], section, &TZEMultiElement::Action, TEditorSectionScheme::Report);
  Connect(saving->Outputs[2], hideForm, &TZEDoData::Emit);
  Connect(hideForm->OnEmit, Win(form), &ui::TZEWin::SetVisible);
}

void TEditorForm::RefuseUnselected(std::initializer_list<TListCheck> checks) {
  TZEIf_else* last = noBlock;
  for (const TListCheck& c : checks) {
    Connect(last->OnFalse, c.Check, &TZEIf_else::Compare);
    Connect(c.Check->Op1Input, c.List, &ui::TZEComboBox::Index);
    Connect(c.Check->OnTrue, c.Reason, &TZEDoData::Emit);
    Explain(c.Reason);
    last = c.Check;
  }
  Connect(last->OnFalse, valueByType, &TZEIndexToChanel::Route);
}

void TEditorForm::Explain(TZEDoData* reason) {
  Connect(reason->OnEmit, notice, &ui::TZELabel::SetText);
}

void TEditorForm::Build(TFactory sectionScheme, TFactory recordScheme, TFactory blockScheme,
                        std::initializer_list<std::pair<TZEMultiElement*, TFactory>> own,
                        TFactory saveScheme) {
  auto hang = [this](TZEMultiElement* inner) {
    inner->ParentControl = form;
    inner->ParentScheme = this;
  };
  for (TZEMultiElement* inner : {section, parser, blockReader}) hang(inner);
  for (const auto& [inner, factory] : own) hang(inner);
  hang(saveBar);
  section->SetFactory(sectionScheme);
  parser->SetFactory(recordScheme);
  blockReader->SetFactory(blockScheme);
  for (const auto& [inner, factory] : own) inner->SetFactory(factory);
  saveBar->SetFactory(saveScheme);
}

TPanelEditorForm::TPanelEditorForm(TZEMultiElement* host, TElement* parentControl,
                                   TClassMultiBase* parentScheme, const TEditorFormLook& look)
    : TEditorForm(host, parentControl, parentScheme, look) {
  captionLabel = Make<ui::TZELabel>(Label(form, 5, 5, 118, 17, "Надпись на элементе:"));
  caption = Make<ui::TZEEdit>(
      Edit(form, 5, ui::emText, "Имя", "Надпись на элементе (СИМВОЛЫ '=' и ';' НЕ ИСПОЛЬЗОВАТЬ)"));
  widthLabel = Make<ui::TZELabel>(Label(form, 5, 30, 91, 20, "Ширина:"));
  width = Make<ui::TZEEdit>(Edit(form, 30, ui::emUnsigned, "50", "Ширина элемента"));
  blockLabel = Make<ui::TZELabel>(Label(form, 5, 55, 75, 20, "Блок:"));
  block = Make<ui::TZEComboBox>(List(form, 55, TListData::Text, 20, "bit\r\nint\r\nstr", "Блок", "bit"));
  valueLabel = Make<ui::TZELabel>(Label(form, 5, 80, 75, 20, "Значение:"));
  intValue = Make<ui::TZEEdit>(
      Edit(form, 80, ui::emInteger, "1", "Значение с которым сравнивается "));
  textValue = Make<ui::TZEEdit>(
      Edit(form, 80, ui::emText, "Значение", "Значение с которым сравнивается "));
}

void TPanelEditorForm::MakePanelFlow(size_t fieldCount, int32_t integerType) {
  MakeFlow({0, 0, fieldCount, 2, integerType});
  widthShown = Make<TZEHub>(Outputs(3));
  widthOrigin = Make<TZEMemory>();
  widthEdited = Make<TZEIf_else>([](auto& g) {
    g.Type = cmNotEqual;
    MakeStr(g.Op2, "0");
  });
  widthCheck = Make<TZEDecimalCheck>([](auto& c) { c.Min = 0; });
  widthReason = Make<TZEDoData>(Reason("Ширина: десятичное, 0…2147483647"));
  captionText = Make<TZEDoData>();
  widthText = Make<TZEDoData>();
}

void TPanelEditorForm::WirePanelShared() {
  WireShared();
  Connect(fields->Outputs[1], captionText, &TZEDoData::Emit);
  Connect(captionText->DataInput, parser, &TZEMultiElement::DataOutput,
          TEditorRecordScheme::Field5);
  Connect(captionText->OnEmit, caption, &ui::TZEEdit::SetText);
  Connect(fields->Outputs[2], widthText, &TZEDoData::Emit);
  Connect(widthText->DataInput, parser, &TZEMultiElement::DataOutput, TEditorRecordScheme::Field6);
  Connect<ui::TZEEdit>(widthText->OnEmit, width, &ui::TZEEdit::SetText);

  // The origin: the width is the window's own setting.
  Connect(section->Events[TEditorSectionScheme::OnOrigin], widthShown, &TZEHub::Distribute);
  Connect(widthShown->Outputs[0], Win(widthLabel), &ui::TZEWin::SetVisible);
  Connect(widthShown->Outputs[1], Win(width), &ui::TZEWin::SetVisible);
  Connect(widthShown->Outputs[2], widthOrigin, &TZEMemory::Write);

  // The width is checked after the value, and only where it is edited.
  Connect(checked->Outputs[0], widthEdited, &TZEIf_else::Compare);
  Connect(widthEdited->Op1Input, widthOrigin, &TZEMemory::Value);
  Connect(widthEdited->OnTrue, widthCheck, &TZEDecimalCheck::Check);
  Connect(widthEdited->OnFalse, saving, &TZEHub::Distribute);
  Connect(widthCheck->Text, width, &ui::TZEEdit::Shown);
  Connect(widthCheck->OnValid, saving, &TZEHub::Distribute);
  Connect(widthCheck->OnInvalid, widthReason, &TZEDoData::Emit);
  Explain(widthReason);

  Connect(record->Args[4], caption, &ui::TZEEdit::Value);
  Connect(record->Args[5], width, &ui::TZEEdit::Shown);
}

}  // namespace zorn
