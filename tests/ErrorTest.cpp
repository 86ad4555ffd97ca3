#include <gtest/gtest.h>

#include <cerrno>

#include "Error.h"
#ifndef _WIN32
#include "platform/ErrnoCodes.h"
#endif

namespace orgola {
namespace {

struct FileMessage {
    int code;
    const char* message;
};

void PrintTo(const FileMessage& c, std::ostream* os) {
    *os << "code " << c.code;
}

class FileErrorMessage : public testing::TestWithParam<FileMessage> {};

TEST_P(FileErrorMessage, ByCode) {
    const Error error = Error::file(GetParam().code);
    EXPECT_EQ(error.message(), GetParam().message);
    EXPECT_EQ(error.code(), GetParam().code);
    EXPECT_EQ(error.kind(), Error::Kind::File);
}

INSTANTIATE_TEST_SUITE_P(Codes, FileErrorMessage,
                         testing::Values(FileMessage{2, "ファイルが見つかりません"},
                                         FileMessage{3, "不正なファイル名です"},
                                         FileMessage{4, "オープンしたファイルが多すぎます"},
                                         FileMessage{5, "ファイルへのアクセスが拒否されました"},
                                         FileMessage{100, "ファイルの末尾以降を読み込みました"},
                                         FileMessage{101, "ディスクがいっぱいです"},
                                         FileMessage{106, "入力値が数値ではありません"},
                                         FileMessage{32, "I/O エラー (32)"},
                                         FileMessage{1, "I/O エラー (1)"},
                                         FileMessage{10005, "I/O エラー (10005)"}));

struct BoxText {
    const char* message;
    const char* shown;
};

void PrintTo(const BoxText& c, std::ostream* os) {
    *os << '"' << c.message << '"';
}

class ErrorBoxText : public testing::TestWithParam<BoxText> {};

TEST_P(ErrorBoxText, FullStopRule) {
    EXPECT_EQ(errorBoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ErrorBoxText,
    testing::Values(BoxText{"", ""},
                    BoxText{"'abc' は整数ではありません", "'abc' は整数ではありません."},
                    BoxText{"ファイルが見つかりません", "ファイルが見つかりません."},
                    BoxText{"I/O エラー (32)", "I/O エラー (32)"},  // ")" is below "."
                    BoxText{"ends in a full stop.", "ends in a full stop."},
                    BoxText{"dash-", "dash-"}, BoxText{"quote'", "quote'"},
                    BoxText{"slash/", "slash/."}, BoxText{"digit 0", "digit 0."},
                    BoxText{"half-width kana ﾃ", "half-width kana ﾃ."},
                    BoxText{"'' は整数ではありません", "'' は整数ではありません."}));

TEST(ErrorBoxText, ShowsTheConversionErrorsWithAFullStop) {
    EXPECT_EQ(errorBoxText(Error::notInteger("x").message()), "'x' は整数ではありません.");
    EXPECT_EQ(errorBoxText(Error::notFloat("$1").message()), "'$1' は浮動小数点数ではありません.");
}

// A text is quoted whole up to 256 bytes; a longer one as its beginning and "…", cut between
// characters.
struct QuotedCase {
    std::string text;
    std::string quoted;
};

class ConversionErrorQuote : public testing::TestWithParam<QuotedCase> {};

TEST_P(ConversionErrorQuote, KeepsTheMessageShort) {
    EXPECT_EQ(Error::notInteger(GetParam().text).message(),
              "'" + GetParam().quoted + "' は整数ではありません");
    EXPECT_EQ(Error::unsafeText(GetParam().text).message(),
              "'" + GetParam().quoted + "' には使えない文字が含まれています");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ConversionErrorQuote,
    testing::Values(QuotedCase{std::string(256, '9'), std::string(256, '9')},
                    QuotedCase{std::string(257, '9'), std::string(256, '9') + "…"},
                    QuotedCase{std::string(10'000'000, '9'), std::string(256, '9') + "…"},
                    // 255 bytes, then a three-byte character that would be cut: left out whole.
                    QuotedCase{std::string(255, 'a') + "設定", std::string(255, 'a') + "…"},
                    QuotedCase{std::string(254, 'a') + "設", std::string(254, 'a') + "…"},
                    QuotedCase{std::string(253, 'a') + "設", std::string(253, 'a') + "設"}));

#ifndef _WIN32  // on Windows the codes come from GetLastError as they are
struct ErrnoCase {
    int errnoValue;
    bool folderExists;
    int code;
};

void PrintTo(const ErrnoCase& c, std::ostream* os) {
    *os << "errno " << c.errnoValue << (c.folderExists ? "" : " without folder");
}

class WindowsErrorCode : public testing::TestWithParam<ErrnoCase> {};

// The same failure must show the same message as on Windows.
TEST_P(WindowsErrorCode, FromErrno) {
    EXPECT_EQ(platform::windowsErrorCode(GetParam().errnoValue, GetParam().folderExists),
              GetParam().code)
        << "errno " << GetParam().errnoValue;
}

INSTANTIATE_TEST_SUITE_P(
    Errnos, WindowsErrorCode,
    testing::Values(ErrnoCase{ENOENT, true, 2}, ErrnoCase{ENOENT, false, 3},
                    ErrnoCase{ENOTDIR, true, 3}, ErrnoCase{EMFILE, true, 4},
                    ErrnoCase{ENFILE, true, 4}, ErrnoCase{EACCES, true, 5},
                    ErrnoCase{EPERM, true, 5}, ErrnoCase{EISDIR, true, 5},
                    ErrnoCase{EROFS, true, 5}, ErrnoCase{ETXTBSY, true, 32},
                    ErrnoCase{ENOSPC, true, 101}, ErrnoCase{EDQUOT, true, 101},
                    ErrnoCase{EFBIG, true, 101},
                    // EIO is errno 5 on Linux: it must not read as access denied.
                    ErrnoCase{EIO, true, 10000 + EIO}));
#endif

}  // namespace
}  // namespace orgola
