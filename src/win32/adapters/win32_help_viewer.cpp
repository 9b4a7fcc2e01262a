#include "win32/adapters/win32_help_viewer.h"

#include "win32/base/unicode.h"

namespace olb::win {
namespace {

constexpr UINT kHhDisplayTopic = 0x0000;
constexpr UINT kHhCloseAll = 0x0012;

}  // namespace

Win32HelpViewer::~Win32HelpViewer() {
  // The library is freed after this, with the member that owns it.
  if (htmlHelp_) htmlHelp_(nullptr, nullptr, kHhCloseAll, 0);
}

void Win32HelpViewer::DisplayTopic(std::string_view topic) {
  if (!loadTried_) {
    loadTried_ = true;
    library_.Reset(LoadLibraryW(L"hhctrl.ocx"));
    if (library_) {
      // GetProcAddress returns a generic function pointer; the cast through
      // void* names the real signature without a cast-function-type warning.
      htmlHelp_ = reinterpret_cast<HtmlHelpFn>(
          reinterpret_cast<void*>(GetProcAddress(library_.get(), "HtmlHelpW")));
    }
  }
  if (htmlHelp_) htmlHelp_(owner_, Widen(topic).c_str(), kHhDisplayTopic, 0);
}

}  // namespace olb::win
