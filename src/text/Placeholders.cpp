#include "text/Placeholders.h"

namespace qm {

std::string WithValue(std::string_view text, std::string_view placeholder, std::string_view value,
                      std::string_view tail) {
  std::string placed(text);
  const std::size_t at = placed.find(placeholder);
  if (at == std::string::npos) return placed.append(value).append(tail);
  return placed.replace(at, placeholder.size(), value);
}

std::string WithSampleValues(std::string_view text) {
  return WithValue(WithValue(text, NamePlaceholder, "A", ""), NumberPlaceholder, "1", "");
}

}  // namespace qm
