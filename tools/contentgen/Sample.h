#pragma once

#include <string_view>

namespace contentgen {

// A sample of the pack instead of all of it, for checking that generating
// again gives the same bytes without generating everything: about one
// item in `every` of each long list (pictures, sounds, tracks, voices), and
// always the first. 1 (the default) makes everything.
void SetSampling(int every);
bool InSample(std::string_view name, std::size_t index);

}  // namespace contentgen
