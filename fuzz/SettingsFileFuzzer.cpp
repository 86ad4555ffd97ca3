// The settings file loader on arbitrary bytes: it raises nothing but the conversion error of
// lines 1 to 4, applies nothing after a failure, and what it loads saves and loads again with
// the same window and options; texts may change only once (bytes that are no code page 932
// read as U+FFFD and are written as "?"), so the second save writes the same bytes as the first.
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "Error.h"
#include "FuzzCheck.h"
#include "Settings.h"
#include "SettingsFile.h"

namespace {

std::string scratchPath(const char* name) {
    return "/tmp/orgola-fuzz-" + std::to_string(::getpid()) + "-" + name;
}

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string input = scratchPath("input.ini");
    static const std::string copy = scratchPath("copy.ini");
    {
        std::ofstream out(input, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const orgola::Settings defaults;
    orgola::Settings loaded;
    try {
        orgola::loadSettings(input, loaded);
    } catch (const orgola::Error& error) {
        FUZZ_CHECK(error.kind() == orgola::Error::Kind::NotInteger);
        // A failure is in lines 1 to 4: nothing after it is applied.
        FUZZ_CHECK(loaded.chip == defaults.chip && loaded.programmer == defaults.programmer &&
                   loaded.trigger == defaults.trigger);
        FUZZ_CHECK(loaded.repeatCount == defaults.repeatCount && loaded.delay == defaults.delay);
        FUZZ_CHECK(loaded.window.top == defaults.window.top);
        return 0;
    }
    for (const std::string* text : {&loaded.repeatCount, &loaded.delay}) {
        FUZZ_CHECK(text->find('\r') == std::string::npos && text->find('\n') == std::string::npos);
    }
    orgola::saveSettings(copy, loaded);
    const std::string saved = contents(copy);
    orgola::Settings again;
    orgola::loadSettings(copy, again);
    FUZZ_CHECK(again.window == loaded.window && again.chip == loaded.chip &&
               again.programmer == loaded.programmer && again.trigger == loaded.trigger);
    orgola::saveSettings(copy, again);
    FUZZ_CHECK(contents(copy) == saved);
    return 0;
}
