#include "link/panel/status_icon.h"

namespace zorn {

namespace {

struct TBitRule {
  int32_t Bit;    // the bit value that acts
  bool SwitchOn;  // what it does to the flag
};
constexpr std::array<TBitRule, 4> kBitRules = {{{0, false}, {1, true}, {1, true}, {1, false}}};

struct TPicture {
  const char* Bitmap;
  std::array<int32_t, 2> Codes;  // -1: none
};
constexpr std::array<TPicture, 6> kPictures = {{{"BITMAP6", {0, -1}},
                                                {"BITMAP7", {1, -1}},
                                                {"BITMAP4", {3, -1}},
                                                {"BITMAP3", {5, -1}},
                                                {"BITMAP2", {7, -1}},
                                                {"BITMAP5", {9, 15}}}};

}  // namespace

TClassMultiElement_StatusIcon::TClassMultiElement_StatusIcon(TZEMultiElement* host, TElement*,
                                                             TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 0); });
  steps = Make<TZEHub>(Outputs(2));
  bits = Make<TZEIntToBits>([](auto& b) {
    b.SetCount(4);
    MakeInt(b.OneValue, 1);
    MakeInt(b.ZeroValue, 0);
    b.SendZeros = true;
  });
  for (size_t i = 0; i < kBitRules.size(); ++i) {
    bitRules[i] = Make<TZECase>([&](auto& c) { MakeInt(c.Value, kBitRules[i].Bit); });
  }
  live = Make<TZESwitch>([](auto& s) {
    MakeInt(s.DataOn, 1);
    MakeInt(s.DataOff, 0);
    s.SetStartOff(true);
  });
  liveLink = Make<TZEGlobalVar>([](auto& g) {
    g.SetName("стат.  соед");
    TData off;
    MakeInt(off, 0);
    g.SetDefault(off);
  });
  pictureTable = Make<TZEIndexToChanel>([](auto& t) { t.SetCount(16); });
  for (size_t i = 0; i < kPictures.size(); ++i) {
    bitmaps[i] = Make<ui::TZEBitmap>([&](auto& b) {
      b.ResourceName = kPictures[i].Bitmap;
    });
    pictures[i] = Make<TZEDoData>();
  }

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Status], steps, &TZEHub::Distribute);
  Connect(steps->Outputs[0], bits, &TZEIntToBits::Split);
  Connect(steps->Outputs[1], pictureTable, &TZEIndexToChanel::Route);

  // The flag: the bit rules in bit order, so a write error wins over a
  // send or receipt of the same code.
  for (size_t i = 0; i < kBitRules.size(); ++i) {
    Connect(bits->OnBit[i], bitRules[i], &TZECase::Test);
    if (kBitRules[i].SwitchOn) {
      Connect(bitRules[i]->OnMatch, live, &TZESwitch::SwitchOn);
    } else {
      Connect(bitRules[i]->OnMatch, live, &TZESwitch::SwitchOff);
    }
  }
  Connect(live->OnToggle, liveLink, &TZEGlobalVar::Write);
  Connect(liveLink->OnWrite, boundary, &TZEEditMulti::Action, OnLive);

  // The picture: the code is the channel; codes without a picture have no
  // wire and leave the picture as it is.
  for (size_t i = 0; i < kPictures.size(); ++i) {
    for (int32_t code : kPictures[i].Codes) {
      if (code >= 0) Connect(pictureTable->Channels[code], pictures[i], &TZEDoData::Emit);
    }
    Connect(pictures[i]->DataInput, bitmaps[i], &ui::TZEBitmap::Bitmap);
    Connect(pictures[i]->OnEmit, boundary, &TZEEditMulti::Action, OnPicture);
  }
}

}  // namespace zorn
