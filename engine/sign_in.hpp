// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace tessaly {

// The one character that, alone in the Period box, lets a user past the sign-in.
inline constexpr std::string_view SignInCode = "~";

// Whether OK may be pressed: all four boxes hold at least one character (blanks
// count), or the Period box holds exactly the sign-in code.
bool signInComplete(std::string_view period, std::string_view id, std::string_view name,
                    std::string_view teacher);

} // namespace tessaly
