#include "win32/view/caption_tip.h"

namespace olb::win {
namespace {

constexpr int kTipMaxWidth = 400;  // pixels

}  // namespace

CaptionTip::CaptionTip(HWND form, HWND list, std::function<std::wstring(int32_t item)> textOf)
    : list_(list), tip_(form, form, list, nullptr), textOf_(std::move(textOf)) {
  tip_.SetMaxWidth(kTipMaxWidth);
}

int CaptionTip::ItemAt(POINT inList) const {
  LVHITTESTINFO hit{};
  hit.pt = inList;
  return static_cast<int>(SendMessageW(list_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

void CaptionTip::OnMouseMove(POINT inList) {
  if (!tip_.hwnd()) return;
  const int item = ItemAt(inList);
  // Another item asks for its own text: the tip shown for the last one goes.
  if (item != item_) {
    item_ = item;
    tip_.Pop();
  }
}

void CaptionTip::Reset() {
  tip_.Pop();
  item_ = -1;
}

bool CaptionTip::OnNotify(NMHDR& header, LRESULT& result) {
  if (!tip_.hwnd() || header.hwndFrom != tip_.hwnd() || header.code != TTN_GETDISPINFOW) {
    return false;
  }
  POINT at{};
  GetCursorPos(&at);
  ScreenToClient(list_, &at);
  const int item = ItemAt(at);
  text_ = item >= 0 ? textOf_(item) : std::wstring();
  auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
  info.lpszText = text_.data();
  info.hinst = nullptr;
  result = 0;
  return true;
}

}  // namespace olb::win
