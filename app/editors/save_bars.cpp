#include "app/editors/save_bars.h"

#include "app/editors/editor_setup.h"

namespace zorn {

using namespace editor_setup;

namespace {

auto Bar(TElement* parentControl, int32_t top, int32_t width) {
  return [=](ui::TZEPanel& p) {
    Place(p, dynamic_cast<ui::TZEWin*>(parentControl), 0, top, width, 37, "");
  };
}

auto Button(ui::TZEWin* bar, int32_t left, const char* caption, const char* hint) {
  return [=](ui::TzeButtonRush& b) {
    Place(b, bar, left, 5, 106, 25, hint);
    b.Caption = caption;
  };
}

template <class S>
void Attach(S* scheme, TZEMultiElement* host) {
  scheme->Boundary = scheme->boundary;
  scheme->Control = scheme->panel;
  scheme->boundary->Scheme = scheme;
  scheme->boundary->Host = host;
}

constexpr const char* kReloadHint = "После сохранения редактируемое окно будет перезагруженно";

}  // namespace

TClassChildPanel_EditorSave::TClassChildPanel_EditorSave(TZEMultiElement* host,
                                                         TElement* parentControl,
                                                         TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(0, 0); });
  panel = Make<ui::TZEPanel>(Bar(parentControl, 140, 286));
  save = Make<ui::TzeButtonRush>(Button(panel, 172, "Сохранить", kReloadHint));
  Attach(this, host);
  Connect(save->OnClick, boundary, &TZEEditMulti::Action, OnSave);
}

TClassChildPanel_IndicatorEditorSave::TClassChildPanel_IndicatorEditorSave(
    TZEMultiElement* host, TElement* parentControl, TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(1, 1); });
  panel = Make<ui::TZEPanel>(Bar(parentControl, 138, 294));
  sound = Make<ui::TzeCheckBoxRush>([&](auto& c) {
    Place(c, panel, 5, 5, 150, 20, "Проигрывать звук при изменение состояния");
    c.Caption = "Озвучивать изменения";
  });
  save = Make<ui::TzeButtonRush>(Button(panel, 167, "Сохранить", kReloadHint));
  Attach(this, host);
  Connect(boundary->InnerEvents[SetSound], sound, &ui::TzeCheckBoxRush::SetCheck);
  Connect(boundary->InnerDataInputs[Sound], sound, &ui::TzeCheckBoxRush::Value);
  Connect(save->OnClick, boundary, &TZEEditMulti::Action, OnSave);
}

TClassChildPanel_EventEditorSave::TClassChildPanel_EventEditorSave(TZEMultiElement* host,
                                                                   TElement* parentControl,
                                                                   TClassMultiBase* parentScheme)
    : TClassMultiBase(parentScheme) {
  boundary = Make<TZEEditMulti>([](auto& b) { b.SetCounts(0, 0); });
  panel = Make<ui::TZEPanel>(Bar(parentControl, 177, 293));
  save = Make<ui::TzeButtonRush>(Button(panel, 172, "Сохранить", "Сохранить изменения"));
  remove = Make<ui::TzeButtonRush>(Button(panel, 22, "Удалить", "Удалить элеиент"));
  Attach(this, host);
  Connect(save->OnClick, boundary, &TZEEditMulti::Action, OnSave);
  Connect(remove->OnClick, boundary, &TZEEditMulti::Action, OnDelete);
}

}  // namespace zorn
