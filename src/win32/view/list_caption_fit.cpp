#include "win32/view/list_caption_fit.h"

#include <commctrl.h>

#include <algorithm>

#include "core/layout/caption_fit.h"
#include "core/layout/caption_text.h"
#include "win32/base/gdi.h"
#include "win32/base/rect.h"
#include "win32/base/unicode.h"

namespace olb::win {
namespace {

constexpr size_t kTipLineChars = 40;  // a tip line of a name without blanks

Point ItemPosition(HWND list, int32_t item) {
  POINT p{};
  SendMessageW(list, LVM_GETITEMPOSITION, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&p));
  return {p.x, p.y};
}

// Measures candidates of one item's caption; the DC for text widths is
// taken on the first width asked for and kept for the fitting.
class ControlMeasure : public CaptionMeasure {
 public:
  ControlMeasure(const ListCaptions& captions, int32_t item) : c_(captions), item_(item) {}

  std::optional<Rect> CandidateLabel(std::string_view text) override {
    RECT label{};
    label.left = LVIR_LABEL;
    *c_.candidate = std::string(text);
    const bool placed = SendMessageW(c_.list, LVM_GETITEMRECT, static_cast<WPARAM>(item_),
                                     reinterpret_cast<LPARAM>(&label)) != 0;
    c_.candidate->reset();
    if (!placed) return std::nullopt;
    return ToRect(label);
  }

  int32_t TextWidth(std::string_view text) override {
    if (!dc_) {
      dc_.emplace(c_.list);
      font_.emplace(dc_->get(), c_.font);
    }
    const std::wstring wide = Widen(text);
    SIZE size{};
    GetTextExtentPoint32W(dc_->get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    return static_cast<int32_t>(size.cx);
  }

 private:
  const ListCaptions& c_;
  int32_t item_;
  std::optional<WindowDc> dc_;
  std::optional<SelectionScope> font_;
};

bool ShowsBelowIcon(ListViewStyle style) {
  return style == ListViewStyle::LargeIcons || style == ListViewStyle::ExtraLargeIcons;
}

}  // namespace

std::string FittedCaption(const ListCaptions& captions, int32_t item, const std::string& caption) {
  if (captions.style != ListViewStyle::SmallIcons && !ShowsBelowIcon(captions.style)) {
    return caption;
  }
  RECT client{};
  GetClientRect(captions.list, &client);
  const CaptionPlace place{ItemPosition(captions.list, item), ItemPosition(captions.list, 0),
                           ToRect(client)};
  ControlMeasure measure(captions, item);
  return captions.style == ListViewStyle::SmallIcons ? FitSmallIconCaption(caption, place, measure)
                                                     : FitLargeIconCaption(caption, place, measure);
}

std::wstring CutCaptionTipText(const ListCaptions& captions, int32_t item, std::string_view name) {
  RECT label{};
  label.left = LVIR_LABEL;
  if (!SendMessageW(captions.list, LVM_GETITEMRECT, static_cast<WPARAM>(item),
                    reinterpret_cast<LPARAM>(&label))) {
    return {};
  }
  RECT client{};
  GetClientRect(captions.list, &client);
  const std::wstring text = Widen(name);
  RECT need{0, 0, std::max<LONG>(label.right - label.left, 1), 0};
  {
    WindowDc dc(captions.list);
    SelectionScope useFont(dc.get(), captions.font);
    const UINT wrap = ShowsBelowIcon(captions.style) ? DT_WORDBREAK : DT_SINGLELINE;
    DrawTextW(dc.get(), text.c_str(), -1, &need, DT_CALCRECT | DT_NOPREFIX | wrap);
  }
  // A name without blanks would make one tip as wide as the screen.
  return CaptionShowsCut({need.right, need.bottom}, ToRect(label), ToRect(client))
             ? Widen(BreakLongRuns(name, kTipLineChars))
             : std::wstring();
}

}  // namespace olb::win
