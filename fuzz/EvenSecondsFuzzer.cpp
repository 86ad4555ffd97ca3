// The floating parse and the even-second rounding of the delay field: a delay that reads as a
// floating number rounds toward zero to a whole even number, whose text reads back as that
// number and is never "-0"; any other text raises the floating-number error.
#include <cmath>
#include <cstdint>
#include <string>

#include "Error.h"
#include "EvenSeconds.h"
#include "FuzzCheck.h"
#include "NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    float x = 0;
    try {
        x = orgola::parseFloat(text);
    } catch (const orgola::Error& error) {
        FUZZ_CHECK(error.kind() == orgola::Error::Kind::NotFloat);
        bool rounded = true;
        try {
            orgola::roundToEvenSeconds(text);
        } catch (const orgola::Error& again) {
            rounded = false;
            FUZZ_CHECK(again.message() == error.message());
        }
        FUZZ_CHECK(!rounded);
        return 0;
    }
    FUZZ_CHECK(std::isfinite(x));
    const orgola::EvenSeconds even = orgola::roundToEvenSeconds(text);
    FUZZ_CHECK(std::fmod(even.value, 2.0F) == 0.0F);
    FUZZ_CHECK(std::fabs(even.value) <= std::fabs(x));
    FUZZ_CHECK(std::fabs(x) - std::fabs(even.value) < 2.0F || std::fabs(x) >= 16777216.0F);
    FUZZ_CHECK(even.text != "-0");
    FUZZ_CHECK(even.text == orgola::formatNumber(even.value));
    FUZZ_CHECK(orgola::parseFloat(even.text) == even.value);
    // Rounding what is already even changes nothing.
    FUZZ_CHECK(orgola::roundToEvenSeconds(even.text).text == even.text);
    return 0;
}
