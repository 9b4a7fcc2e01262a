// Owners for GDI handles: every object, DC and selection has one, visible in
// its type.
#pragma once

#include <windows.h>

namespace olb::win {

// Owns an HGDIOBJ (font, bitmap, brush, pen) and deletes it.
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(HGDIOBJ object) : object_(object) {}
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : object_(other.object_) { other.object_ = nullptr; }
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      object_ = other.object_;
      other.object_ = nullptr;
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  HGDIOBJ get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  void Reset(HGDIOBJ object = nullptr) {
    if (object_) DeleteObject(object_);
    object_ = object;
  }

 private:
  HGDIOBJ object_ = nullptr;
};

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
class MemoryDc {
 public:
  explicit MemoryDc(HDC compatible) : dc_(CreateCompatibleDC(compatible)) {}
  ~MemoryDc() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// A window's DC from GetDC, released at the end of its scope.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace olb::win
