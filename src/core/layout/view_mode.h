// The list's user-visible view modes, switched from the bar's menu.
#pragma once

namespace olb {

// Large icons (32 pixels), small icons (16) and the shell's extra-large
// icons (48). The mode is kept beside the settings record (view_store.h).
enum class ViewMode { LargeIcons, SmallIcons, ExtraLargeIcons };

}  // namespace olb
