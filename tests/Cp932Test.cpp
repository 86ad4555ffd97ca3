#include <gtest/gtest.h>

#include <string>

#include "platform/Cp932.h"

namespace orgola::platform {
namespace {

struct Encoded {
    std::string utf8;
    std::string cp932;
};

void PrintTo(const Encoded& c, std::ostream* os) {
    *os << testing::PrintToString(c.utf8);
}

class Cp932Encoding : public testing::TestWithParam<Encoded> {};

TEST_P(Cp932Encoding, Bytes) {
    EXPECT_EQ(toCp932(GetParam().utf8), GetParam().cp932);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Cp932Encoding,
    testing::Values(
        Encoded{"", ""}, Encoded{"path WinAVR\\bin ~%1", "path WinAVR\\bin ~%1"},
        Encoded{"設定～", "\x90\xdd\x92\xe8\x81\x60"},
        Encoded{"（推奨）", "\x81\x69\x90\x84\x8f\xa7\x81\x6a"},
        Encoded{"ｱ", "\xb1"},  // half-width katakana is one byte
        Encoded{"用です。", "\x97\x70\x82\xc5\x82\xb7\x81\x42"},
        // Characters code page 932 has no form of its own for become "?", also those a
        // converter would map onto a look-alike (U+301C onto ～, the yen sign onto "\").
        Encoded{"a〜b", "a?b"}, Encoded{"¥1", "?1"}, Encoded{"é", "?"},
        Encoded{"\xF0\x9F\x8E\xB5", "?"},  // an emoji
        // Invalid UTF-8 becomes "?", one byte at a time.
        Encoded{"\xFF"
                "1",
                "?1"},
        Encoded{"\xE8\xA8", "??"}));

struct Decoded {
    std::string cp932;
    std::string utf8;
};

void PrintTo(const Decoded& c, std::ostream* os) {
    *os << testing::PrintToString(c.cp932);
}

class Cp932Decoding : public testing::TestWithParam<Decoded> {};

#ifdef _WIN32
// Windows' table gives the byte 80 a character, U+0080; iconv gives it none.
const Decoded kByte80{"\x80", "\xC2\x80"};
#else
const Decoded kByte80{"\x80", "\xEF\xBF\xBD"};
#endif

TEST_P(Cp932Decoding, Text) {
    EXPECT_EQ(fromCp932(GetParam().cp932), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, Cp932Decoding,
    testing::Values(Decoded{"TRUE", "TRUE"}, Decoded{"\x90\xdd\x92\xe8\x81\x60", "設定～"},
                    Decoded{"\xb1", "ｱ"},
                    // Bytes that are no code page 932 read as U+FFFD, one byte at a time.
                    kByte80, Decoded{"1\xfd", "1\xEF\xBF\xBD"}, Decoded{"\x81", "\xEF\xBF\xBD"},
                    Decoded{"\x81 1", "\xEF\xBF\xBD 1"}));

TEST(Cp932, EveryDoubleByteCharacterReadsBackAsItsBytes) {
    int checked = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead >= 0xA0 && lead <= 0xDF) {
            continue;  // single-byte range
        }
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string text = fromCp932(bytes);
            if (text.find("\xEF\xBF\xBD") != std::string::npos) {
                continue;  // not a character
            }
            const std::string again = toCp932(text);
            // Code page 932 has a few characters twice (NEC and IBM rows); both read the same.
            EXPECT_EQ(fromCp932(again), text) << std::hex << lead << ' ' << trail;
            ++checked;
        }
    }
    EXPECT_GT(checked, 7000);
}

}  // namespace
}  // namespace orgola::platform
