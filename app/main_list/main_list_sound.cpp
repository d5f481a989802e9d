#include "app/main_list/main_list_sound.h"

namespace zorn {

TClassMultiElement_MainListSound::TClassMultiElement_MainListSound(TZEMultiElement* host,
                                                                   TElement*,
                                                                   TClassMultiBase* parentScheme)
    : TClassMultiElement_IndicatorSound(host, parentScheme, "WAVE2", "") {}

}  // namespace zorn
