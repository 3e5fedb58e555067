#include "info/VersionInfo.h"

#include <gtest/gtest.h>

TEST(VersionText, MajorAndMinorOfTheMostSignificantHalf)
{
    EXPECT_EQ(VersionTextOf((3u << 16) | 25u), QStringLiteral("3.25"));
    EXPECT_EQ(VersionTextOf((65535u << 16) | 0u), QStringLiteral("65535.0"));
    EXPECT_EQ(VersionTextOf(std::nullopt), QStringLiteral("0.0.0.0"));
}

TEST(VersionText, ComesFromTheBuildsVersion)
{
    EXPECT_EQ(VersionText(), QStringLiteral("%1.%2").arg(CORVINA_VERSION_MAJOR).arg(CORVINA_VERSION_MINOR));
    EXPECT_EQ(VersionText(), QStringLiteral("3.25"));
}
