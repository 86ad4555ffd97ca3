#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace orgola {

// The one error the system raises. It carries the message the user sees in the error box;
// for file errors it also carries the Windows-style error code the message was chosen by.
class Error : public std::exception {
public:
    enum class Kind { NotInteger, NotFloat, File, UnsafeText };

    // "'<text>' は整数ではありません"
    static Error notInteger(std::string_view text);
    // "'<text>' は浮動小数点数ではありません"
    static Error notFloat(std::string_view text);
    // "'<text>' には使えない文字が含まれています": text that would change a command line.
    static Error unsafeText(std::string_view text);
    // The file error for a Windows error code (2, 3, 4, 5, 100, 101, 106 have their own text,
    // every other code reads "I/O エラー (<code>)").
    static Error file(int code);

    Kind kind() const { return kind_; }
    // The file error code; 0 for conversion errors.
    int code() const { return code_; }
    const std::string& message() const { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    Error(Kind kind, int code, const std::string& message);

    Kind kind_;
    int code_;
    std::string message_;
};

// The text of the error box for a message: a full stop is appended unless the message is empty
// or its last character is at or below "." in code order (so "I/O エラー (32)" gets none and every
// message ending in a Japanese character gets one).
std::string errorBoxText(std::string_view message);

}  // namespace orgola
