#include "Messages.h"

#include <gtest/gtest.h>

using namespace tessaly;

TEST(Messages, MissedQuestionNamesBoxAndColumn)
{
    EXPECT_EQ(missedQuestionMessage({13, MarkColumn::Least}),
              "You have missed a question!  Please decide in Blocknumber 13 which word Least describes you!");
    EXPECT_EQ(missedQuestionMessage({1, MarkColumn::Most}),
              "You have missed a question!  Please decide in Blocknumber 1 which word Most describes you!");
}
