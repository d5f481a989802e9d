// The two list helpers of the connection settings dialog.
//
// TClassMultiElement_PortList: Rebuild rebuilds the serial port list.
// OnClear empties the dialog's list, OnAdd adds one item (the port number
// as text, in rising order), OnSelect selects an item by index: the one
// holding "com_port", or 0 when that value is not among the ports.
//
// TClassMultiElement_SpeedSelect: Select selects the speed stored in
// "com_port_speed" on OnSelect (the item's index in kSpeedItems, or 0 when
// the speed is not offered).
#pragma once

#include "elements/array_find.h"
#include "elements/str_list.h"
#include "link/com.h"
#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/global_var.h"
#include "runtime/multi_element.h"

namespace zorn {

// The serial speeds the dialog offers, in list order.
inline constexpr const char* kSpeedItems = "9600\r\n19200\r\n38400\r\n57600\r\n74880\r\n115200";

class TClassMultiElement_PortList : public TClassMultiBase {
 public:
  TClassMultiElement_PortList(TZEMultiElement* host, TElement* parentControl,
                              TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Rebuild = 0 };
  enum Event : uint16_t { OnClear = 0, OnAdd = 1, OnSelect = 2 };

  TZEEditMulti* boundary;
  TZEDoData* begin;  // drops the caller's record, so no step reads it
  TZEHub* steps;
  TZEStrList* ports;
  TZEEnumCOM* probe;
  TZEHub* found;
  TZEGlobalVar* comPort;
  TZEArrayFind* find;
  TZEIf_else* missing;
  TZEDoData* firstItem;
};

class TClassMultiElement_SpeedSelect : public TClassMultiBase {
 public:
  TClassMultiElement_SpeedSelect(TZEMultiElement* host, TElement* parentControl,
                                 TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Select = 0 };
  enum Event : uint16_t { OnSelect = 0 };

  TZEEditMulti* boundary;
  TZEDoData* begin;
  TZEStrList* speeds;
  TZEGlobalVar* comPortSpeed;
  TZEArrayFind* find;
  TZEIf_else* missing;
  TZEDoData* firstItem;
};

}  // namespace zorn
