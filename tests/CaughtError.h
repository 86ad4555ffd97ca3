#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "Error.h"

namespace orgola::test {

// Runs body and gives the orgola::Error it throws; fails the test when it throws none.
template <typename Body>
std::optional<Error> caughtError(Body&& body) {
    try {
        body();
    } catch (const Error& error) {
        return error;
    }
    ADD_FAILURE() << "no error was raised";
    return std::nullopt;
}

template <typename Body>
std::string errorMessageOf(Body&& body) {
    const auto error = caughtError(body);
    return error ? error->message() : std::string();
}

// The Windows code of the file error body throws; 0 when it throws another error or none.
template <typename Body>
int fileErrorCode(Body&& body) {
    const auto error = caughtError(body);
    if (!error) {
        return 0;
    }
    EXPECT_EQ(error->kind(), Error::Kind::File) << error->message();
    return error->code();
}

}  // namespace orgola::test
