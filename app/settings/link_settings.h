// The connection settings dialog "Установки". Open fills the controls from
// the connection globals and shows the dialog; every control writes its
// global as soon as the operator changes it. "Сохранить" fires OnSave (save
// config.ini), then OnApply (restore the windows), then hides the dialog.
// Picture is the main window's. The window is owned by the form given as
// the parent control; closing it only hides it and keeps the live edits.
#pragma once

#include "runtime/flow/compare.h"
#include "runtime/flow/hub.h"
#include "runtime/flow/routing.h"
#include "runtime/global_var.h"
#include "runtime/multi_element.h"
#include "ui/elements/combo_box.h"
#include "ui/elements/edit.h"
#include "ui/elements/image.h"
#include "ui/elements/label.h"
#include "ui/elements/main_form.h"
#include "ui/elements/rush_buttons.h"

namespace zorn {

class TClassChildForm_LinkSettings : public TClassMultiBase {
 public:
  // The port proposed for a "tcp_port" of 0.
  static constexpr int32_t kProposedTcpPort = 4455;

  TClassChildForm_LinkSettings(TZEMultiElement* host, TElement* parentControl,
                               TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Open = 0 };
  enum Event : uint16_t { OnApply = 0, OnSave = 1 };
  enum DataInput : uint16_t { Picture = 0 };

  TZEEditMulti* boundary;
  ui::TZEMainForm* form;
  // Controls, in creation order.
  ui::TzeRadioButtonRush* serialChoice;
  ui::TzeRadioButtonRush* tcpChoice;
  ui::TZELabel* portLabel;
  ui::TzeButtonRush* refreshButton;
  ui::TZEEdit* tcpPort;
  ui::TZEComboBox* serialPort;
  ui::TZELabel* speedLabel;
  ui::TZEComboBox* serialSpeed;
  ui::TZELabel* pollLabel;
  ui::TZEEdit* pollPeriod;
  ui::TzeCheckBoxRush* reconnect;
  ui::TzeButtonRush* saveButton;
  ui::TZEImage* picture;  // outside the visible area
  // The six connection globals.
  TZEGlobalVar* typeConnect;
  TZEGlobalVar* comPort;
  TZEGlobalVar* comPortSpeed;
  TZEGlobalVar* tcpPortValue;
  TZEGlobalVar* timeRefresh;
  TZEGlobalVar* reconnecting;
  // Opening: the choice that matches "type_connect", then the link kind.
  TZEHub* opening;
  TZEIf_else* tcpStored;
  TZEDoData* serialKind;
  TZEHub* serialChosen;
  TZEDoData* tcpKind;
  TZEHub* tcpChosen;
  // The layout step, run on every store of "type_connect".
  TZEHub* layout;
  TZEIndexToChanel* kindSelector;
  TZEHub* serialLayout;
  TZEHub* tcpLayout;
  TZEDoData* showSerial;
  TZEDoData* hideSerial;
  TZEHub* serialControls;
  TZEDoData* showTcp;
  TZEDoData* hideTcp;
  TZEIf_else* tcpUnset;
  TZEDoData* proposedPort;
  TZEHub* portProposed;
  TZEDoData* storedPort;
  TZEDoData* reconnectState;
  TZEDoData* pollText;
  TZEDoData* showForm;
  TZEDoData* hideForm;
  TZEHub* saving;
  TZEMultiElement* portList;
  TZEMultiElement* speedSelect;
};

}  // namespace zorn
