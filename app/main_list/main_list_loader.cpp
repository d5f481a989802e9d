#include "app/main_list/main_list_loader.h"

#include "app/main_list/main_list_text.h"
#include "elements/str_list.h"

namespace zorn {

TClassMultiElement_MainListLoader::TClassMultiElement_MainListLoader(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TClassMultiElement_IndicatorLoader(host, parentScheme, {"mainForm", "0;%1", 4, &SchemeFactory<TClassMultiElement_MainListText>}) {
  freeKey = Make<TZEFreeKey>();
  addText = Make<TZEFormatStr>([](auto& f) {
    f.Mask = "0;%1";
    f.SetCount(1);
  });
  Connect(boundary->InnerEvents[Add], freeKey, &TZEFreeKey::Find);
  Connect(freeKey->Array, records, &TZEStrList::Array);
  Connect(freeKey->OnKey, addText, &TZEFormatStr::Format);
  Connect(addText->OnResult, boundary, &TZEEditMulti::Action, OnEdit);
}

}  // namespace zorn
