// ItemListView's answers to the control's requests: display data, cache
// hints, incremental and nearest-item find and custom draw, from the folder
// model and the items' positions.
#include <cstring>

#include "core/folder/list_answers.h"
#include "core/layout/nearest_item.h"
#include "win32/adapters/strret_text.h"
#include "win32/base/unicode.h"
#include "win32/view/item_list_view.h"

namespace olb::win {
namespace {

// Copies `text` into the control's buffer of `capacity` characters,
// cut to fit and always terminated.
template <typename Char>
void CopyText(const std::basic_string<Char>& text, Char* buffer, int capacity) {
  if (!buffer || capacity <= 0) return;
  const size_t n = std::min(text.size(), static_cast<size_t>(capacity - 1));
  std::memcpy(buffer, text.data(), n * sizeof(Char));
  buffer[n] = 0;
}

COLORREF ColorOf(ItemColor color, COLORREF listFont) {
  switch (color) {
    case ItemColor::Highlight:
      return GetSysColor(COLOR_HIGHLIGHT);
    case ItemColor::GrayText:
      return GetSysColor(COLOR_GRAYTEXT);
    case ItemColor::ListFont:
      break;
  }
  return listFont;
}

}  // namespace

// --- requests from the control ---------------------------------------------

bool ItemListView::OnNotify(NMHDR& header, LRESULT& result) {
  if (tip_ && tip_->OnNotify(header, result)) return true;
  if (header.hwndFrom != hwnd_) return false;
  result = 0;
  switch (header.code) {
    case LVN_GETDISPINFOW:
    case LVN_GETDISPINFOA: {
      // The A and W forms differ only in the text pointer's type.
      auto& info = reinterpret_cast<NMLVDISPINFOW&>(header);
      result = OnGetDispInfo(info.item, header.code == LVN_GETDISPINFOW);
      return true;
    }
    case LVN_ODCACHEHINT: {
      const auto& hint = reinterpret_cast<const NMLVCACHEHINT&>(header);
      if (model_) CacheHint(*model_, hint.iFrom, hint.iTo);
      return true;
    }
    case LVN_ODFINDITEMW:
    case LVN_ODFINDITEMA:
      result = OnFindItem(reinterpret_cast<const NMLVFINDITEMW&>(header),
                          header.code == LVN_ODFINDITEMW);
      return true;
    case NM_CUSTOMDRAW:
      result = OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
      return true;
    case NM_DBLCLK:
      if (handlers_.dblClick) handlers_.dblClick();
      return true;
    case NM_CLICK:
      if (handlers_.click) handlers_.click();
      return true;
    case LVN_BEGINLABELEDITW:
    case LVN_BEGINLABELEDITA: {
      // The editor starts from the whole name, not a caption cut to fit.
      const auto& info = reinterpret_cast<const NMLVDISPINFOW&>(header);
      const HWND edit = reinterpret_cast<HWND>(SendMessageW(hwnd_, LVM_GETEDITCONTROL, 0, 0));
      if (edit && model_)
        SetWindowTextW(edit, Widen(ItemCaption(*model_, info.item.iItem)).c_str());
      if (handlers_.editBegan) handlers_.editBegan(info.item.iItem);
      result = FALSE;
      return true;
    }
    default:
      return false;
  }
}

LRESULT ItemListView::OnGetDispInfo(LVITEMW& item, bool wide) {
  if (!model_) return 0;
  const bool report = Style() == ListViewStyle::Report;
  const std::optional<ItemDisplay> shown = ListViewData(*model_, item.iItem, report);
  if (!shown) return 0;
  if (item.mask & LVIF_IMAGE) item.iImage = shown->iconIndex;
  // The list keeps selection and focus itself; the drop highlight is ours.
  if ((item.mask & LVIF_STATE) && (item.stateMask & LVIS_DROPHILITED) && dropRow_ == item.iItem) {
    item.state |= LVIS_DROPHILITED;
  }
  if (item.mask & LVIF_TEXT) {
    std::string text;
    if (item.iSubItem == 0 && labelCandidate_) {
      text = *labelCandidate_;  // a cut caption being measured
    } else if (item.iSubItem == 0) {
      text = FittedCaption(Captions(), item.iItem, shown->caption);
    } else if (item.iSubItem > 0 && static_cast<size_t>(item.iSubItem) <= shown->subItems.size()) {
      text = shown->subItems[static_cast<size_t>(item.iSubItem) - 1];
    }
    if (wide) {
      CopyText(Widen(text), item.pszText, item.cchTextMax);
    } else {
      CopyText(Utf8ToAnsi(text), reinterpret_cast<char*>(item.pszText), item.cchTextMax);
    }
  }
  return 0;
}

LRESULT ItemListView::OnFindItem(const NMLVFINDITEMW& find, bool wide) {
  if (!model_) return -1;
  // The arrow keys of the icon views: the item the key moves to, from where
  // the items stand.
  if (FindKindFromFlags(find.lvfi.flags) == FindKind::Nearest) {
    const std::optional<int32_t> target = NearestItem(*this, {find.lvfi.pt.x, find.lvfi.pt.y},
                                                      static_cast<uint16_t>(find.lvfi.vkDirection));
    return target ? *target : -1;
  }
  if (!find.lvfi.psz) return -1;
  std::string typed;
  if (wide) {
    typed = Narrow(find.lvfi.psz);
  } else {
    const auto* ansi = reinterpret_cast<const char*>(find.lvfi.psz);
    typed = AnsiToUtf8(ansi);
  }
  const std::optional<int32_t> found = FindItem(*model_, FindKindFromFlags(find.lvfi.flags), typed,
                                                find.iStart, (find.lvfi.flags & LVFI_WRAP) != 0);
  return found ? *found : -1;
}

LRESULT ItemListView::OnCustomDraw(NMLVCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      if (model_) {
        const auto index = static_cast<int32_t>(draw.nmcd.dwItemSpec);
        draw.clrText = ColorOf(ItemDrawColor(*model_, index), draw.clrText);
        // The drop target's caption in the highlight colours, whether or not
        // the control draws the state itself.
        if (dropRow_ == index) {
          draw.clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
          draw.clrTextBk = GetSysColor(COLOR_HIGHLIGHT);
        }
      }
      return Style() == ListViewStyle::Report ? CDRF_NOTIFYSUBITEMDRAW : CDRF_DODEFAULT;
    }
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
      if (draw.iSubItem != 0) draw.clrText = GetSysColor(COLOR_WINDOWTEXT);
      return CDRF_DODEFAULT;
    default:
      return CDRF_DODEFAULT;
  }
}

void ItemListView::SetDropHighlight(std::optional<int32_t> row) {
  if (row == dropRow_) return;
  const std::optional<int32_t> old = dropRow_;
  dropRow_ = row;
  for (std::optional<int32_t> r : {old, row}) {
    if (!r) continue;
    LVITEMW state{};
    state.stateMask = LVIS_DROPHILITED;
    state.state = r == dropRow_ ? LVIS_DROPHILITED : 0;
    SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(*r),
                 reinterpret_cast<LPARAM>(&state));
    SendMessageW(hwnd_, LVM_REDRAWITEMS, static_cast<WPARAM>(*r), static_cast<LPARAM>(*r));
  }
  // Painted now: during a drag the pointer may rest and no other message
  // makes the list paint.
  UpdateWindow(hwnd_);
}

}  // namespace olb::win
