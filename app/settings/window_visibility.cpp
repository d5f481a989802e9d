#include "app/settings/window_visibility.h"

namespace zorn {
namespace {

using Scheme = TClassMultiElement_WindowVisibility;

struct TWindowFlag {
  const char* Global;
  Scheme::Event HostEvent;
};
constexpr std::array<TWindowFlag, 3> kWindows = {{{"visible_indicator", Scheme::OnShowIndicators},
                                                  {"visible_button", Scheme::OnShowButtons},
                                                  {"visible_graph", Scheme::OnShowEventLog}}};

}  // namespace

TClassMultiElement_WindowVisibility::TClassMultiElement_WindowVisibility(
    TZEMultiElement* host, TElement*, TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(2, 0); });
  restoreSelector = Make<TZEIndexToChanel>([](auto& s) { s.SetCount(3); });
  delay = Make<TZETimer>(OneShot(10));
  hideValue = Make<TZEDoData>(IntValue(0));
  showValue = Make<TZEDoData>(IntValue(1));
  steps = Make<TZEHub>(Outputs(5));
  mainWindow = Make<ui::TZEWinTools>();
  showing = Make<TZEIf_else>([](auto& g) {
    g.Type = cmEqual;
    MakeInt(g.Op2, 1);
  });
  for (size_t i = 0; i < kWindows.size(); ++i) {
    flags[i] = Make<TZEGlobalVar>([&](auto& g) { g.SetName(kWindows[i].Global); });
    flagSet[i] = Make<TZEIf_else>([](auto& g) {
      g.Type = cmEqual;
      MakeInt(g.Op2, 1);
    });
  }

  Bind(boundary, host);

  Connect(boundary->InnerEvents[Restore], restoreSelector, &TZEIndexToChanel::Route);
  Connect(boundary->InnerEvents[TrayRestore], showValue, &TZEDoData::Emit);
  Connect(restoreSelector->Channels[0], hideValue, &TZEDoData::Emit);
  Connect(restoreSelector->Channels[1], delay, &TZETimer::Start);
  Connect(delay->OnTimer, showValue, &TZEDoData::Emit);
  Connect(hideValue->OnEmit, steps, &TZEHub::Distribute);
  Connect(showValue->OnEmit, steps, &TZEHub::Distribute);

  Connect(steps->Outputs[0], mainWindow, &ui::TZEWinTools::SetVisible);
  Connect(steps->Outputs[1], showing, &TZEIf_else::Compare);
  Connect(showing->OnTrue, mainWindow, &ui::TZEWinTools::BringToFront);
  Connect(mainWindow->HandleInput, boundary, &TZEEditMulti::DataOutput, Handle);
  for (size_t i = 0; i < kWindows.size(); ++i) {
    Connect(steps->Outputs[2 + i], flagSet[i], &TZEIf_else::Compare);
    Connect(flagSet[i]->Op1Input, flags[i], &TZEGlobalVar::Value);
    Connect(flagSet[i]->OnTrue, boundary, &TZEEditMulti::Action, kWindows[i].HostEvent);
  }
}

}  // namespace zorn
