// The shell's item menu as a script: the verbs of its entries, and how
// building it and carrying out an entry go (fail, throw or succeed).
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/platform/item_shell_menu.h"

namespace olb::sim {

class SimItemShellMenus : public ItemShellMenus {
 public:
  HResult MenuFor(ShellFolder& folder, const uint8_t* relative,
                  std::unique_ptr<ItemShellMenu>* out) override {
    std::string name;
    folder.GetDisplayNameOf(relative, kNameNormal, &name);
    builtFor.push_back(name);
    if (throwOnBuild) throw std::runtime_error("extension failed");
    if (Failed(buildResult)) return buildResult;
    *out = std::make_unique<Menu>(*this);
    return kResultOk;
  }

  std::vector<std::string> verbs{"open", "copy", "delete", "rename", "properties"};
  HResult buildResult = kResultOk;
  bool throwOnBuild = false;
  HResult invokeResult = kResultOk;
  bool throwOnInvoke = false;
  std::vector<std::string> builtFor;  // the item of each menu built
  std::vector<uint32_t> invoked;      // the entries the shell carried out

 private:
  struct Menu : ItemShellMenu {
    explicit Menu(SimItemShellMenus& script) : s(script) {}
    std::string Verb(uint32_t offset) override {
      return offset < s.verbs.size() ? s.verbs[offset] : std::string();
    }
    HResult Invoke(uint32_t offset) override {
      s.invoked.push_back(offset);
      if (s.throwOnInvoke) throw std::runtime_error("extension failed");
      return s.invokeResult;
    }
    SimItemShellMenus& s;
  };
};

}  // namespace olb::sim
