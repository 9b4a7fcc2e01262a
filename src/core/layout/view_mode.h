// The list's user-visible view modes, switched from the bar's menu.
#pragma once

namespace olb {

// Large icons (32 pixels) and small icons (16). The mode is kept beside
// the settings record (view_store.h).
enum class ViewMode { LargeIcons, SmallIcons };

}  // namespace olb
