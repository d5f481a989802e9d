#include "app/main_list/main_list_row.h"

#include "app/main_list/main_list_look.h"
#include "app/main_list/row_font.h"

namespace zorn {

TClassChildPanelEx_MainListRow::TClassChildPanelEx_MainListRow(TZEMultiElementEx* host,
                                                               TElement* parentControl,
                                                               TClassMultiBase* parentScheme)
    : TClassChildPanelEx_IndicatorItem(host, parentControl, parentScheme,
                                       {21, false, kLayout,
                                        &SchemeFactory<TClassMultiElement_MainListLook>,
                                        RowFont(kInactiveColour)}) {}

}  // namespace zorn
