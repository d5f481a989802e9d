#include "link/reply_check.h"

namespace zorn {

TClassMultiElement_ReplyCheck::TClassMultiElement_ReplyCheck(TZEMultiElement* host, TElement*,
                                                             TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  lineMask = Make<TZEStrMask>([](auto& m) {
    m.Mask = "#;*;*";
    m.IgnoreCase = true;
  });
  firstField = Make<TZEMultiStrPart>([](auto& s) {
    s.Delimiter = ";";
    s.SetCount(1);
  });
  errorGate = Make<TZEIf_else>([](auto& g) {
    g.Type = cmEqual;
    MakeStr(g.Op2, "ERROR");
  });
  message = Make<TZEStrCat>([](auto& c) { c.Str1 = "Ошибка доставки блоку выхода № "; });

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Line], lineMask, &TZEStrMask::Check);
  Connect(lineMask->OnMatch, boundary, &TZEEditMulti::Action, OnLine);
  // A line without ";" reaches the unwired OnNoDelimiter and is dropped; the
  // rest after the first ";" goes on only when the first field is "ERROR".
  Connect(lineMask->OnNoMatch, firstField, &TZEMultiStrPart::Split);
  Connect(firstField->OnSplit, errorGate, &TZEIf_else::Compare);
  Connect(errorGate->Op1Input, firstField, &TZEMultiStrPart::Part, 0);
  Connect(errorGate->OnTrue, message, &TZEStrCat::Concat);
  Connect(message->OnResult, boundary, &TZEEditMulti::Action, OnMessage);
}

}  // namespace zorn
