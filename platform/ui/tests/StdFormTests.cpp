// A form of standard controls built from its layout: the published
// properties arrive, the handlers are bound, and the form looks as its
// reference picture does.
#include <gtest/gtest.h>

#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCustomCheckBox.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/ui/TCustomListBox.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/TSpeedButton.h"
#include "platform/ui/tests/ReferencePicture.h"
#include "platform/ui/tests/StdControlsFixture.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"

namespace plat::testing {
namespace {

class TfmStdControls : public TForm {
 public:
  explicit TfmStdControls(TComponent* AOwner) : TForm(AOwner) {
    TLayoutHandlers handlers;
    handlers.RegisterHandler("FormCreate", this, &TfmStdControls::FormCreate);
    handlers.RegisterHandler("OKClick", this, &TfmStdControls::OKClick);
    handlers.RegisterHandler("ItemsClick", this, &TfmStdControls::ItemsClick);
    handlers.RegisterHandler("NameChange", this, &TfmStdControls::NameChange);
    CreateFromLayout("StdControlsForm", handlers);
  }

  template <typename T>
  T* Part(const char* Name) const {
    return dynamic_cast<T*>(FindComponent(Name));
  }

  int Created = 0;
  int OKClicks = 0;
  int ItemClicks = 0;
  int NameChanges = 0;

 private:
  void FormCreate(TObject*) { ++Created; }
  void OKClick(TObject*) { ++OKClicks; }
  void ItemsClick(TObject*) { ++ItemClicks; }
  void NameChange(TObject*) { ++NameChanges; }
};

class StdForm : public StdControlsTest {};

TEST_F(StdForm, TheLayoutSetsTheControlsPublishedProperties) {
  auto* form = new TfmStdControls(Application);
  EXPECT_EQ(form->Created, 1);
  EXPECT_EQ(form->Part<TListBox>("lstItems")->Items()->Count(), 16);
  EXPECT_EQ(form->Part<TEdit>("edtPassword")->PasswordChar(), '*');
  EXPECT_EQ(form->Part<TEdit>("edtPassword")->MaxLength(), 8);
  EXPECT_EQ(form->Part<TEdit>("edtName")->Text(), "Zorbit");
  EXPECT_TRUE(form->Part<TButton>("btnOK")->Default());
  EXPECT_EQ(form->Part<TButton>("btnOK")->ModalResult(), mrOk);
  EXPECT_TRUE(form->Part<TButton>("btnCancel")->Cancel());
  EXPECT_TRUE(form->Part<TCheckBox>("chkRemember")->Checked());
  EXPECT_TRUE(form->Part<TRadioButton>("rbFast")->Checked());
  EXPECT_FALSE(form->Part<TRadioButton>("rbFull")->Checked());
  EXPECT_TRUE(form->Part<TSpeedButton>("sbLeft")->Down());
  EXPECT_EQ(form->Part<TLabel>("lblName")->FocusControl(), form->Part<TEdit>("edtName"));
  EXPECT_EQ(form->Part<TLabel>("lblNote")->Width(), 248);  // AutoSize off keeps the layout's size
  // The list fills its panel inside the panel's border.
  EXPECT_EQ(form->Part<TListBox>("lstItems")->BoundsRect(), (TRect{6, 6, 144, 218}));
  delete form;
}

TEST_F(StdForm, TheHandlersAnswerTheControls) {
  auto* form = new TfmStdControls(Application);
  form->Show();
  Pump();
  TEdit* name = form->Part<TEdit>("edtName");
  name->SetFocus();
  Type("{END}!");
  EXPECT_EQ(name->Text(), "Zorbit!");
  EXPECT_EQ(form->NameChanges, 1);
  TListBox* list = form->Part<TListBox>("lstItems");
  const TRect item = list->ItemRect(2);
  InjectClick(OnScreen(list, {item.Left + 10, item.Top + 3}));
  Pump();
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(form->ItemClicks, 1);
  Type("{A-N}");  // the label's accelerator
  EXPECT_TRUE(name->Focused());
  Type("{ENTER}");
  EXPECT_EQ(form->OKClicks, 1);
  EXPECT_EQ(form->ModalResult(), mrOk);
  delete form;
}

TEST_F(StdForm, LooksAsItsReferencePicture) {
  auto* form = new TfmStdControls(Application);
  form->Show();
  form->Part<TListBox>("lstItems")->SetItemIndex(1);
  Pump();
  const std::unique_ptr<Bitmap> shot = WindowPicture(form->Handle());
  ASSERT_TRUE(shot);
  const TPictureMatch match = MatchReference(*shot, TestDataDir() + "/StdControlsForm.png", 24);
  // A few pixels may differ where anti-aliased text rounds otherwise.
  const bool close = match.Loaded && match.Differing * 1000 <= shot->Width() * shot->Height();
  if (!close) {
    ADD_FAILURE() << "the form does not match its reference (" << match.Differing << " pixels differ, loaded "
                  << match.Loaded << "); it is kept in " << KeepForInspection(*shot, "StdControlsForm.actual.png");
  }
  delete form;
}

}  // namespace
}  // namespace plat::testing
