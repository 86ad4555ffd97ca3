// The upload script on arbitrary field texts and option states: it either has 55 lines, each
// ending in CR LF, the last one empty, and the repeat count as typed in its compile line; or it
// stops with one of the system's errors before the script is complete.
#include <algorithm>
#include <cstdint>
#include <string>

#include "Error.h"
#include "FuzzCheck.h"
#include "IntegerText.h"
#include "Settings.h"
#include "UploadScript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte chooses the options; the rest is the repeat count, a NUL, the delay.
    orgola::Settings settings;
    const std::uint8_t options = data[0];
    settings.chip = (options & 1) != 0 ? orgola::Chip::Attiny45 : orgola::Chip::Attiny2313;
    settings.programmer =
        (options & 2) != 0 ? orgola::Programmer::Hidaspx : orgola::Programmer::LearningCircuit;
    settings.trigger = static_cast<orgola::Trigger>((options >> 2) % 3);
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto separator = rest.find('\0');
    settings.repeatCount = rest.substr(0, separator);
    settings.delay = separator == std::string::npos ? std::string("0") : rest.substr(separator + 1);

    const std::string delayBefore = settings.delay;
    std::string buffer = "left over";
    try {
        orgola::assembleUploadScript(settings, buffer);
    } catch (const orgola::Error& error) {
        FUZZ_CHECK(error.kind() != orgola::Error::Kind::File);
        FUZZ_CHECK(buffer.starts_with("@echo off\r\n"));
        FUZZ_CHECK(!buffer.ends_with("cd ..\r\n"));  // stopped before the end
        if (error.kind() == orgola::Error::Kind::UnsafeText) {
            FUZZ_CHECK(settings.delay == delayBefore);
        }
        return 0;
    }
    // The written file adds one more line end to the buffer: 55 lines, the last one empty.
    const std::string file = buffer + "\r\n";
    FUZZ_CHECK(file.ends_with("cd ..\r\n\r\n"));
    FUZZ_CHECK(std::count(file.begin(), file.end(), '\n') == 55);
    FUZZ_CHECK(std::count(file.begin(), file.end(), '\r') == 55);
    for (std::size_t i = file.find('\n'); i != std::string::npos; i = file.find('\n', i + 1)) {
        FUZZ_CHECK(i > 0 && file[i - 1] == '\r');
    }
    const char* macro =
        orgola::parseInteger(delayBefore) == 0 ? " -DSTART_REPEAT_NUM=" : " -DEND_REPEAT_NUM=";
    FUZZ_CHECK(file.find(macro + settings.repeatCount) != std::string::npos);
    return 0;
}
