// The bar form's command, timer and private message identifiers, in one
// place so that a new handler never touches the menu's construction.
#pragma once

#include <cstdint>

#include "core/platform/strip_surface.h"

namespace olb {

// Menu commands of `pmnViews`, one per entry that is not a separator.
enum class CommandId : uint16_t {
  LargeIcons1 = 1000,
  SmallIcons1,
  AutoHide1,
  Alwaysontop1,
  NewFolder1,
  NewShortut1,
  Delete1,
  OpenFolderwithShortcuts1,
  UpdateBar1,
  Autoload1,
  Help1,
  About1,
  Exit1,
  ExtraLargeIcons1,
  OpenCategoriesasMenus1,
  Settings1,
  SortbyName1,
  FitBartoItems1,
};

// Window timers of the bar form.
enum class TimerId : uint32_t { SlideIn = 1, Reveal, BackRepeat, ForwardRepeat, FolderWatch };

inline constexpr uint32_t kSlideInMs = 400;        // slides a left-behind bar back in
inline constexpr uint32_t kRevealMs = 400;         // slides a touched bar out
inline constexpr uint32_t kBackRepeatMs = 100;     // back strip repeat
inline constexpr uint32_t kForwardRepeatMs = 100;  // forward strip repeat
inline constexpr uint32_t kFolderWatchMs = 250;    // paces re-reads of outside changes

// The repeat timer of a scroll strip.
constexpr TimerId RepeatTimerOf(StripId strip) {
  return strip == StripId::Forward ? TimerId::ForwardRepeat : TimerId::BackRepeat;
}

constexpr uint32_t TimerInterval(TimerId id) {
  switch (id) {
    case TimerId::SlideIn:
      return kSlideInMs;
    case TimerId::Reveal:
      return kRevealMs;
    case TimerId::BackRepeat:
      return kBackRepeatMs;
    case TimerId::ForwardRepeat:
      return kForwardRepeatMs;
    case TimerId::FolderWatch:
      return kFolderWatchMs;
  }
  return 0;
}

// Private window messages are numbered from the platform's WM_APP; the core
// cannot include the platform header, so the base is repeated here.
inline constexpr uint32_t kWmApp = 0x8000;

// The first private message of the bar form; later ones follow at kWmApp + 1,
// + 2 ... The shell's AppBar callback uses the registered message
// "AppBarNotify" instead.
inline constexpr uint32_t kFirstPrivateMessage = kWmApp + 0;
// The shell's change notification for the folder shown.
inline constexpr uint32_t kFolderChangedMessage = kFirstPrivateMessage;
// Real icons fetched off the user-interface thread are waiting.
inline constexpr uint32_t kIconsFetchedMessage = kFirstPrivateMessage + 1;
// Posted at creation: the first paint is done first, then the drop target
// is registered.
inline constexpr uint32_t kAfterFirstPaintMessage = kFirstPrivateMessage + 2;
// The find index's reader has folders read or changes seen waiting.
inline constexpr uint32_t kFindNewsMessage = kFirstPrivateMessage + 3;

}  // namespace olb
