// The letter case port over user32's Unicode upper-casing.
#pragma once

#include "core/platform/text_case.h"

namespace olb::win {

class Win32TextCase : public TextCase {
 public:
  std::string Upper(std::string_view text) override;
  // Ligatures spelled out and letters decomposed by FoldString, the
  // nonspacing marks dropped (as sorting that ignores them does), then
  // small letters.
  std::string Fold(std::string_view text) override;
};

}  // namespace olb::win
