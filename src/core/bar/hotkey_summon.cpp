#include "core/bar/hotkey_summon.h"

#include "core/settings/hotkey_store.h"

namespace olb {

void HotkeySummon::Start() {
  hotkey_ = ReadHotkey(registry_);
  taken_ = !hotkey_.IsNone() && !port_.Register(hotkey_);
}

void HotkeySummon::Stop() {
  port_.Unregister();
  OnDeactivated();
}

bool HotkeySummon::Change(const Hotkey& hotkey) {
  WriteHotkey(registry_, hotkey);
  hotkey_ = hotkey;
  port_.Unregister();
  taken_ = !hotkey.IsNone() && !port_.Register(hotkey);
  return !taken_;
}

HotkeySummon::Press HotkeySummon::OnPress() {
  const WindowToken foreground = port_.Foreground();
  if (foreground != 0 && port_.IsBar(foreground)) {
    if (GiveBack()) return Press::GaveBack;
    forward_ = true;
    return Press::BringForward;  // the keyboard goes to the list again
  }
  previous_ = foreground;
  forward_ = true;
  return Press::BringForward;
}

bool HotkeySummon::OnEscape() {
  return GiveBack();
}

bool HotkeySummon::GiveBack() {
  const WindowToken previous = previous_;
  previous_ = 0;
  forward_ = false;
  return previous != 0 && port_.GiveFocusTo(previous);
}

}  // namespace olb
