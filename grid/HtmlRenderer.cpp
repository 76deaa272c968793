#include "grid/HtmlRenderer.h"

#include "grid/detail/HtmlEngine.h"
#include "platform/gdi/TCanvas.h"
#include "platform/rtl/ScopeExit.h"

namespace zorbit {

bool RenderHtml(plat::TCanvas& Canvas, const plat::String& Html, const plat::TRect& Rect,
                const THtmlRenderOptions& Options, THtmlRenderResult& Result) {
  if (!Options.CheckOnly) Canvas.Changing();
  const plat::ScopeExit changed([&] {
    if (!Options.CheckOnly) Canvas.Changed();
  });
  detail::HtmlEngine engine(Canvas, Rect, Options, Result);
  return engine.Run(Html);
}

}  // namespace zorbit
