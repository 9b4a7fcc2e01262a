// The error raised by platform operations whose failure must be reported.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace olb {

class ComError : public std::runtime_error {
 public:
  ComError(int32_t result, const std::string& message)
      : std::runtime_error(message), result_(result) {}
  int32_t result() const { return result_; }

 private:
  int32_t result_;
};

}  // namespace olb
