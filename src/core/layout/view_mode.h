// The list's two user-visible view modes, switched from the bar's menu.
#pragma once

namespace olb {

// Every start begins with large icons; the mode is not stored.
enum class ViewMode { LargeIcons, SmallIcons };

}  // namespace olb
