#pragma once

#include <string_view>

namespace qm {

// Sounds the widgets ask for, by the name the audio code plays them under.
namespace WidgetSound {
inline constexpr std::string_view MouseOver = "MouseOver";
inline constexpr std::string_view Click = "Click";
}  // namespace WidgetSound

}  // namespace qm
