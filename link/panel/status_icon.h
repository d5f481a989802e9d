// The status scheme of the main panel. Status takes a link status code (bit
// 0 connected, bit 1 sent, bit 2 received, bit 3 write error). OnPicture:
// the status picture for the code (Bitmap), fired only for codes that have
// one. OnLive: the live-link flag "стат.  соед" (0 or 1), fired on each
// change, through the write of the global.
#pragma once

#include <array>

#include "elements/bits.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/flow/state.h"
#include "runtime/global_var.h"
#include "runtime/multi_element.h"
#include "ui/elements/value_holders.h"

namespace zorn {

class TClassMultiElement_StatusIcon : public TClassMultiBase {
 public:
  TClassMultiElement_StatusIcon(TZEMultiElement* host, TElement* parentControl,
                                TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Status = 0 };
  enum Event : uint16_t { OnPicture = 0, OnLive = 1 };

  TZEEditMulti* boundary;
  TZEHub* steps;
  TZEIntToBits* bits;
  // The rule of each bit, bit 0 first: 0 switches off, 1 on, 1 on, 1 off.
  std::array<TZECase*, 4> bitRules;
  TZESwitch* live;
  TZEGlobalVar* liveLink;
  TZEIndexToChanel* pictureTable;
  // BITMAP6, 7, 4, 3, 2, 5 for the codes 0, 1, 3, 5, 7, 9 and 15.
  std::array<ui::TZEBitmap*, 6> bitmaps;
  std::array<TZEDoData*, 6> pictures;
};

}  // namespace zorn
