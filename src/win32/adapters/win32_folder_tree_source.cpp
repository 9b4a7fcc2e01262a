#include "win32/adapters/win32_folder_tree_source.h"

#include <objbase.h>

#include <algorithm>
#include <deque>
#include <mutex>
#include <thread>

#include "core/find/folder_listing.h"
#include "win32/adapters/win32_change_waiter.h"
#include "win32/adapters/win32_shell_allocator.h"
#include "win32/adapters/win32_shell_namespace.h"
#include "win32/base/long_path.h"
#include "win32/base/unicode.h"
#include "win32/base/unique_handle.h"

namespace olb::win {

// What the worker and the owner share; the last of the two to let go frees it.
struct Win32FolderTreeSource::Shared {
  HWND notify = nullptr;
  UINT message = 0;
  std::mutex lock;
  std::deque<std::string> queue;
  TreeNews news;
  bool posted = false;
  bool running = false;

  // Tells the owner news waits, once until it takes it; call locked.
  void Notify() {
    if (!posted) posted = PostMessageW(notify, message, 0, 0) != FALSE;
  }
};

// The changes of the names in the tree are read into this buffer; more at
// once than fit is a lost track, and everything is read again.
constexpr DWORD kChangeBuffer = 64 * 1024;
constexpr DWORD kWatched = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME;

// One overlapped watch of the tree under a root. It is armed on the
// owner's thread and again on the waiting thread after each change is read;
// both live as long as the watch, which a read in flight needs.
class Win32FolderTreeSource::TreeWatch {
 public:
  TreeWatch(const std::string& root, std::shared_ptr<Shared> shared)
      : root_(root), shared_(std::move(shared)) {
    event_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    dir_ = CreateFileW(KernelPath(root).c_str(), FILE_LIST_DIRECTORY,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
    if (dir_ == INVALID_HANDLE_VALUE) dir_ = nullptr;
    Arm();
    if (armed_) wait_ = waiter_.Add(event_, [this] { return Changed(); });
  }
  ~TreeWatch() {
    waiter_.Remove(wait_);
    if (dir_) {
      // The read may have been armed by the waiting thread.
      CancelIoEx(dir_, &overlapped_);
      if (armed_) {
        DWORD bytes = 0;
        GetOverlappedResult(dir_, &overlapped_, &bytes, TRUE);
      }
      CloseHandle(dir_);
    }
    if (event_) CloseHandle(event_);
  }
  TreeWatch(const TreeWatch&) = delete;
  TreeWatch& operator=(const TreeWatch&) = delete;

 private:
  // On the waiting thread: tells the owner which folders changed, and
  // watches on while the read can be armed again.
  bool Changed() {
    std::lock_guard held(shared_->lock);
    Collect(shared_->news);
    shared_->Notify();
    return armed_;
  }

  // Adds the folders whose names changed to `news` and watches on.
  void Collect(TreeNews& news) {
    DWORD bytes = 0;
    armed_ = false;
    if (!GetOverlappedResult(dir_, &overlapped_, &bytes, FALSE) || bytes == 0) {
      news.lostTrack = true;
    } else {
      size_t at = 0;
      for (;;) {
        const auto* info = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(
            reinterpret_cast<BYTE*>(words_.get()) + at);
        std::wstring name(info->FileName, info->FileNameLength / sizeof(WCHAR));
        const size_t slash = name.find_last_of(L'\\');
        std::string folder = root_;
        if (slash != std::wstring::npos) folder += '\\' + Narrow(name.substr(0, slash));
        if (std::find(news.changed.begin(), news.changed.end(), folder) == news.changed.end()) {
          news.changed.push_back(std::move(folder));
        }
        if (info->NextEntryOffset == 0) break;
        at += info->NextEntryOffset;
      }
    }
    Arm();
  }

  void Arm() {
    if (!dir_ || !event_) return;
    ResetEvent(event_);
    overlapped_ = OVERLAPPED{};
    overlapped_.hEvent = event_;
    armed_ = ReadDirectoryChangesW(dir_, reinterpret_cast<BYTE*>(words_.get()), kChangeBuffer, TRUE,
                                   kWatched, nullptr, &overlapped_, nullptr) != FALSE;
  }

  std::string root_;
  std::shared_ptr<Shared> shared_;
  ChangeWaiter& waiter_ = ChangeWaiter::Shared();
  ChangeWaiter::Id wait_ = 0;
  HANDLE dir_ = nullptr;
  HANDLE event_ = nullptr;
  OVERLAPPED overlapped_{};
  // DWORD-aligned, as the call requires.
  std::unique_ptr<DWORD[]> words_ = std::make_unique<DWORD[]>(kChangeBuffer / sizeof(DWORD));
  bool armed_ = false;
};

namespace {

// Reads the folders asked for until none waits, then ends: the thread lives
// only while there is reading to do.
void Work(const std::shared_ptr<Win32FolderTreeSource::Shared>& shared) {
  Win32FolderTreeSource::Shared& s = *shared;
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::unique_lock held(s.lock);
  try {
    Win32ShellAllocator allocator;
    Win32ShellNamespace shell(allocator, nullptr);
    while (!s.queue.empty()) {
      const std::string path = std::move(s.queue.front());
      s.queue.pop_front();
      held.unlock();
      FolderListing listing = ListFolder(shell, path);
      held.lock();
      s.news.listed.push_back(std::move(listing));
      s.Notify();
    }
  } catch (const std::exception&) {
    // Without the shell's allocator nothing is read: find finds nothing.
    if (!held) held.lock();
    s.queue.clear();
  }
  s.running = false;
  held.unlock();
  if (SUCCEEDED(com)) CoUninitialize();
}

}  // namespace

Win32FolderTreeSource::Win32FolderTreeSource(HWND notify, UINT message)
    : shared_(std::make_shared<Shared>()) {
  shared_->notify = notify;
  shared_->message = message;
}

Win32FolderTreeSource::~Win32FolderTreeSource() {
  std::lock_guard held(shared_->lock);
  shared_->queue.clear();
}

void Win32FolderTreeSource::Watch(std::string_view root) {
  watch_.reset();
  {
    std::lock_guard held(shared_->lock);
    shared_->queue.clear();
  }
  if (!root.empty()) watch_ = std::make_unique<TreeWatch>(std::string(root), shared_);
}

void Win32FolderTreeSource::List(std::string path) {
  std::lock_guard held(shared_->lock);
  shared_->queue.push_back(std::move(path));
  if (shared_->running) return;
  shared_->running = true;
  // Detached: the worker holds the shared state itself, so it may outlive
  // this object while the shell keeps it in a read at the end.
  std::thread(Work, shared_).detach();
}

TreeNews Win32FolderTreeSource::Take() {
  std::lock_guard held(shared_->lock);
  shared_->posted = false;
  return std::exchange(shared_->news, {});
}

}  // namespace olb::win
