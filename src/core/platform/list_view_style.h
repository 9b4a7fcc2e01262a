// The item list control's presentation styles.
#pragma once

namespace olb {

// Only the three icon styles are ever left on; report and list are passed
// through transiently. Extra-large icons are the large-icon style showing
// the shell's 48-pixel icons.
enum class ListViewStyle { LargeIcons, SmallIcons, List, Report, ExtraLargeIcons };

}  // namespace olb
