#include "win32/base/tooltip.h"

#include <commctrl.h>

namespace olb::win {

Tooltip::Tooltip(HWND form, HWND toolParent, HWND tool, const wchar_t* text) {
  // The tip belongs to the form's owner, not to the form: a pop-up owned by
  // the bar keeps Wine from making the bar topmost.
  tip_.Reset(CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             GetWindow(form, GW_OWNER), nullptr, nullptr, nullptr));
  if (!tip_ || !tool) return;
  TOOLINFOW info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = toolParent;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = text ? const_cast<wchar_t*>(text) : LPSTR_TEXTCALLBACKW;
  SendMessageW(tip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltip::SetMaxWidth(int pixels) {
  if (tip_) SendMessageW(tip_.get(), TTM_SETMAXTIPWIDTH, 0, pixels);
}

void Tooltip::Pop() {
  if (tip_) SendMessageW(tip_.get(), TTM_POP, 0, 0);
}

}  // namespace olb::win
