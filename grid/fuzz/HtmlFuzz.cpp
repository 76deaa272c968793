// Any bytes as mark-up are measured, hit-tested and drawn into a small
// bitmap, in both dialects, and run through the text routines: no crash, no
// exception, no hang. Pictures come from a container with one small bitmap,
// so IMG and BODY find something; nothing is read from files.
#include <cstddef>
#include <cstdint>

#include "grid/HtmlRenderer.h"
#include "grid/HtmlText.h"
#include "grid/TPictureContainer.h"
#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/TBitmap.h"
#include "platform/rtl/Streams.h"

namespace {

zorbit::TPictureContainer& Container() {
  static zorbit::TPictureContainer* container = [] {
    auto* made = new zorbit::TPictureContainer(nullptr);
    zorbit::TPictureItem* item = made->Items()->Add();
    item->SetName("p");
    const std::vector<plat::Byte> bytes = plat::WriteBmp(plat::Bitmap(3, 2));
    plat::TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<plat::Int64>(bytes.size()));
    stream.SetPosition(0);
    item->Picture()->LoadFromStream(stream);
    return made;
  }();
  return *container;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const plat::String html(reinterpret_cast<const char*>(data), size);
  plat::TBitmap bitmap;
  bitmap.SetSize(64, 32);
  for (const zorbit::THtmlDialect dialect : {zorbit::THtmlDialect::hdGrid, zorbit::THtmlDialect::hdLabel}) {
    zorbit::THtmlRenderOptions options;
    options.Container = &Container();
    options.Dialect = dialect;
    options.XPos = 10;
    options.YPos = 8;
    options.HoverLink = 0;
    options.FocusLink = 0;
    options.CheckOnly = true;
    zorbit::THtmlRenderResult result;
    zorbit::RenderHtml(*bitmap.Canvas(), html, {0, 0, 64, 32}, options, result);
    options.CheckOnly = false;
    options.WordWrap = dialect == zorbit::THtmlDialect::hdGrid;
    zorbit::RenderHtml(*bitmap.Canvas(), html, {2, 2, 60, 30}, options, result);
  }
  plat::String edited = html;
  zorbit::WriteCellControlValue(edited, zorbit::NextCellControlID(html, ""), "v&\"<>");
  zorbit::ReadCellControlValue(edited, "x");
  zorbit::RemoveHtmlHighlight(zorbit::HighlightHtmlText(zorbit::StripHtml(html), "a", "HI", false), "HI");
  return 0;
}
