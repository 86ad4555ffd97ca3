#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CaughtError.h"
#include "Error.h"
#include "OpenHandles.h"
#include "TempFolder.h"
#include "TextFile.h"

namespace orgola {
namespace {

using Lines = std::vector<std::string>;

struct LineCase {
    std::string bytes;
    Lines lines;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << testing::PrintToString(c.bytes);
}

class ReadTextLines : public testing::TestWithParam<LineCase> {};

TEST_P(ReadTextLines, SplitsAtLineFeeds) {
    test::TempFolder folder;
    test::writeBytes(folder.file("f.txt"), GetParam().bytes);
    EXPECT_EQ(readTextLines(folder.file("f.txt"), 13), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadTextLines,
    testing::Values(LineCase{"", {}}, LineCase{"\r\n", {""}}, LineCase{"a\r\nb\r\n", {"a", "b"}},
                    LineCase{"a\nb", {"a", "b"}},  // LF alone, no final line end
                    LineCase{"a\rb\r\n", {"ab"}},  // a CR inside a line is dropped
                    LineCase{"a\rb\rc", {"abc"}},  // CR-only line ends are no ends
                    LineCase{"\r\r\n\n", {"", ""}}, LineCase{"\x90\xdd\x92\xe8\r\n", {"設定"}},
                    LineCase{
                        "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n13\r\n"
                        "14\r\n15\r\n",
                        {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13"}}));

TEST(ReadTextLines, KeepsTheFirstMebibyteOfAHugeLine) {
    test::TempFolder folder;
    std::string huge(3 * kMaxLineBytes, '7');
    huge[kMaxLineBytes - 1] = '1';
    huge[kMaxLineBytes] = '2';
    test::writeBytes(folder.file("f.txt"), huge + "\r\nend\r\n");
    const Lines lines = readTextLines(folder.file("f.txt"), 13);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), kMaxLineBytes);
    EXPECT_EQ(lines[0].back(), '1');
    EXPECT_EQ(lines[1], "end");
}

TEST(ReadTextLines, ReadsLinesLongerThanItsBuffer) {
    test::TempFolder folder;
    const std::string longLine(1'000'000, 'x');
    test::writeBytes(folder.file("f.txt"), longLine + "\r\nend");
    EXPECT_EQ(readTextLines(folder.file("f.txt"), 13), (Lines{longLine, "end"}));
}

TEST(ReadTextLines, ReportsWhyAFileCannotBeRead) {
    test::TempFolder folder;
    const std::size_t handles = test::openHandleCount();
    EXPECT_EQ(test::fileErrorCode([&] { readTextLines(folder.file("missing.ini"), 13); }), 2);
    EXPECT_EQ(test::fileErrorCode([&] { readTextLines(folder.file("no/such.ini"), 13); }), 3);
    std::filesystem::create_directory(folder.file("folder.ini"));
    EXPECT_EQ(test::fileErrorCode([&] { readTextLines(folder.file("folder.ini"), 13); }), 5);
    EXPECT_EQ(test::openHandleCount(), handles);
}

TEST(WriteTextFile, WritesCodePage932WithCrLf) {
    test::TempFolder folder;
    test::writeBytes(folder.file("f.txt"), std::string(500, 'o'));  // longer: must not remain
    writeTextFile(folder.file("f.txt"), {"設定", "", "a〜b"});
    EXPECT_EQ(test::readBytes(folder.file("f.txt")), "\x90\xdd\x92\xe8\r\n\r\na?b\r\n");
    EXPECT_EQ(folder.names(), Lines{"f.txt"});
}

struct WriteFailure {
    const char* name;
    const char* message;
};

// Each failure names what a Windows user would read, leaves what was there and no handle open.
TEST(WriteTextFile, FailsWithTheWindowsMessageAndChangesNothing) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder.file("upload.bat"));
    test::writeBytes(folder.file("readonly.ini"), "old\r\n");
    using std::filesystem::perms;  // without write permission: on Windows, read-only
    std::filesystem::permissions(folder.file("readonly.ini"),
                                 perms::owner_write | perms::group_write | perms::others_write,
                                 std::filesystem::perm_options::remove);
    const std::size_t handles = test::openHandleCount();

    const WriteFailure failures[] = {
        {"no/such/folder.ini", "不正なファイル名です"},
        {"upload.bat", "ファイルへのアクセスが拒否されました"},  // a folder stands there
        {"readonly.ini", "ファイルへのアクセスが拒否されました"},
    };
    for (const auto& failure : failures) {
        EXPECT_EQ(test::errorMessageOf([&] { writeTextFile(folder.file(failure.name), {"x"}); }),
                  failure.message)
            << failure.name;
    }
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("upload.bat")));
    EXPECT_EQ(test::readBytes(folder.file("readonly.ini")), "old\r\n");
    EXPECT_EQ(folder.names(), (Lines{"readonly.ini", "upload.bat"}));
    EXPECT_EQ(test::openHandleCount(), handles);
}

}  // namespace
}  // namespace orgola
