// The value holders (icon, bitmap and font from the program's resources and
// the font dialog) and the file-open dialog, on the headless dialog answers.
#include <gtest/gtest.h>

#include <memory>

#include "resources/program_resources.h"
#include "support/ui.h"
#include "ui/elements/image.h"
#include "ui/elements/label.h"
#include "ui/elements/main_form.h"
#include "ui/elements/value_holders.h"
#include "ui/elements/win_tools.h"

namespace zorn::ui {
namespace {

using headless::THeadlessBitmap;
using headless::THeadlessIcon;
using test::TProbe;
using test::UiTest;
using Seen = std::vector<std::string>;

class ValueHolderTest : public UiTest {
 protected:
  static void SetUpTestSuite() { RegisterProgramResources(); }
};

TEST_F(ValueHolderTest, IconsOfTheProgramAreGivenAsIconValuesThatOutliveTheirHolder) {
  TZEMainForm form;
  form.Init();
  for (int i = 0; i < 8; ++i) {
    TZEIcon icon;
    icon.ResourceName = "ICON" + std::to_string(i);
    icon.Init();
    TData d;
    icon.Icon(d, 0);
    ASSERT_EQ(d.Kind, dtIcon) << icon.ResourceName;
    EXPECT_EQ(static_cast<THeadlessIcon*>(d.Object)->Name, icon.ResourceName);
    if (i == 5) form.SetIcon(d, 0);  // the tray status picture
  }
  // The form took its own share: the holder is gone, the icon stays.
  ASSERT_NE(W(form).Icon(), nullptr);
  EXPECT_EQ(static_cast<THeadlessIcon*>(W(form).Icon().get())->Name, "ICON5");
  TZEIcon missing, early;
  missing.ResourceName = "ICON8";
  missing.Init();
  early.ResourceName = "ICON0";  // not initialised yet
  TData a, b;
  missing.Icon(a, 0);
  early.Icon(b, 0);
  EXPECT_EQ(a.Kind, dtNull);
  EXPECT_EQ(b.Kind, dtNull);
  form.SetIcon(a, 0);  // anything but an icon: the owner's (none here)
  EXPECT_EQ(W(form).Icon(), nullptr);
}

TEST_F(ValueHolderTest, BitmapsOfTheProgramCarryTheirSizeIntoAnImage) {
  TZEImage image;
  image.AutoSize = true;
  image.Init();
  {
    TZEBitmap inactive;
    inactive.ResourceName = "BITMAP11";
    inactive.Init();
    TData d;
    inactive.Bitmap(d, 0);
    ASSERT_EQ(d.Kind, dtBitmap);
    EXPECT_EQ(static_cast<THeadlessBitmap*>(d.Object)->Name, "BITMAP11");
    image.Load(d, 0);
  }
  EXPECT_EQ(W(image).Bounds().Width, 115);
  EXPECT_EQ(W(image).Bounds().Height, 17);
  ASSERT_NE(W(image).Bitmap(), nullptr);  // still shown after its holder is gone
  for (int i = 0; i < 15; ++i) {
    TZEBitmap b;
    b.ResourceName = "BITMAP" + std::to_string(i);
    b.Init();
    TData d;
    b.Bitmap(d, 0);
    EXPECT_EQ(d.Kind, dtBitmap) << b.ResourceName;
  }
  TZEBitmap missing;
  missing.ResourceName = "BITMAP15";
  missing.Init();
  TData d;
  missing.Bitmap(d, 0);
  EXPECT_EQ(d.Kind, dtNull);
}

class FontTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    font.Font = {"Times New Roman", 12, 1 | 4, 0x0000FF, 204};
    form.Init();
    font.Owner = &form;
    label.Parent = &form;
    label.Init();
    font.OnChoose = MakeWire(0, &TProbe::Take, &chosen);
  }

  TZEMainForm form;
  TZELabel label;
  TZEFont font;
  TProbe chosen;
};

TEST_F(FontTest, ChooseOpensTheDialogPresetAndStoresTheConfirmedChoice) {
  TFontChoice preset;
  backend.FontDialog = [&](TFontChoice& f) {
    preset = f;
    f.Name = "Tahoma";
    f.Size = 10;
    f.Weight = 600;  // below 700: not bold
    f.Italic = true;
    f.Underline = false;
    f.StrikeOut = true;
    f.Color = 0x00FF00;
    f.CharSet = 1;
    return true;
  };
  // The chosen font goes on to a control's SetFont, as a scheme wires it.
  test::TCall apply([&](TData& d, uint16_t) { label.SetFont(d, 0); });
  font.OnChoose = MakeWire(0, &test::TCall::Take, &apply);
  TData none;
  font.Choose(none, 0);
  EXPECT_EQ(preset.Name, "Times New Roman");
  EXPECT_EQ(preset.Size, 12);
  EXPECT_EQ(preset.Weight, 700);
  EXPECT_FALSE(preset.Italic);
  EXPECT_TRUE(preset.Underline);
  EXPECT_FALSE(preset.StrikeOut);
  EXPECT_EQ(preset.Color, 0x0000FFu);
  EXPECT_EQ(preset.CharSet, 204);
  EXPECT_EQ(backend.DialogOwner, form.Widget());
  EXPECT_EQ(font.Font.Name, "Tahoma");
  EXPECT_EQ(font.Font.Size, 10);
  EXPECT_EQ(font.Font.Style, 2 | 8);
  EXPECT_EQ(font.Font.Color, 0x00FF00u);
  EXPECT_EQ(font.Font.CharSet, 1);
  EXPECT_EQ(W(label).Font(), (TFontSpec{"Tahoma", -13, 2 | 8, 0x00FF00, 1}));

  backend.FontDialog = [](TFontChoice& f) {
    f.Weight = 700;
    f.Italic = f.StrikeOut = false;
    f.Underline = true;
    return true;
  };
  font.Choose(none, 0);
  EXPECT_EQ(font.Font.Style, 1 | 4);
  TData value;
  font.Value(value, 0);
  ASSERT_EQ(value.Kind, dtFont);
  EXPECT_EQ(static_cast<TFontRec*>(value.Object)->Style, 1 | 4);
  EXPECT_EQ(W(label).Font().Style, 1 | 4);
}

TEST_F(FontTest, ACancelledDialogKeepsTheFontAndFiresNothing) {
  backend.FontDialog = [](TFontChoice& f) {
    f.Name = "Arial";
    return false;
  };
  TData none;
  font.Choose(none, 0);
  EXPECT_EQ(backend.FontDialogs, 1);
  EXPECT_EQ(font.Font.Name, "Times New Roman");
  EXPECT_EQ(font.Font.Style, 1 | 4);
  EXPECT_TRUE(chosen.Seen.empty());
  backend.FontDialog = nullptr;  // no answer at all cancels as well
  font.Choose(none, 0);
  EXPECT_TRUE(chosen.Seen.empty());
  EXPECT_EQ(backend.FontDialogs, 2);
}

class FileDialogTest : public UiTest {};

TEST_F(FileDialogTest, ExecuteReportsTheChosenPathOrTheCancel) {
  TZEMainForm form;
  form.Init();
  TZEODialog sound;
  sound.Title = "Выбор звукового файла";
  sound.Filter = "Звук|*.wav";
  sound.Folder = ".";
  sound.Owner = &form;
  TProbe executed, cancelled;
  sound.OnExecute = MakeWire(0, &TProbe::Take, &executed);
  sound.OnCancel = MakeWire(0, &TProbe::Take, &cancelled);
  Seen asked;
  bool answer = true;
  backend.FileDialog = [&](const std::string& title, const std::string& filter, const std::string& folder,
                           std::string& path) {
    asked = {title, filter, folder};
    path = "C:\\Звуки\\тревога.wav";
    return answer;
  };
  TData none;
  sound.Execute(none, 0);
  EXPECT_EQ(asked, (Seen{"Выбор звукового файла", "Звук|*.wav", "."}));
  EXPECT_EQ(backend.DialogOwner, form.Widget());
  EXPECT_EQ(executed.Seen, (Seen{"str C:\\Звуки\\тревога.wav"}));
  EXPECT_TRUE(cancelled.Seen.empty());
  answer = false;
  sound.Execute(none, 0);
  EXPECT_EQ(executed.Seen.size(), 1u);  // the path of a cancelled dialog goes nowhere
  EXPECT_EQ(cancelled.Seen, (Seen{"null"}));
  TZEODialog ownerless;  // no owner: the dialog belongs to no window of ours
  ownerless.Execute(none, 0);
  EXPECT_EQ(backend.DialogOwner, nullptr);
  EXPECT_EQ(backend.FileDialogs, 3);
}

}  // namespace
}  // namespace zorn::ui
