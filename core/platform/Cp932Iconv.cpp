#include <errno.h>
#include <iconv.h>

#include <optional>
#include <stdexcept>

#include "Cp932Character.h"

namespace orgola::platform {

namespace {

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

}  // namespace

std::optional<std::string> encodeCp932Character(std::string_view utf8Character) {
    return encoder().convert(utf8Character);
}

std::optional<std::string> decodeCp932Character(std::string_view bytes, bool& needsTrailByte) {
    int reason = 0;
    auto decoded = decoder().convert(bytes, &reason);
    needsTrailByte = !decoded && reason == EINVAL;
    return decoded;
}

}  // namespace orgola::platform
