#include "win32/view/empty_folder_hint.h"

#include "core/folder/list_answers.h"
#include "win32/base/gdi.h"
#include "win32/base/unicode.h"

namespace olb::win {

void PaintEmptyFolderHint(HWND list, HGDIOBJ font) {
  RECT r{};
  GetClientRect(list, &r);
  InflateRect(&r, -4, -4);
  WindowDc dc(list);
  SelectionScope useFont(dc.get(), font);
  SetBkMode(dc.get(), TRANSPARENT);
  SetTextColor(dc.get(), GetSysColor(COLOR_GRAYTEXT));
  const std::wstring text = Widen(kEmptyFolderHint);
  DrawTextW(dc.get(), text.c_str(), -1, &r, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace olb::win
