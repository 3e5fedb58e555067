#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SingleInstance, SecondStartReachesTheFirstAndOtherFoldersDoNot)
{
    QTemporaryDir a, b;
    SingleInstance first(a.path() + QLatin1Char('/'));
    EXPECT_FALSE(first.notifyRunning());
    ASSERT_TRUE(first.listen());
    int activations = 0;
    QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++activations; });

    SingleInstance second(a.path() + QLatin1Char('/'));
    EXPECT_TRUE(second.notifyRunning());
    QElapsedTimer t;
    t.start();
    while (activations == 0 && t.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(activations, 1);

    SingleInstance elsewhere(b.path() + QLatin1Char('/'));
    EXPECT_FALSE(elsewhere.notifyRunning());
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
