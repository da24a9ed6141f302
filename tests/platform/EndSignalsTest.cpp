#include "EndSignals.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

using namespace tessaly;

TEST(EndSignals, TheFirstSignalThatAsksToEndIsAnsweredOnceAndEndsTheProcessAsItWould)
{
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signal);
        int ends = 0;
        const EndSignals watch([&ends] { ++ends; });
        EXPECT_EQ(watch.received(), 0);
        std::raise(signal);
        std::raise(SIGTERM); // a second request changes nothing
        EXPECT_TRUE(QTest::qWaitFor([&ends] { return ends > 0; }, 2000));
        QCoreApplication::processEvents();
        EXPECT_EQ(ends, 1);
        EXPECT_EQ(watch.received(), signal);
        EXPECT_EXIT(watch.finish(), testing::KilledBySignal(signal), "");
    }
}

TEST(EndSignals, WithoutASignalFinishingReturns)
{
    const EndSignals watch([] { FAIL() << "no signal came"; });
    watch.finish();
    EXPECT_EQ(watch.received(), 0);
}
