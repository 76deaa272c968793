#include "grid/TCellGraphic.h"

#include "grid/TFilePicture.h"
#include "grid/TIntList.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TIcon.h"
#include "platform/gdi/TPicture.h"
#include "platform/rtl/StringList.h"

namespace zorbit {

std::unique_ptr<plat::TObject> CopyCellObject(const plat::TObject* Source) {
  if (const auto* bitmap = dynamic_cast<const plat::TBitmap*>(Source)) {
    auto copy = std::make_unique<plat::TBitmap>();
    copy->Assign(*bitmap);
    return copy;
  }
  if (const auto* icon = dynamic_cast<const plat::TIcon*>(Source)) {
    auto copy = std::make_unique<plat::TIcon>();
    copy->Assign(*icon);
    return copy;
  }
  if (const auto* strings = dynamic_cast<const plat::TStringList*>(Source)) {
    auto copy = std::make_unique<plat::TStringList>();
    copy->Assign(*strings);
    return copy;
  }
  if (const auto* picture = dynamic_cast<const plat::TPicture*>(Source)) {
    auto copy = std::make_unique<plat::TPicture>();
    copy->Assign(*picture);
    return copy;
  }
  if (const auto* file = dynamic_cast<const TFilePicture*>(Source)) {
    auto copy = std::make_unique<TFilePicture>();
    copy->Assign(file);
    return copy;
  }
  if (const auto* images = dynamic_cast<const TIntList*>(Source)) {
    auto copy = std::make_unique<TIntList>(images->Col(), images->Row());
    for (int i = 0; i < images->Count(); ++i) copy->Insert(i, images->Item(i));
    return copy;
  }
  return nullptr;
}

TCellGraphic::TCellGraphic() = default;

TCellGraphic::~TCellGraphic() = default;

void TCellGraphic::Assign(const plat::TPersistent* Source) {
  const auto* source = dynamic_cast<const TCellGraphic*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  if (source == this) return;
  FCellType = source->FCellType;
  FCellVAlign = source->FCellVAlign;
  FCellHAlign = source->FCellHAlign;
  FCellIndex = source->FCellIndex;
  FCellTransparent = source->FCellTransparent;
  FCellBoolean = source->FCellBoolean;
  FCellAngle = source->FCellAngle;
  FCellValue = source->FCellValue;
  FCellErrFrom = source->FCellErrFrom;
  FCellErrLen = source->FCellErrLen;
  FCellText = source->FCellText;
  FCellColor = source->FCellColor;
  FCellColorTo = source->FCellColorTo;
  FCellTextColor = source->FCellTextColor;
  FCellTextColorTo = source->FCellTextColorTo;
  FNodeValue = source->FNodeValue;
  if (source->CellCreated())
    TakeObject(CopyCellObject(source->FObject));
  else
    ReferObject(source->FObject);
}

plat::TBitmap* TCellGraphic::Bitmap() const { return dynamic_cast<plat::TBitmap*>(FObject); }
plat::TIcon* TCellGraphic::Icon() const { return dynamic_cast<plat::TIcon*>(FObject); }
plat::TStringList* TCellGraphic::Strings() const { return dynamic_cast<plat::TStringList*>(FObject); }
plat::TPicture* TCellGraphic::Picture() const { return dynamic_cast<plat::TPicture*>(FObject); }
TFilePicture* TCellGraphic::FilePicture() const { return dynamic_cast<TFilePicture*>(FObject); }
TIntList* TCellGraphic::Images() const { return dynamic_cast<TIntList*>(FObject); }

void TCellGraphic::TakeObject(std::unique_ptr<plat::TObject> Value) {
  FObject = Value.get();
  FOwned = std::move(Value);
}

void TCellGraphic::ReferObject(plat::TObject* Value) {
  // Referring to the object already owned would leave it freed here.
  if (Value && Value == FOwned.get()) return;
  FOwned.reset();
  FObject = Value;
}

}  // namespace zorbit
