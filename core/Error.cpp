#include "Error.h"

namespace orgola {

namespace {

std::string fileMessage(int code) {
    switch (code) {
        case 2:
            return "ファイルが見つかりません";
        case 3:
            return "不正なファイル名です";
        case 4:
            return "オープンしたファイルが多すぎます";
        case 5:
            return "ファイルへのアクセスが拒否されました";
        case 100:
            return "ファイルの末尾以降を読み込みました";
        case 101:
            return "ディスクがいっぱいです";
        case 106:
            return "入力値が数値ではありません";
        default:
            return "I/O エラー (" + std::to_string(code) + ")";
    }
}

// A text longer than this is quoted as its beginning and "…", so that a damaged settings file
// cannot fill the error box with megabytes.
constexpr std::size_t kMaxQuotedBytes = 256;

// "'<text>'" followed by the rest of the message.
std::string quoted(std::string_view text, std::string_view rest) {
    std::string_view shown = text;
    if (text.size() > kMaxQuotedBytes) {
        std::size_t end = kMaxQuotedBytes;
        // Cut before a character, not inside one (UTF-8 continuation bytes are 10xxxxxx).
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            --end;
        }
        shown = text.substr(0, end);
    }
    std::string message;
    message.reserve(shown.size() + rest.size() + 5);
    message.append("'").append(shown);
    if (shown.size() < text.size()) {
        message.append("…");
    }
    message.append("'").append(rest);
    return message;
}

}  // namespace

Error::Error(Kind kind, int code, const std::string& message)
    : kind_(kind), code_(code), message_(message) {}

Error Error::notInteger(std::string_view text) {
    return Error(Kind::NotInteger, 0, quoted(text, " は整数ではありません"));
}

Error Error::notFloat(std::string_view text) {
    return Error(Kind::NotFloat, 0, quoted(text, " は浮動小数点数ではありません"));
}

Error Error::unsafeText(std::string_view text) {
    return Error(Kind::UnsafeText, 0, quoted(text, " には使えない文字が含まれています"));
}

Error Error::file(int code) {
    return Error(Kind::File, code, fileMessage(code));
}

std::string errorBoxText(std::string_view message) {
    if (message.empty()) {
        return std::string();
    }
    // In code page 932 every character outside ASCII starts with a byte above ".", and so does
    // the "?" written for a character code page 932 lacks; in UTF-8 those characters end in a
    // continuation byte (0x80 and above). Either way only an ASCII last byte can be at or below.
    const auto last = static_cast<unsigned char>(message.back());
    if (last <= '.') {
        return std::string(message);
    }
    return std::string(message) + ".";
}

}  // namespace orgola
