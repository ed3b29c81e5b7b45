#pragma once

// Runs the same work under the C locale and under a German one, whose decimal
// separator is the comma, and expects the same results: nothing the program reads or
// writes may depend on the process locale.

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace quorvel::test {

// `run` returns what it read and wrote, comparable with ==.
template <class Run>
void ExpectSameUnderCAndGermanLocale(const Run& run) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "C");
    const auto plain = run();
    // The German locale by its name on glibc, or on the Windows runtime.
    const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (german == nullptr) german = std::setlocale(LC_ALL, "German_Germany.1252");
    ASSERT_NE(german, nullptr) << "no German locale to test under";
    const auto underGerman = run();
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(underGerman, plain);
}

}  // namespace quorvel::test
