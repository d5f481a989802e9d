// Reading the records of one section of user_settings.ini, shared by the
// windows that keep a record list: each line key=value that matches the
// record mask becomes "key;value" (field 0 the key, then the record's fields),
// is appended to the list, and its list position (count − 1) is computed for
// the scheme that makes the record's panel, row or rule.
#pragma once

#include "elements/array_ops.h"
#include "elements/ini.h"
#include "elements/math.h"
#include "elements/str_join.h"
#include "elements/str_list.h"
#include "elements/str_mask.h"
#include "elements/str_split.h"
#include "runtime/flow/hub.h"
#include "runtime/multi_element.h"
#include "runtime/scheme.h"

namespace zorn {

// The record masks of unit records (indicators, list rows, buttons) and rules.
inline constexpr const char* kUnitRecordMask = "unit*=#;*;*;#;*;*;#";
inline constexpr const char* kEventRecordMask = "event*=#;*;*;#;*;#;*";

// An INI element over one section of user_settings.ini.
inline auto UserSettings(const char* section) {
  return [=](TZEini& ini) {
    ini.FileName = "user_settings.ini";
    ini.Section = section;
  };
}

// A mask check of whole INI lines, case-insensitive as the keys are.
inline auto RecordMask(const char* mask) {
  return [=](TZEStrMask& m) {
    m.Mask = mask;
    m.IgnoreCase = true;
  };
}

// "key=value" → "key;value".
inline void KeyAsField(TZEReplace& r) {
  r.SubStr = "=";
  r.NewStr = ";";
}

// The position of the record just appended: the count less one.
inline void CountLessOne(TZEMath& m) {
  m.Operation = moSubtract;
  m.Op2 = 1;
}

// The section's lines through the mask and the key separator to the hub
// `adding`, whose first output appends the record and second computes its
// position; its later outputs are the scheme's.
inline void ConnectRecordReading(TZEini* section, TZEStrMask* mask, TZEReplace* keyAsField,
                                 TZEHub* adding, TZEStrList* records, TZEMath* position) {
  Connect(section->OnLine, mask, &TZEStrMask::Check);
  Connect(mask->OnMatch, keyAsField, &TZEReplace::Replace);
  Connect(keyAsField->OnResult, adding, &TZEHub::Distribute);
  Connect(adding->Outputs[0], records, &TZEStrList::Add);
  Connect(adding->Outputs[1], position, &TZEMath::Calc);
  Connect(position->Op1Input, records, &TZEStrList::Count);
}

// Reading the chosen record and splitting off its key (part 0): `read` reads
// the list at the boundary's data output `chosen`; no record, nothing fires.
inline void ConnectChosenKey(TZEArrayRW* read, TZEMultiStrPart* key, TZEStrList* records,
                             TZEEditMulti* boundary, uint16_t chosen) {
  Connect(read->Array, records, &TZEStrList::Array);
  Connect(read->IndexInput, boundary, &TZEEditMulti::DataOutput, chosen);
  Connect(read->OnRead, key, &TZEMultiStrPart::Split);
}

}  // namespace zorn
