#include "skin/tests/FrameFixture.h"

#include "platform/gdi/PngCodec.h"
#include "platform/rtl/FileUtils.h"
#include "platform/ui/TCustomForm.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowPos.h"
#include "skin/SkinClasses.h"
#include "testing/FileContent.h"
#include "testing/ProjectPaths.h"

namespace skintest {

void FrameTest::SetUp() {
  FormTest::SetUp();
  zorbit::RegisterSkinClasses();
  FForm = new plat::TForm(plat::Application);
  FForm->SetBorderStyle(plat::TFormBorderStyle::bsSingle);
  FForm->SetBounds(100, 80, 320, 200);
  FForm->SetCaption("Skinned");
  FFrame = new zorbit::TskForm(FForm);
  FForm->Show();
  Pump();
}

plat::COLORREF FrameTest::WindowPixel(int X, int Y) const {
  const auto picture = plat::WindowPicture(FForm->Handle());
  return plat::ColorRefFromPixel(picture->At(X, Y));
}

std::string FrameTest::WindowRow(int Y, int X0, int X1, const std::map<plat::COLORREF, char>& Legend) const {
  const auto picture = plat::WindowPicture(FForm->Handle());
  std::string row;
  for (int x = X0; x < X1; ++x) {
    const auto found = Legend.find(plat::ColorRefFromPixel(picture->At(x, Y)));
    row += found == Legend.end() ? '?' : found->second;
  }
  return row;
}

std::vector<plat::String> MessagesDuring(plat::HeadlessDisplay& Display, const std::function<void()>& Action) {
  std::vector<plat::String> texts;
  Display.SetModalHook([&texts](plat::HWND box) {
    if (auto* dialog = dynamic_cast<plat::TCustomForm*>(plat::FindControl(box)))
      if (auto* text = dynamic_cast<plat::TControl*>(dialog->FindComponent("Message")))
        texts.push_back(text->Caption());
    plat::InjectKeyPress(plat::VK_RETURN);
  });
  Action();
  Display.SetModalHook(nullptr);
  return texts;
}

void KeepPicture(const plat::Bitmap& Picture, const std::string& Name) {
  const std::string folder = zorbit::testing::BuildPath("skin/screenshots");
  plat::ForceDirectories(folder);
  const std::vector<plat::Byte> png = plat::WritePng(Picture);
  zorbit::testing::WriteFileContent(folder + "/" + Name + ".png", std::string(png.begin(), png.end()));
}

void FrameTest::Screenshot(const std::string& Name) const { KeepPicture(*plat::WindowPicture(FForm->Handle()), Name); }

plat::TPoint FrameTest::WindowPointOnScreen(int X, int Y) const {
  plat::RECT rect{};
  plat::GetWindowRect(FForm->Handle(), &rect);
  return {rect.Left + X, rect.Top + Y};
}

plat::TPoint FrameTest::TitleBarPoint(int X, int Y) const { return FFrame->TitleBar()->ClientToScreen({X, Y}); }

}  // namespace skintest
