#include "net/NetworkActivity.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

TEST(NetworkActivity, SignalsOnlyOnFirstBeginAndLastEnd) {
    net::NetworkActivity activity;
    QSignalSpy spy(&activity, &net::NetworkActivity::activeChanged);
    EXPECT_FALSE(activity.isActive());

    activity.begin();
    activity.begin();
    EXPECT_TRUE(activity.isActive());
    EXPECT_EQ(activity.outstanding(), 2);
    activity.end();
    EXPECT_TRUE(activity.isActive());
    activity.end();
    EXPECT_FALSE(activity.isActive());

    ASSERT_EQ(spy.count(), 2);
    EXPECT_TRUE(spy.at(0).at(0).toBool());
    EXPECT_FALSE(spy.at(1).at(0).toBool());
}

} // namespace
