// The editors' paste rule: a paste that would pass the length limit is
// refused whole; as a rule on the edit buffer, and by Ctrl+V in each editor
// on a real form.
#include "grid/PasteLimit.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "grid/EsgEditBtn.h"
#include "grid/EsgSpinEdit.h"
#include "grid/EsgUniEdit.h"
#include "grid/EsgUniEditBtn.h"
#include "grid/tests/SpinFormTest.h"
#include "platform/ui/EditBuffer.h"
#include "platform/ui/TClipboard.h"
#include "platform/win/InputInjection.h"
#include "platform/win/VirtualKeys.h"

namespace zorbit {
namespace {

struct PasteCase {
  const char* Rule;
  const char* Text;
  int SelStart;
  int SelLength;
  int MaxLength;
  const char* Pasted;
  bool Fits;
};

// clang-format off
const PasteCase kPasteCases[] = {
    {"fills the limit exactly",             "12",  2, 0, 3, "3",           true},
    {"one past the limit",                  "12",  2, 0, 3, "34",          false},
    {"replacing a selection that makes room", "12", 1, 1, 3, "34",         true},
    {"replacing all with too much",         "12",  0, 2, 3, "9999",        false},
    {"no limit",                            "12",  2, 0, 0, "3456789",     true},
    {"only the first line counts",          "12",  2, 0, 3, "3\r\n456",    true},
    {"characters, not bytes",               "",    0, 0, 3, "\u0416\u20AC\xF0\x9F\x98\x80", true},
    {"characters past the limit",           "\u0416", 1, 0, 3, "\u20AC\u20AC\u20AC", false},
    {"an empty paste",                      "123", 3, 0, 3, "",            true},
};
// clang-format on

TEST(PasteLimit, APasteFitsWhenTheWholeTextStaysWithinTheLimit) {
  for (const PasteCase& c : kPasteCases) {
    plat::TEditBuffer buffer;
    buffer.SetText(c.Text);
    buffer.SetSel(c.SelStart, c.SelStart + c.SelLength);
    buffer.SetMaxLength(c.MaxLength);
    EXPECT_EQ(PasteFitsLimit(buffer, c.Pasted), c.Fits) << c.Rule;
    // The buffer itself is left as it was.
    EXPECT_EQ(buffer.Text(), c.Text) << c.Rule;
  }
}

class PasteIntoEditors : public testing::SpinFormTest {};

struct EditorKind {
  const char* Name;
  std::function<plat::TCustomEdit*(plat::TForm*)> Make;
};

template <class T>
EditorKind Kind(const char* Name) {
  return {Name, [](plat::TForm* Form) {
            auto* editor = new T(Form);
            editor->SetParent(Form);
            editor->SetBounds(10, 10, 160, 24);
            return editor;
          }};
}

TEST_F(PasteIntoEditors, CtrlVRefusesAPastePastMaxLengthWhole) {
  const EditorKind kinds[] = {Kind<TEsgEditBtn>("TEsgEditBtn"), Kind<TEsgUniEditBtn>("TEsgUniEditBtn"),
                              Kind<TEsgUniEdit>("TEsgUniEdit"), Kind<TEsgSpinEdit>("TEsgSpinEdit")};
  for (const EditorKind& kind : kinds) {
    plat::TCustomEdit* edit = kind.Make(FForm);
    edit->SetMaxLength(3);
    edit->SetFocus();
    Pump();
    for (const auto& [pasted, after] : {std::pair<const char*, const char*>{"345", "12"}, {"3", "123"}}) {
      edit->TControl::SetText("12");
      edit->SetSelStart(2);
      plat::Clipboard()->SetAsText(pasted);
      plat::InjectKeyPress('V', {plat::VK_CONTROL});
      Pump();
      EXPECT_EQ(edit->TControl::Text(), after) << kind.Name << " pasting " << pasted;
    }
    delete edit;
  }
}

}  // namespace
}  // namespace zorbit
