#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CaughtError.h"
#include "Error.h"
#include "FileSizeLimit.h"
#include "OpenHandles.h"
#include "TempFolder.h"
#include "TextFile.h"

// Text files where POSIX systems differ from Windows: permissions, links, devices, pipes and
// file size limits.

namespace orgola {
namespace {

using Lines = std::vector<std::string>;

TEST(ReadTextLines, ReportsAnUnreadableFileAsAccessDenied) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    test::TempFolder folder;
    test::writeBytes(folder.file("locked.ini"), "745\r\n");
    ::chmod(folder.file("locked.ini").c_str(), 0);
    EXPECT_EQ(test::fileErrorCode([&] { readTextLines(folder.file("locked.ini"), 13); }), 5);
}

TEST(WriteTextFile, KeepsThePermissionsAndLinkOfTheFileItReplaces) {
    test::TempFolder folder;
    test::writeBytes(folder.file("real.ini"), "old\r\n");
    ::chmod(folder.file("real.ini").c_str(), 0640);
    std::filesystem::create_symlink("real.ini", folder.file("link.ini"));

    writeTextFile(folder.file("link.ini"), {"new"});

    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("link.ini")));
    EXPECT_EQ(test::readBytes(folder.file("real.ini")), "new\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(folder.file("real.ini").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(folder.names(), (Lines{"link.ini", "real.ini"}));
}

TEST(WriteTextFile, ReportsAFullDevice) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    EXPECT_EQ(test::errorMessageOf([] { writeTextFile("/dev/full", {"x"}); }),
              "ディスクがいっぱいです");
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
}

TEST(TextFile, APipeWithoutAPeerNeverHangs) {
    test::TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("orgola_s.ini").c_str(), 0600), 0);
    EXPECT_EQ(readTextLines(folder.file("orgola_s.ini"), 13), Lines{});
    EXPECT_EQ(test::errorMessageOf([&] { writeTextFile(folder.file("orgola_s.ini"), {"x"}); }),
              "I/O エラー (" + std::to_string(10000 + ENXIO) + ")");
}

TEST(WriteTextFile, AFailedWriteKeepsThePreviousFileWhole) {
    test::TempFolder folder;
    const std::string previous = "745\r\n210\r\n283\r\n172\r\n";
    test::writeBytes(folder.file("orgola_s.ini"), previous);
    const std::size_t descriptors = test::openHandleCount();
    {
        test::FileSizeLimit limit(10);
        EXPECT_EQ(test::errorMessageOf(
                      [&] { writeTextFile(folder.file("orgola_s.ini"), {std::string(100, '9')}); }),
                  "ディスクがいっぱいです");
    }
    EXPECT_EQ(test::readBytes(folder.file("orgola_s.ini")), previous);
    EXPECT_EQ(folder.names(), Lines{"orgola_s.ini"});
    EXPECT_EQ(test::openHandleCount(), descriptors);

    // The failure blocks nothing: the next write goes through.
    writeTextFile(folder.file("orgola_s.ini"), {"1"});
    EXPECT_EQ(test::readBytes(folder.file("orgola_s.ini")), "1\r\n");
}

TEST(WriteTextFile, AFolderWithoutWriteAccessIsDenied) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into every folder";
    }
    test::TempFolder folder;
    ::chmod(folder.path().c_str(), 0555);
    EXPECT_EQ(test::fileErrorCode([&] { writeTextFile(folder.file("orgola_s.ini"), {"x"}); }), 5);
}

}  // namespace
}  // namespace orgola
