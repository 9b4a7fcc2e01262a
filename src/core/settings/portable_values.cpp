#include "core/settings/portable_values.h"

#include <algorithm>
#include <string_view>

#include "core/paths/path_text.h"
#include "core/settings/bar_options.h"
#include "core/settings/options_store.h"

namespace olb {
namespace {

// "OLBVALS" and a format number. Each entry then: the name's length (2
// bytes), the name, the type (4 bytes), the data's length (4 bytes), the
// data; numbers little-endian.
constexpr std::string_view kMark{"OLBVALS\x01", 8};

bool HasMark(const std::vector<uint8_t>& bytes) {
  return bytes.size() >= kMark.size() && std::equal(kMark.begin(), kMark.end(), bytes.begin());
}

bool Holds(const std::vector<NamedValue>& values, std::string_view name) {
  return std::any_of(values.begin(), values.end(),
                     [&](const NamedValue& v) { return EqualNoCase(v.name, name); });
}

class Reader {
 public:
  explicit Reader(const std::vector<uint8_t>& bytes) : bytes_(bytes), at_(kMark.size()) {}
  bool AtEnd() const { return at_ == bytes_.size(); }
  std::optional<uint32_t> Number(size_t width) {
    if (bytes_.size() - at_ < width) return std::nullopt;
    uint32_t n = 0;
    for (size_t i = 0; i < width; ++i) n |= static_cast<uint32_t>(bytes_[at_ + i]) << (8 * i);
    at_ += width;
    return n;
  }
  std::optional<std::vector<uint8_t>> Bytes(size_t count) {
    if (bytes_.size() - at_ < count) return std::nullopt;
    const auto from = bytes_.begin() + static_cast<std::ptrdiff_t>(at_);
    at_ += count;
    return std::vector<uint8_t>(from, from + static_cast<std::ptrdiff_t>(count));
  }

 private:
  const std::vector<uint8_t>& bytes_;
  size_t at_;
};

void PutNumber(std::vector<uint8_t>& out, uint32_t n, size_t width) {
  for (size_t i = 0; i < width; ++i) out.push_back(static_cast<uint8_t>(n >> (8 * i)));
}

}  // namespace

std::vector<NamedValue> DecodePortableValues(const std::vector<uint8_t>& bytes) {
  std::vector<NamedValue> values;
  if (!HasMark(bytes)) {
    if (!bytes.empty() && bytes.size() <= kBarOptionsBytes) {
      values.push_back(
          {std::string(kOptionsValueName), {static_cast<uint32_t>(RegistryType::Binary), bytes}});
    }
    return values;
  }
  Reader in(bytes);
  while (!in.AtEnd() && values.size() < kPortableValueLimit) {
    const std::optional<uint32_t> nameLength = in.Number(2);
    if (!nameLength || *nameLength == 0 || *nameLength > kPortableNameLimit) break;
    const std::optional<std::vector<uint8_t>> name = in.Bytes(*nameLength);
    const std::optional<uint32_t> type = name ? in.Number(4) : std::nullopt;
    const std::optional<uint32_t> length = type ? in.Number(4) : std::nullopt;
    std::optional<std::vector<uint8_t>> data = length ? in.Bytes(*length) : std::nullopt;
    if (!data) break;
    std::string text(name->begin(), name->end());
    if (Holds(values, text)) continue;
    values.push_back({std::move(text), {*type, std::move(*data)}});
  }
  return values;
}

std::optional<std::vector<uint8_t>> EncodePortableValues(const std::vector<NamedValue>& values) {
  if (values.size() > kPortableValueLimit) return std::nullopt;
  std::vector<uint8_t> out(kMark.begin(), kMark.end());
  for (const NamedValue& v : values) {
    if (v.name.empty() || v.name.size() > kPortableNameLimit) return std::nullopt;
    if (v.value.data.size() > kPortableFileLimit - out.size()) return std::nullopt;
    PutNumber(out, static_cast<uint32_t>(v.name.size()), 2);
    out.insert(out.end(), v.name.begin(), v.name.end());
    PutNumber(out, v.value.type, 4);
    PutNumber(out, static_cast<uint32_t>(v.value.data.size()), 4);
    out.insert(out.end(), v.value.data.begin(), v.value.data.end());
    if (out.size() > kPortableFileLimit) return std::nullopt;
  }
  return out;
}

}  // namespace olb
