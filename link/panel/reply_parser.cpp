#include "link/panel/reply_parser.h"

namespace zorn {

namespace {

// Finds the block text as a whole, case folded as every list search of the
// program is.
void WholeFind(TZEArrayFind& f) {
  f.Start = 0;
  f.Partial = false;
}

void Missing(TZEIf_else& g) {
  g.Type = cmEqual;
  MakeInt(g.Op2, -1);
}

}  // namespace

TClassMultiElement_ReplyParser::TClassMultiElement_ReplyParser(TZEMultiElement* host, TElement*,
                                                               TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 2); });
  replyMask = Make<TZEStrMask>([](auto& m) { m.Mask = "#;*;*"; });
  steps = Make<TZEHub>(Outputs(2));
  valueCut = Make<TZEMultiStrData>([](auto& s) {
    s.Delimiter = ";";
    s.SetCount(1);
  });
  blockText = Make<TZEDoData>();
  typeField = Make<TZEMultiStrPart>([](auto& s) {
    s.Delimiter = ";";
    s.SetCount(1);
  });
  blockSteps = Make<TZEHub>(Outputs(2));
  inputType = Make<TZEIf_else>([](auto& g) {
    g.Type = cmLess;
    MakeStr(g.Op2, "5");
  });
  fromFirst = Make<TZEDoData>(IntValue(0));
  inputBlocks = Make<TZEStrList>([](auto& l) { l.SetStrings("\r\n"); });
  outputBlocks = Make<TZEStrList>([](auto& l) { l.SetStrings("\r\n"); });
  inputFind = Make<TZEArrayFind>(WholeFind);
  outputFind = Make<TZEArrayFind>(WholeFind);
  newInput = Make<TZEIf_else>(Missing);
  newOutput = Make<TZEIf_else>(Missing);

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Line], replyMask, &TZEStrMask::Check);
  Connect(replyMask->OnMatch, steps, &TZEHub::Distribute);
  Connect(steps->Outputs[0], valueCut, &TZEMultiStrData::SplitRight);
  Connect(steps->Outputs[1], blockText, &TZEDoData::Emit);
  Connect(blockText->DataInput, valueCut, &TZEMultiStrData::Rest);

  // The block text, then its type read of the stored first field.
  Connect(blockText->OnEmit, blockSteps, &TZEHub::Distribute);
  Connect(blockSteps->Outputs[0], typeField, &TZEMultiStrPart::Split);
  // The gate passes the 0 on, where each search reads it as its start.
  Connect(blockSteps->Outputs[1], fromFirst, &TZEDoData::Emit);
  Connect(fromFirst->OnEmit, inputType, &TZEIf_else::Compare);
  Connect(inputType->Op1Input, typeField, &TZEMultiStrPart::Part, 0);
  Connect(inputType->OnTrue, inputFind, &TZEArrayFind::FindText);
  Connect(inputType->OnFalse, outputFind, &TZEArrayFind::FindText);

  // Append the block text, which both searches read of the splitter again,
  // only when its list does not hold it yet.
  Connect(inputFind->Array, inputBlocks, &TZEStrList::Array);
  Connect(inputFind->ValueInput, valueCut, &TZEMultiStrData::Rest);
  Connect(inputFind->OnResult, newInput, &TZEIf_else::Compare);
  Connect(newInput->OnTrue, inputBlocks, &TZEStrList::Add);
  Connect(inputBlocks->Str, valueCut, &TZEMultiStrData::Rest);
  Connect(outputFind->Array, outputBlocks, &TZEStrList::Array);
  Connect(outputFind->ValueInput, valueCut, &TZEMultiStrData::Rest);
  Connect(outputFind->OnResult, newOutput, &TZEIf_else::Compare);
  Connect(newOutput->OnTrue, outputBlocks, &TZEStrList::Add);
  Connect(outputBlocks->Str, valueCut, &TZEMultiStrData::Rest);

  Connect(boundary->InnerDataInputs[InputBlocks], inputBlocks, &TZEStrList::Array);
  Connect(boundary->InnerDataInputs[OutputBlocks], outputBlocks, &TZEStrList::Array);
}

}  // namespace zorn
