// The icon fetcher port on a worker thread of its own (COM initialised on
// it, as the shell needs to read shortcuts), started with the first request.
// Answers are handed back through a message posted to the window given.
#pragma once

#include <windows.h>

#include <memory>

#include "core/platform/icon_fetcher.h"

namespace olb::win {

class Win32IconFetcher : public IconFetcher {
 public:
  // `notify` gets `message` (no parameters) when answers wait and none was
  // posted since the last TakeAnswers.
  Win32IconFetcher(HWND notify, UINT message);
  // Drops what is queued and waits a short while for the lookup under way;
  // a lookup that hangs in the shell is left to finish on its own (the
  // thread keeps only state it shares ownership of).
  ~Win32IconFetcher() override;
  Win32IconFetcher(const Win32IconFetcher&) = delete;
  Win32IconFetcher& operator=(const Win32IconFetcher&) = delete;

  void Request(std::vector<IconRequest> batch) override;
  void CancelPending() override;
  std::vector<IconAnswer> TakeAnswers() override;

  struct Shared;

 private:
  std::shared_ptr<Shared> shared_;
};

}  // namespace olb::win
