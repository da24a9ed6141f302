#include "StyleLibrary.h"

#include <gtest/gtest.h>

using namespace tessaly;

TEST(DescriptionContent, EveryScreenHasItsText)
{
    for (const auto& s : StyleLibrary::all())
        EXPECT_FALSE(s.screenText.empty()) << s.screen;
}
