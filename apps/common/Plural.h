// Counts in messages: "1 point", "2 points".
#pragma once

#include <string>
#include <string_view>

namespace pelk::cli {

std::string CountOf(long long count, std::string_view noun);

}  // namespace pelk::cli
