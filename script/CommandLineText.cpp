#include "CommandLineText.h"

#include <algorithm>

namespace orgola {

bool isPlainCommandLineText(std::string_view text) {
    constexpr std::string_view kMetacharacters = "&|<>^%\"";
    return std::none_of(text.begin(), text.end(), [&](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7f || kMetacharacters.find(c) != std::string_view::npos;
    });
}

}  // namespace orgola
