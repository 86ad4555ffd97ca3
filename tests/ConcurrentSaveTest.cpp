#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>
#include <string>

#include "SettingsFile.h"
#include "TempFolder.h"

namespace orgola {
namespace {

// Saves the settings `times` times in a process of its own, once the parent lets it start.
pid_t startSaver(const std::string& path, const Settings& settings, int times,
                 const int (&startPipe)[2]) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(startPipe[1]);
        char go = 0;
        const bool started = ::read(startPipe[0], &go, 1) == 0;  // the parent closed its end
        int failures = started ? 0 : 1;
        for (int i = 0; i < times; ++i) {
            try {
                saveSettings(path, settings);
            } catch (...) {
                ++failures;
            }
        }
        ::_exit(failures == 0 ? 0 : 1);
    }
    return child;
}

// Two instances of the program saving at the same moment: whenever the file is read it is one
// whole version, and no temporary file is left behind.
TEST(ConcurrentSave, TwoInstancesNeverTearTheSettingsFile) {
    test::TempFolder folder;
    const std::string path = folder.file(kSettingsFileName);
    Settings first;
    first.delay = "13";
    Settings second;
    second.window = {-40, 1200, 800, 300};
    second.trigger = Trigger::Dark;
    second.repeatCount = std::string(20000, '7');  // a version several blocks long
    saveSettings(path, Settings{});

    std::set<std::string> versions;
    for (const Settings& settings : {Settings{}, first, second}) {
        test::TempFolder scratch;
        saveSettings(scratch.file(kSettingsFileName), settings);
        versions.insert(test::readBytes(scratch.file(kSettingsFileName)));
    }

    int startPipe[2];
    ASSERT_EQ(::pipe(startPipe), 0);
    const pid_t savers[] = {startSaver(path, first, 200, startPipe),
                            startSaver(path, second, 200, startPipe)};
    ::close(startPipe[0]);
    ::close(startPipe[1]);  // both start now

    int reads = 0;
    int running = 2;
    int exitCodes = 0;
    while (running > 0) {
        const std::string seen = test::readBytes(path);
        ++reads;
        ASSERT_EQ(versions.count(seen), 1u)
            << "read " << reads << " saw " << seen.size() << " bytes that are no saved version";
        for (const pid_t saver : savers) {
            int status = 0;
            if (::waitpid(saver, &status, WNOHANG) == saver) {
                --running;
                exitCodes |= WIFEXITED(status) ? WEXITSTATUS(status) : 128;
            }
        }
    }
    EXPECT_EQ(exitCodes, 0) << "a save failed";
    EXPECT_GT(reads, 10);
    EXPECT_EQ(folder.names(), std::vector<std::string>{kSettingsFileName});
}

}  // namespace
}  // namespace orgola
