// The item list control's presentation styles.
#pragma once

namespace olb {

// Only the two icon styles are ever left on; report and list are passed
// through transiently.
enum class ListViewStyle { LargeIcons, SmallIcons, List, Report };

}  // namespace olb
