#include <sys/mount.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "../FileSizeLimit.h"
#include "WindowFixture.h"

namespace orgola::test {
namespace {

const std::string kDiskFull = "error: ディスクがいっぱいです.";

// The two ways a disk fills up under the window: a file size limit, which fails every write past
// a few bytes, and a real file system of 64 KiB, filled to the last block (needs root).
enum class FullDisk { FileSizeLimit, SmallFileSystem };

std::string nameOf(FullDisk disk) {
    return disk == FullDisk::FileSizeLimit ? "FileSizeLimit" : "SmallFileSystem";
}
void PrintTo(FullDisk disk, std::ostream* out) {
    *out << nameOf(disk);
}

class FullDiskTest : public WindowTest, public ::testing::WithParamInterface<FullDisk> {
protected:
    ~FullDiskTest() override {
        if (mounted_) {
            form.reset();
            [[maybe_unused]] const int left = ::chdir("/");
            ::umount2(folder.path().c_str(), MNT_DETACH);
        }
    }

    // The base folder becomes a small file system of its own; false when that is not allowed.
    bool mountSmallFileSystem() {
        if (::mount("tmpfs", folder.path().c_str(), "tmpfs", 0, "size=64k") != 0) {
            return false;
        }
        mounted_ = true;
        return ::chdir(folder.path().c_str()) == 0;
    }

    void fillDisk() {
        if (GetParam() == FullDisk::FileSizeLimit) {
            limit_.emplace(10);
            return;
        }
        std::ofstream filler(folder.file("filler"), std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), block.size()) && filler.flush()) {
        }
    }
    void freeDisk() {
        limit_.reset();
        std::filesystem::remove(folder.file("filler"));
    }

private:
    bool mounted_ = false;
    std::optional<FileSizeLimit> limit_;
};

TEST_P(FullDiskTest, SetAndExitFailWithTheWindowOpenAndLoseNothing) {
    if (GetParam() == FullDisk::SmallFileSystem && !mountSmallFileSystem()) {
        GTEST_SKIP() << "mounting a file system needs root";
    }
    writeSettings(settingsLines("3", "13"));
    start();
    const std::string settingsBefore = readBytes(settingsPath());
    fillDisk();
    const std::vector<std::string> namesBefore = folder.names();

    click("Panel2");
    click("Panel1");

    EXPECT_EQ(interaction.summary(), std::vector<std::string>({kDiskFull, kDiskFull}));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(readBytes(settingsPath()), settingsBefore);
    EXPECT_EQ(folder.names(), namesBefore) << "no script, and no temporary file left behind";

    // With room again, the same window saves what it holds (the delay Set rounded).
    freeDisk();
    click("Panel1");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(readBytes(settingsPath()), settingsLines("3", "12"));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"orgola_s.ini"});
}

INSTANTIATE_TEST_SUITE_P(Disks, FullDiskTest,
                         ::testing::Values(FullDisk::FileSizeLimit, FullDisk::SmallFileSystem),
                         [](const auto& info) { return nameOf(info.param); });

TEST_F(WindowTest, ABaseFolderRemovedWhileOpenIsReportedAndTheWindowStays) {
    writeSettings(settingsLines("3", "13"));
    start();
    std::filesystem::remove_all(folder.path());

    click("Panel2");
    click("Panel1");

    const std::string badName = "error: 不正なファイル名です.";
    EXPECT_EQ(interaction.summary(), std::vector<std::string>({badName, badName}));
    EXPECT_TRUE(form->isVisible());

    // The folder back in its place, Exit saves into it.
    std::filesystem::create_directory(folder.path());
    click("Panel1");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(readBytes(settingsPath()), settingsLines("3", "12"));
}

}  // namespace
}  // namespace orgola::test
