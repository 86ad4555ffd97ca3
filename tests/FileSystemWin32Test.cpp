#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "BaseDirectory.h"
#include "CaughtError.h"
#include "Settings.h"
#include "SettingsFile.h"
#include "TempFolder.h"
#include "TextFile.h"
#include "WorkingFolder.h"

// What only Windows has: files held open without sharing, drive roots, and the conversions
// through Windows' own code page functions.

namespace orgola {
namespace {

using Lines = std::vector<std::string>;

TEST(BaseDirectoryOnWindows, IsTheCurrentFolderWithABackslash) {
    test::TempFolder folder;
    {
        test::WorkingFolder inside(folder.path());
        EXPECT_EQ(baseDirectory(), folder.path() + "\\");
    }
    test::WorkingFolder root("C:\\");
    EXPECT_EQ(baseDirectory(), "C:\\");  // a drive's root keeps its one backslash
}

// Another program (an editor, a virus scanner) holding the file open without sharing it.
class HeldOpen {
public:
    explicit HeldOpen(const std::string& path)
        : file_(::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldOpen() { ::CloseHandle(file_); }
    bool held() const { return file_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE file_;
};

TEST(FileErrorsOnWindows, AFileInUseIsReportedWithItsCodeAndKept) {
    test::TempFolder folder;
    const std::string path = folder.file("orgola_s.ini");
    test::writeBytes(path, "745\r\n");
    {
        HeldOpen other(path);
        ASSERT_TRUE(other.held());
        EXPECT_EQ(test::fileErrorCode([&] { readTextLines(path, 13); }), 32);
        const auto error = test::caughtError([&] { writeTextFile(path, {"1"}); });
        ASSERT_TRUE(error.has_value());
        EXPECT_TRUE(error->code() == 32 || error->code() == 5) << error->code();
    }
    EXPECT_EQ(test::readBytes(path), "745\r\n");
    EXPECT_EQ(folder.names(), Lines{"orgola_s.ini"});
}

TEST(FileErrorsOnWindows, CreatingInAMissingFolderOrOverAFolderGivesWindowsCodes) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder.file("upload.bat"));
    EXPECT_EQ(test::fileErrorCode([&] { writeTextFile(folder.file("no\\such\\x.ini"), {"x"}); }),
              3);
    EXPECT_EQ(test::fileErrorCode([&] { writeTextFile(folder.file("upload.bat"), {"x"}); }), 5);
    EXPECT_EQ(test::fileErrorCode([&] { readTextLines(folder.file("missing.ini"), 13); }), 2);
    EXPECT_EQ(test::fileErrorCode([&] { readTextLines(folder.file("upload.bat"), 13); }), 5);
}

TEST(SettingsFileOnWindows, IsWrittenAndReadInCodePage932) {
    test::TempFolder folder;
    const std::string path = folder.file(kSettingsFileName);
    Settings settings;
    settings.repeatCount = "２回";
    settings.delay = "〜";  // no form of its own in code page 932
    saveSettings(path, settings);
    const std::string bytes = test::readBytes(path);
    EXPECT_NE(bytes.find("\r\n\x82\x51\x89\xf1\r\n?\r\n"), std::string::npos);

    Settings loaded;
    loadSettings(path, loaded);
    EXPECT_EQ(loaded.repeatCount, "２回");
    EXPECT_EQ(loaded.delay, "?");
}

}  // namespace
}  // namespace orgola
