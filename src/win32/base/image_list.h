// The single owner of an image list the program made (never one of the
// system's shared lists, which belong to the shell).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace olb::win {

class ImageList {
 public:
  ImageList() = default;
  explicit ImageList(HIMAGELIST list) : list_(list) {}
  ImageList(ImageList&& other) noexcept : list_(std::exchange(other.list_, nullptr)) {}
  ImageList& operator=(ImageList&& other) noexcept {
    if (this != &other) {
      Reset();
      list_ = std::exchange(other.list_, nullptr);
    }
    return *this;
  }
  ImageList(const ImageList&) = delete;
  ImageList& operator=(const ImageList&) = delete;
  ~ImageList() { Reset(); }

  HIMAGELIST get() const { return list_; }
  explicit operator bool() const { return list_ != nullptr; }
  void Reset() {
    if (list_) ImageList_Destroy(std::exchange(list_, nullptr));
  }

 private:
  HIMAGELIST list_ = nullptr;
};

}  // namespace olb::win
