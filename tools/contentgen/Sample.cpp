#include "Sample.h"

#include <cstdint>

namespace contentgen {

namespace {

int gEvery = 1;

// The same name is in or out on every machine and every run.
std::uint32_t Fnv1a(std::string_view text) {
  std::uint32_t hash = 2166136261u;
  for (char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return hash;
}

}  // namespace

void SetSampling(int every) { gEvery = every < 1 ? 1 : every; }

bool InSample(std::string_view name, std::size_t index) {
  return gEvery == 1 || index == 0 || Fnv1a(name) % std::uint32_t(gEvery) == 0;
}

}  // namespace contentgen
