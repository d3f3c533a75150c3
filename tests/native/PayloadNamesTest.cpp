#include "payload/PayloadNames.h"

#include "tests/ExpectedPayload.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>

using payload::PayloadFileName;

TEST(PayloadNames, TheFourteenPayloadFiles) {
    for (const auto& row : kExpectedPayload)
        EXPECT_EQ(PayloadFileName(row.id), row.name) << row.id;
}

TEST(PayloadNames, IdsOutsideTheTableHaveNoName) {
    for (unsigned id : {0u, 1u, 129u, 140u, 143u, 144u, 145u, 148u, 149u, 1130u, UINT_MAX})
        EXPECT_EQ(PayloadFileName(id), "") << id;
}

TEST(PayloadNames, SetupProgramIsResource139InOtherCase) {
    std::string setup = payload::SetupProgramName();
    EXPECT_EQ(setup, "guidedsetup.exe");
    std::string file = PayloadFileName(139);
    std::transform(file.begin(), file.end(), file.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_EQ(file, setup);
}
