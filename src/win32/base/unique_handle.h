// One owner for every kind of handle the program closes itself. The handle's
// type and the call that closes it are part of the owner's type.
#pragma once

#include <windows.h>

#include <utility>

namespace olb::win {

// `Traits` names the handle type (`using Handle = ...`) and closes a handle
// (`void Close(Handle) const`); it may carry what closing needs, such as the
// window a DC came from. A null handle is never closed; a kind whose null is
// not zero names it (`static Handle Null()`).
template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  static Handle Null() {
    if constexpr (requires { Traits::Null(); }) {
      return Traits::Null();
    } else {
      return Handle{};
    }
  }

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle, Traits traits = {}) : handle_(handle), traits_(traits) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept
      : handle_(other.Release()), traits_(std::move(other.traits_)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset(other.Release());
      traits_ = std::move(other.traits_);
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Null(); }
  // Gives the handle up unclosed, to a receiver that closes it.
  Handle Release() { return std::exchange(handle_, Null()); }
  // Closes the handle held, if any, and holds `handle` instead.
  void Reset(Handle handle = Null()) {
    const Handle old = std::exchange(handle_, handle);
    if (old != Null()) traits_.Close(old);
  }

 private:
  Handle handle_ = Null();
  [[no_unique_address]] Traits traits_{};
};

// The traits of a handle that one function closes.
template <typename H, auto CloseFunction>
struct ClosedBy {
  using Handle = H;
  void Close(H handle) const { CloseFunction(handle); }
};

// A kernel object (mutex, process, thread).
using KernelHandle = UniqueHandle<ClosedBy<HANDLE, CloseHandle>>;
// An open file: CreateFile reports failure as INVALID_HANDLE_VALUE.
struct FileTraits {
  using Handle = HANDLE;
  static HANDLE Null() { return INVALID_HANDLE_VALUE; }
  void Close(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = UniqueHandle<FileTraits>;
// An open registry key.
using RegistryKey = UniqueHandle<ClosedBy<HKEY, RegCloseKey>>;
// A global memory block, until it is handed on (OLE's medium frees it then).
using GlobalMemory = UniqueHandle<ClosedBy<HGLOBAL, GlobalFree>>;
// A menu made by the program.
using MenuHandle = UniqueHandle<ClosedBy<HMENU, DestroyMenu>>;
// A library the program loaded at run time.
using LibraryHandle = UniqueHandle<ClosedBy<HMODULE, FreeLibrary>>;
// An icon loaded by the program; a control showing it only borrows it.
using IconHandle = UniqueHandle<ClosedBy<HICON, DestroyIcon>>;
// A window the program made and no BaseWindow binds (a control, a tooltip).
// One already gone with its parent or owner is left alone.
struct WindowTraits {
  using Handle = HWND;
  void Close(HWND window) const {
    if (IsWindow(window)) DestroyWindow(window);
  }
};
using WindowHandle = UniqueHandle<WindowTraits>;

}  // namespace olb::win
