#include <errno.h>
#include <iconv.h>

#include <optional>
#include <stdexcept>

#include "Cp932.h"

namespace orgola::platform {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " +
                                     to);
        }
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts one character's bytes whole, or reports why not (EILSEQ, EINVAL).
    std::optional<std::string> convert(std::string_view input, int* reason = nullptr) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        char output[16];
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* out = output;
        std::size_t outLeft = sizeof output;
        if (iconv(handle_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) ||
            inLeft != 0) {
            if (reason != nullptr) {
                *reason = errno;
            }
            return std::nullopt;
        }
        return std::string(output, static_cast<std::size_t>(out - output));
    }

private:
    iconv_t handle_;
};

Converter& encoder() {
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

Converter& decoder() {
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

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
        const auto encoded = encoder().convert(character);
        // iconv maps some characters onto another's bytes (U+301C onto U+FF5E's 81 60, the yen
        // sign onto the backslash); only a form that reads back as the same character is kept.
        if (encoded && decoder().convert(*encoded) == std::string(character)) {
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
        int reason = 0;
        auto decoded = decoder().convert(bytes.substr(0, 1), &reason);
        std::size_t used = 1;
        if (!decoded && reason == EINVAL && bytes.size() >= 2) {
            decoded = decoder().convert(bytes.substr(0, 2));
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
