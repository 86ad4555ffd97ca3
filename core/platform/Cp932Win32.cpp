#include <windows.h>

#include "Cp932Character.h"

namespace orgola::platform {

namespace {

constexpr UINT kCodePage932 = 932;

}  // namespace

std::optional<std::string> encodeCp932Character(std::string_view utf8Character) {
    wchar_t wide[4];
    const int wideLength =
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8Character.data(),
                              static_cast<int>(utf8Character.size()), wide, 4);
    if (wideLength == 0) {
        return std::nullopt;
    }
    char bytes[8];
    BOOL usedDefault = FALSE;
    // Without best fit, a character with no form of its own is not mapped onto a look-alike.
    const int length = ::WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, wide, wideLength,
                                             bytes, sizeof bytes, nullptr, &usedDefault);
    if (length == 0 || usedDefault) {
        return std::nullopt;
    }
    return std::string(bytes, static_cast<std::size_t>(length));
}

std::optional<std::string> decodeCp932Character(std::string_view bytes, bool& needsTrailByte) {
    needsTrailByte =
        bytes.size() == 1 && ::IsDBCSLeadByteEx(kCodePage932, static_cast<BYTE>(bytes[0])) != FALSE;
    if (needsTrailByte) {
        return std::nullopt;
    }
    wchar_t wide[4];
    const int wideLength = ::MultiByteToWideChar(kCodePage932, MB_ERR_INVALID_CHARS, bytes.data(),
                                                 static_cast<int>(bytes.size()), wide, 4);
    if (wideLength != 1) {
        return std::nullopt;
    }
    char utf8[8];
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, wide, 1, utf8, sizeof utf8, nullptr, nullptr);
    return std::string(utf8, static_cast<std::size_t>(length));
}

}  // namespace orgola::platform
