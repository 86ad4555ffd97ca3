#include "Cp932.h"

#include "Cp932Character.h"

namespace orgola::platform {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Length of the UTF-8 sequence starting at text[0], or 0 when it is not valid UTF-8.
std::size_t utf8SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

}  // namespace

std::string toCp932(std::string_view utf8) {
    std::string result;
    result.reserve(utf8.size());
    while (!utf8.empty()) {
        if (static_cast<unsigned char>(utf8[0]) < 0x80) {
            result += utf8[0];
            utf8.remove_prefix(1);
            continue;
        }
        const std::size_t length = utf8SequenceLength(utf8);
        if (length == 0) {
            result += '?';
            utf8.remove_prefix(1);
            continue;
        }
        const std::string_view character = utf8.substr(0, length);
        utf8.remove_prefix(length);
        const auto encoded = encodeCp932Character(character);
        // A converter may map a character onto another's bytes (iconv maps U+301C onto U+FF5E's
        // 81 60, the yen sign onto the backslash); only a form that reads back as the same
        // character is kept.
        bool needsTrailByte = false;
        if (encoded && decodeCp932Character(*encoded, needsTrailByte) == std::string(character)) {
            result += *encoded;
        } else {
            result += '?';
        }
    }
    return result;
}

std::string fromCp932(std::string_view bytes) {
    std::string result;
    result.reserve(bytes.size());
    while (!bytes.empty()) {
        if (static_cast<unsigned char>(bytes[0]) < 0x80) {
            result += bytes[0];
            bytes.remove_prefix(1);
            continue;
        }
        bool needsTrailByte = false;
        auto decoded = decodeCp932Character(bytes.substr(0, 1), needsTrailByte);
        std::size_t used = 1;
        if (!decoded && needsTrailByte && bytes.size() >= 2) {
            decoded = decodeCp932Character(bytes.substr(0, 2), needsTrailByte);
            used = 2;
        }
        if (decoded) {
            result += *decoded;
            bytes.remove_prefix(used);
        } else {
            result += kReplacementCharacter;
            bytes.remove_prefix(1);
        }
    }
    return result;
}

}  // namespace orgola::platform
