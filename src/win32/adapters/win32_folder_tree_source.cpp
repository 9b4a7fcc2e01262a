#include "win32/adapters/win32_folder_tree_source.h"

#include <objbase.h>

#include <algorithm>
#include <deque>
#include <mutex>
#include <thread>

#include "core/find/folder_listing.h"
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
  HANDLE wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);  // work came, or the end
  std::string root;
  uint64_t rootGeneration = 0;
  std::deque<std::string> queue;
  TreeNews news;
  bool posted = false;
  bool stop = false;
  bool running = false;

  ~Shared() {
    if (wake) CloseHandle(wake);
  }
  // Tells the owner news waits, once until it takes it; call locked.
  void Notify() {
    if (!posted) posted = PostMessageW(notify, message, 0, 0) != FALSE;
  }
};

namespace {

// The changes of the names in the tree are read into this buffer; more at
// once than fit is a lost track, and everything is read again.
constexpr DWORD kChangeBuffer = 64 * 1024;
constexpr DWORD kWatched = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME;

// One overlapped watch of the tree under a root.
class TreeWatch {
 public:
  explicit TreeWatch(const std::string& root) : root_(root) {
    event_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    dir_ = CreateFileW(KernelPath(root).c_str(), FILE_LIST_DIRECTORY,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
    if (dir_ == INVALID_HANDLE_VALUE) dir_ = nullptr;
    Arm();
  }
  ~TreeWatch() {
    if (dir_) {
      CancelIo(dir_);
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

  // Signalled when changes wait; null when the tree cannot be watched.
  HANDLE event() const { return armed_ ? event_ : nullptr; }

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

 private:
  void Arm() {
    if (!dir_ || !event_) return;
    ResetEvent(event_);
    overlapped_ = OVERLAPPED{};
    overlapped_.hEvent = event_;
    armed_ = ReadDirectoryChangesW(dir_, reinterpret_cast<BYTE*>(words_.get()), kChangeBuffer, TRUE,
                                   kWatched, nullptr, &overlapped_, nullptr) != FALSE;
  }

  std::string root_;
  HANDLE dir_ = nullptr;
  HANDLE event_ = nullptr;
  OVERLAPPED overlapped_{};
  // DWORD-aligned, as the call requires.
  std::unique_ptr<DWORD[]> words_ = std::make_unique<DWORD[]>(kChangeBuffer / sizeof(DWORD));
  bool armed_ = false;
};

void Work(const std::shared_ptr<Win32FolderTreeSource::Shared>& shared) {
  Win32FolderTreeSource::Shared& s = *shared;
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  try {
    Win32ShellAllocator allocator;
    Win32ShellNamespace shell(allocator, nullptr);
    std::unique_ptr<TreeWatch> watch;
    uint64_t watching = 0;
    std::unique_lock held(s.lock);
    while (!s.stop) {
      if (s.rootGeneration != watching) {
        watching = s.rootGeneration;
        const std::string root = s.root;
        held.unlock();
        watch.reset();
        if (!root.empty()) watch = std::make_unique<TreeWatch>(root);
        held.lock();
        continue;
      }
      HANDLE changes = watch ? watch->event() : nullptr;
      if (changes && WaitForSingleObject(changes, 0) == WAIT_OBJECT_0) {
        watch->Collect(s.news);
        s.Notify();
        continue;
      }
      if (!s.queue.empty()) {
        const std::string path = std::move(s.queue.front());
        s.queue.pop_front();
        held.unlock();
        FolderListing listing = ListFolder(shell, path);
        held.lock();
        s.news.listed.push_back(std::move(listing));
        s.Notify();
        continue;
      }
      held.unlock();
      const HANDLE waits[] = {s.wake, changes};
      WaitForMultipleObjects(changes ? 2 : 1, waits, FALSE, INFINITE);
      held.lock();
    }
  } catch (const std::exception&) {
    // Without the shell's allocator nothing is read: find finds nothing.
  }
  {
    std::lock_guard held(s.lock);
    s.running = false;
  }
  if (SUCCEEDED(com)) CoUninitialize();
}

}  // namespace

Win32FolderTreeSource::Win32FolderTreeSource(HWND notify, UINT message)
    : shared_(std::make_shared<Shared>()) {
  shared_->notify = notify;
  shared_->message = message;
}

Win32FolderTreeSource::~Win32FolderTreeSource() {
  {
    std::lock_guard held(shared_->lock);
    shared_->stop = true;
    shared_->queue.clear();
  }
  Wake();
}

void Win32FolderTreeSource::Wake() {
  if (shared_->wake) SetEvent(shared_->wake);
}

void Win32FolderTreeSource::Watch(std::string_view root) {
  {
    std::lock_guard held(shared_->lock);
    shared_->root = std::string(root);
    ++shared_->rootGeneration;
    shared_->queue.clear();
    if (!shared_->running && !root.empty()) {
      shared_->running = true;
      // Detached: the worker holds the shared state itself, so it may
      // outlive this object while the shell keeps it in a read at the end.
      std::thread(Work, shared_).detach();
    }
  }
  Wake();
}

void Win32FolderTreeSource::List(std::string path) {
  {
    std::lock_guard held(shared_->lock);
    shared_->queue.push_back(std::move(path));
  }
  Wake();
}

TreeNews Win32FolderTreeSource::Take() {
  std::lock_guard held(shared_->lock);
  shared_->posted = false;
  return std::exchange(shared_->news, {});
}

}  // namespace olb::win
