// Owners for GDI handles: every object, DC and selection has one, visible in
// its type.
#pragma once

#include <windows.h>

#include "win32/base/unique_handle.h"

namespace olb::win {

// Owns an HGDIOBJ (font, bitmap, brush, pen) and deletes it.
using GdiObject = UniqueHandle<ClosedBy<HGDIOBJ, DeleteObject>>;

// Selects an object into a DC for the scope and puts the previous one back.
class SelectionScope {
 public:
  SelectionScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectionScope() { SelectObject(dc_, previous_); }
  SelectionScope(const SelectionScope&) = delete;
  SelectionScope& operator=(const SelectionScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A memory DC compatible with another, deleted at the end of its scope.
class MemoryDc : public UniqueHandle<ClosedBy<HDC, DeleteDC>> {
 public:
  explicit MemoryDc(HDC compatible) : UniqueHandle(CreateCompatibleDC(compatible)) {}
};

// Releases a DC that GetDC gave for `window`.
struct WindowDcRelease {
  using Handle = HDC;
  HWND window = nullptr;
  void Close(HDC dc) const { ReleaseDC(window, dc); }
};

// A window's DC from GetDC, released at the end of its scope.
class WindowDc : public UniqueHandle<WindowDcRelease> {
 public:
  explicit WindowDc(HWND window) : UniqueHandle(GetDC(window), WindowDcRelease{window}) {}
};

}  // namespace olb::win
