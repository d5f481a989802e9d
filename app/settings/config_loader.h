// The config.ini scheme: Load reads the six [config] keys and the two text
// keys of the TCP server's address and allow list into their globals,
// then the event journal's [journal] enable (default 1) and days (default
// 90) into "journal_enable" and "journal_days", reports OnDone, then reads
// the three window flags; Save writes the six globals back and reports the
// same way. Save leaves the text and journal keys as the file holds them:
// nothing in the program edits them.
#pragma once

#include <array>

#include "elements/ini.h"
#include "runtime/flow/hub.h"
#include "runtime/global_var.h"
#include "runtime/multi_element.h"

namespace zorn {

class TClassMultiElement_ConfigLoader : public TClassMultiBase {
 public:
  TClassMultiElement_ConfigLoader(TZEMultiElement* host, TElement* parentControl,
                                  TClassMultiBase* parentScheme);

  // Host points.
  enum Action : uint16_t { Load = 0, Save = 1 };
  enum Event : uint16_t { OnDone = 0 };

  // The six connection keys, in the order they are read and written.
  static constexpr std::array<const char*, 6> kKeys = {
      "type_connect", "com_port", "com_port_speed", "tcp_port", "time_refresh", "reconnecting"};
  // The optional text keys, read after the six: the local address the TCP
  // server listens on and the clients it takes (empty: all).
  static constexpr std::array<const char*, 2> kTextKeys = {"tcp_bind", "tcp_allow"};
  // The journal's keys of [journal], read after those: the global each goes
  // to and its value when the key is missing.
  struct TJournalKey {
    const char* Key;
    const char* Global;
    int32_t Default;
  };
  static constexpr std::array<TJournalKey, 2> kJournalKeys = {
      {{"enable", "journal_enable", 1}, {"days", "journal_days", 90}}};

  TZEEditMulti* boundary;
  TZEHub* loadSteps;
  TZEHub* saveSteps;
  TZEDoData* done;
  std::array<TZEini*, 6> keys;
  std::array<TZEGlobalVar*, 6> values;
  std::array<TZEini*, 2> textKeys;
  std::array<TZEGlobalVar*, 2> textValues;
  std::array<TZEini*, 2> journalKeys;
  std::array<TZEGlobalVar*, 2> journalValues;
  // Window flags: [buttonForm], [indicatorForm], [graphForm] visible.
  std::array<TZEini*, 3> flags;
  std::array<TZEGlobalVar*, 3> flagValues;
};

}  // namespace zorn
