#include "win32/base/posted_message_filter.h"

#include "win32/base/readable_memory.h"

namespace olb::win {
namespace {

LRESULT CALLBACK FilterPosted(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION) {
    auto* msg = reinterpret_cast<MSG*>(lp);
    // Turned into a message that does nothing, for whichever loop took it.
    if (msg && msg->message == WM_NOTIFY) msg->message = WM_NULL;
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

PostedMessageFilter::PostedMessageFilter()
    : hook_(SetWindowsHookExW(WH_GETMESSAGE, FilterPosted, nullptr, GetCurrentThreadId())) {}

PostedMessageFilter::~PostedMessageFilter() {
  if (hook_) UnhookWindowsHookEx(hook_);
}

bool IsOwnNotification(LPARAM lp) {
  // InSendMessageEx cannot tell: it reports the outermost message, and a
  // control notifies directly while it handles a request sent by another
  // program (a screen reader reading the list's captions, say).
  const auto* header = reinterpret_cast<const NMHDR*>(lp);
  if (!IsReadable(header, sizeof(NMHDR))) return false;
  return header->hwndFrom &&
         GetWindowThreadProcessId(header->hwndFrom, nullptr) == GetCurrentThreadId();
}

}  // namespace olb::win
