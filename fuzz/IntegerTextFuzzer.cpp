// The integer text of the edit fields: any text either reads as a 32-bit integer that prints
// and reads back as itself (in decimal and in "$" hexadecimal), or raises the conversion error
// that quotes the text. The spin buttons' steps of the repeat count wrap around in 32 bits and
// never go below 1 downwards.
#include <cstdint>
#include <cstdio>
#include <string>

#include "Error.h"
#include "FuzzCheck.h"
#include "IntegerText.h"
#include "ValueSteps.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::int32_t value = 0;
    try {
        value = orgola::parseInteger(text);
    } catch (const orgola::Error& error) {
        FUZZ_CHECK(error.kind() == orgola::Error::Kind::NotInteger);
        FUZZ_CHECK(error.message().starts_with("'"));
        return 0;
    }
    FUZZ_CHECK(orgola::parseInteger(std::to_string(value)) == value);
    char hexadecimal[16];
    std::snprintf(hexadecimal, sizeof hexadecimal, "$%X", static_cast<std::uint32_t>(value));
    FUZZ_CHECK(orgola::parseInteger(hexadecimal) == value);
    const auto wrapped = [value](std::int32_t step) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) +
                                         static_cast<std::uint32_t>(step));
    };
    const std::int32_t down = wrapped(-1) < 1 ? 1 : wrapped(-1);
    FUZZ_CHECK(orgola::steppedRepeatCount(text, orgola::StepDirection::Up) ==
               std::to_string(wrapped(1)));
    FUZZ_CHECK(orgola::steppedRepeatCount(text, orgola::StepDirection::Down) ==
               std::to_string(down));
    // Whatever was read, nothing but spaces may stand before it.
    FUZZ_CHECK(text.find_first_not_of(' ') != std::string::npos);
    FUZZ_CHECK(text.find('\t') == std::string::npos);
    return 0;
}
