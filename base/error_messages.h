#pragma once

#include <cstdint>
#include <string>

namespace zelt {

// The program's numbered warnings.
using ErrorNumber = std::uint8_t;

constexpr ErrorNumber ErrorUnableToLoadList = 1;
constexpr ErrorNumber ErrorUnableToCreateIndexFile = 2;
constexpr ErrorNumber ErrorUnableToLoadTopic = 3;
constexpr ErrorNumber ErrorUnknownCommandLineParameter = 10;

std::string ErrorMessageText(ErrorNumber number);

} // namespace zelt
