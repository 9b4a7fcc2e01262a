// The AppBar port over SHAppBarMessage, for one bar window.
#pragma once

#include <windows.h>

#include "core/platform/app_bar_shell.h"

namespace olb::win {

class Win32AppBarShell : public AppBarShell {
 public:
  // `callbackMessage` is the registered "AppBarNotify" message.
  Win32AppBarShell(HWND bar, UINT callbackMessage) : bar_(bar), callback_(callbackMessage) {}

  bool New() override;
  bool Remove() override;
  bool QueryPos(Edge edge, Rect& rc) override;
  bool SetPos(Edge edge, Rect& rc) override;
  uint32_t GetState() override;
  bool Activate() override;
  AutoHideOwner GetAutoHideBar(Edge edge, const Rect& monitor) override;
  bool SetAutoHideBar(Edge edge, bool autoHide, const Rect& monitor) override;
  void WindowPosChanged() override;

 private:
  // Builds the APPBARDATA (size, window, callback, edge, rectangle, lParam),
  // sends it, and copies the rectangle back.
  UINT_PTR Send(DWORD message, Edge edge, LPARAM lParam = 0, Rect* rc = nullptr);

  HWND bar_;
  UINT callback_;
};

}  // namespace olb::win
