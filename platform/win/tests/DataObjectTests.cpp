// Data objects of bytes per format, their enumerators, what the platform
// reads of anyone's data object, and other programs' drags fed to our
// drop targets.
#include "platform/win/BlockDataObject.h"
#include "platform/win/Clipboard.h"
#include "platform/win/GlobalMemory.h"
#include "platform/win/GlobalText.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/detail/DataObjectReading.h"
#include "platform/win/detail/FormatEnumerator.h"
#include "platform/win/tests/DragDropFixture.h"

namespace plat::testing {
namespace {

constexpr CLIPFORMAT kText = CF_TEXT;
constexpr CLIPFORMAT kUnicode = CF_UNICODETEXT;
constexpr CLIPFORMAT kFiles = CF_HDROP;

// A data object whose enumerator misbehaves as told; it gives no data.
class BrokenEnumeration final : public TInterfacedObject<IDataObject> {
 public:
  enum class How { Refused, NullEnumerator, Endless };
  explicit BrokenEnumeration(How how) : FHow(how) {}
  HRESULT GetData(const FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
  HRESULT GetDataHere(const FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
  HRESULT QueryGetData(const FORMATETC*) override { return DV_E_FORMATETC; }
  HRESULT GetCanonicalFormatEtc(const FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
  HRESULT SetData(const FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT EnumFormatEtc(DWORD, IEnumFORMATETC** enumerator) override {
    *enumerator = nullptr;
    if (FHow == How::Refused) return E_FAIL;
    if (FHow == How::NullEnumerator) return S_OK;
    *enumerator = InterfacePtr<IEnumFORMATETC>(new Endless).Detach();
    return S_OK;
  }
  HRESULT DAdvise(const FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  // Answers a new format for ever.
  class Endless final : public TInterfacedObject<IEnumFORMATETC> {
   public:
    HRESULT Next(ULONG, FORMATETC* formats, ULONG* fetched) override {
      formats[0] = FORMATETC{static_cast<CLIPFORMAT>(++FNext)};
      if (fetched) *fetched = 1;
      return S_OK;
    }
    HRESULT Skip(ULONG) override { return S_OK; }
    HRESULT Reset() override { return S_OK; }
    HRESULT Clone(IEnumFORMATETC**) override { return E_NOTIMPL; }

   private:
    int FNext = 0;
  };
  How FHow;
};

TEST(BlockDataObject, GivesEachFormatInANewBlockForTheContentAspectOnly) {
  const int live = GlobalLiveCount();
  {
    InterfacePtr<IDataObject> data = TBlockDataObject::Create(TextBlocks("grüß"));
    FORMATETC text{kText};
    STGMEDIUM medium;
    ASSERT_EQ(data->GetData(&text, &medium), S_OK);
    EXPECT_EQ(GlobalNarrowText(medium.hGlobal), "grüß");
    ReleaseStgMedium(&medium);
    FORMATETC unicode{kUnicode};
    ASSERT_EQ(data->GetData(&unicode, &medium), S_OK);
    EXPECT_EQ(GlobalWideText(medium.hGlobal), u"grüß");
    ReleaseStgMedium(&medium);

    // clang-format off
    const FORMATETC refused[] = {
        {kFiles},
        {kText, nullptr, DVASPECT_ICON, -1, TYMED_HGLOBAL},
        {kText, nullptr, DVASPECT_CONTENT, 0, TYMED_HGLOBAL},
        {kText, nullptr, DVASPECT_CONTENT, -1, TYMED_ISTREAM},
    };
    // clang-format on
    for (const FORMATETC& format : refused) {
      EXPECT_EQ(data->QueryGetData(&format), DV_E_FORMATETC);
      EXPECT_EQ(data->GetData(&format, &medium), DV_E_FORMATETC);
    }
    EXPECT_EQ(data->SetData(&text, &medium, TRUE), E_NOTIMPL);
    EXPECT_EQ(data->DAdvise(&text, 0, nullptr, nullptr), OLE_E_ADVISENOTSUPPORTED);
  }
  EXPECT_EQ(GlobalLiveCount(), live);
}

TEST(BlockDataObject, FetchesAFormatOnceAndRefusesWhatCannotBeHad) {
  std::vector<CLIPFORMAT> asked;
  InterfacePtr<IDataObject> data =
      TBlockDataObject::CreateFetching({kText, kFiles}, [&](CLIPFORMAT format) -> std::optional<std::vector<Byte>> {
        asked.push_back(format);
        if (format == kText) return ZeroTerminatedBytes("late");
        return std::nullopt;
      });
  EXPECT_EQ(OfferedFormats(data.Get()), (std::vector<CLIPFORMAT>{kText, kFiles}));
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(FormatBytes(data.Get(), kText), ZeroTerminatedBytes("late"));
  EXPECT_EQ(FormatBytes(data.Get(), kText), ZeroTerminatedBytes("late"));
  EXPECT_EQ(FormatBytes(data.Get(), kFiles), std::nullopt);
  FORMATETC files{kFiles};
  EXPECT_EQ(data->QueryGetData(&files), DV_E_FORMATETC);
  EXPECT_EQ(asked, (std::vector<CLIPFORMAT>{kText, kFiles}));
}

TEST(FormatEnumerator, StepsSkipsResetsAndClonesFromItsPosition) {
  auto list = std::make_shared<std::vector<FORMATETC>>(
      std::vector<FORMATETC>{FORMATETC{1}, FORMATETC{13}, FORMATETC{0xC001}});
  InterfacePtr<IEnumFORMATETC> e(new TFormatEnumerator(list));
  FORMATETC got[4];
  ULONG fetched = 9;
  EXPECT_EQ(e->Next(2, got, &fetched), S_OK);
  EXPECT_EQ(fetched, 2u);
  EXPECT_EQ(got[1].cfFormat, 13);
  IEnumFORMATETC* raw = nullptr;
  ASSERT_EQ(e->Clone(&raw), S_OK);
  InterfacePtr<IEnumFORMATETC> clone = InterfacePtr<IEnumFORMATETC>::Adopt(raw);
  EXPECT_EQ(e->Next(4, got, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 1u);
  EXPECT_EQ(got[0].cfFormat, 0xC001);
  EXPECT_EQ(e->Next(1, got, nullptr), S_FALSE);
  EXPECT_EQ(e->Next(2, got, nullptr), E_POINTER);
  EXPECT_EQ(clone->Next(1, got, nullptr), S_OK);
  EXPECT_EQ(got[0].cfFormat, 0xC001);
  EXPECT_EQ(e->Reset(), S_OK);
  EXPECT_EQ(e->Skip(2), S_OK);
  EXPECT_EQ(e->Skip(5), S_FALSE);
  EXPECT_EQ(e->Next(1, got, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 0u);
}

TEST(DataObjectReading, AnEnumeratorThatFailsOffersNothingAndAnEndlessOneIsCut) {
  using How = BrokenEnumeration::How;
  for (How how : {How::Refused, How::NullEnumerator})
    EXPECT_TRUE(OfferedFormats(InterfacePtr<IDataObject>(new BrokenEnumeration(how)).Get()).empty());
  EXPECT_EQ(OfferedFormats(InterfacePtr<IDataObject>(new BrokenEnumeration(How::Endless)).Get()).size(),
            kMaxOfferedFormats);
  EXPECT_TRUE(OfferedFormats(nullptr).empty());
}

class ExternalDrag : public DragDropTest {};

TEST_F(ExternalDrag, ADragOfAnObjectWhoseEnumeratorFailsRunsToItsEnd) {
  HWND b = Make("b", WS_POPUP | WS_VISIBLE, Bounds(200, 0, 100, 100));
  Log log;
  InterfacePtr<LoggingDropTarget> target(new LoggingDropTarget("b", log, GridEffectRule));
  ASSERT_EQ(RegisterDragDrop(b, target.Get()), S_OK);
  for (auto how : {BrokenEnumeration::How::Refused, BrokenEnumeration::How::Endless}) {
    InterfacePtr<IDataObject> data(new BrokenEnumeration(how));
    EXPECT_EQ(FeedExternalDragOver(data.Get(), {250, 50}, 0, DROPEFFECT_COPY), DROPEFFECT_COPY);
    EXPECT_EQ(FeedExternalDrop(data.Get(), {250, 50}, 0, DROPEFFECT_COPY), DROPEFFECT_COPY);
    EXPECT_EQ(target->DroppedText, "");
  }
  RevokeDragDrop(b);
}

TEST_F(ExternalDrag, OtherProgramsDragsReachTheTargetUnderThePoint) {
  HWND b = Make("b", WS_POPUP | WS_VISIBLE, Bounds(200, 0, 100, 100));
  Make("plain", WS_POPUP | WS_VISIBLE, Bounds(400, 0, 100, 100));
  Log log;
  InterfacePtr<LoggingDropTarget> target(new LoggingDropTarget("b", log, GridEffectRule));
  ASSERT_EQ(RegisterDragDrop(b, target.Get()), S_OK);
  InterfacePtr<IDataObject> data = TBlockDataObject::Create(TextBlocks("from outside"));
  // clang-format off
  struct Step { TPoint At; DWORD Keys; bool Drop; DWORD Answer; };
  const Step steps[] = {
      {{250, 50}, MK_LBUTTON, false, DROPEFFECT_MOVE},
      {{450, 50}, MK_LBUTTON, false, DROPEFFECT_NONE},
      {{260, 60}, MK_LBUTTON | MK_CONTROL, false, DROPEFFECT_COPY},
      {{260, 60}, MK_CONTROL, true, DROPEFFECT_COPY},
  };
  // clang-format on
  for (const Step& step : steps) {
    const DWORD answer = step.Drop ? FeedExternalDrop(data.Get(), step.At, step.Keys, DROPEFFECT_COPY | DROPEFFECT_MOVE)
                                   : FeedExternalDragOver(data.Get(), step.At, step.Keys,
                                                          DROPEFFECT_COPY | DROPEFFECT_MOVE);
    EXPECT_EQ(EffectName(answer), EffectName(step.Answer));
  }
  EXPECT_EQ(log, (Log{"b enter (250,50) L move", "b leave", "b enter (260,60) LC copy", "b drop (260,60) C copy"}));
  EXPECT_EQ(target->DroppedText, "from outside");
  EXPECT_EQ(FeedExternalDragOver(data.Get(), {250, 50}, 0, DROPEFFECT_MOVE), DROPEFFECT_MOVE);
  FeedExternalDragLeave();
  EXPECT_EQ(log.back(), "b leave");
  EXPECT_EQ(FeedExternalDrop(nullptr, {250, 50}, 0, DROPEFFECT_MOVE), DROPEFFECT_NONE);
  RevokeDragDrop(b);
}

}  // namespace
}  // namespace plat::testing
