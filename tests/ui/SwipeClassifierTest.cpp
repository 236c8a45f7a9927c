#include "ui/SwipeClassifier.h"

#include <gtest/gtest.h>

using ui::SwipeClassifier;
using Swipe = SwipeClassifier::Swipe;

TEST(SwipeClassifier, WideLeftMoveIsOneSwipePerTouch) {
    SwipeClassifier swipe;
    swipe.began({300, 100});
    EXPECT_EQ(swipe.moved({285, 98}), Swipe::None) << "15 points is not yet a swipe";
    EXPECT_EQ(swipe.moved({270, 95}), Swipe::Left);
    EXPECT_EQ(swipe.moved({200, 95}), Swipe::None) << "the same touch does not swipe again";
    swipe.ended();
    swipe.began({300, 100});
    EXPECT_EQ(swipe.moved({260, 100}), Swipe::Left);
}

TEST(SwipeClassifier, RightMoveIsReportedAsRight) {
    SwipeClassifier swipe;
    swipe.began({100, 100});
    EXPECT_EQ(swipe.moved({140, 104}), Swipe::Right);
}

TEST(SwipeClassifier, SteepMoveIsAVerticalScrollNotASwipe) {
    SwipeClassifier swipe;
    swipe.began({300, 100});
    EXPECT_EQ(swipe.moved({295, 160}), Swipe::None);
    EXPECT_TRUE(swipe.isProcessingListMove());
    EXPECT_EQ(swipe.moved({200, 160}), Swipe::None) << "a touch once vertical stays vertical";
}

TEST(SwipeClassifier, DiagonalMoveIsNeither) {
    SwipeClassifier swipe;
    swipe.began({300, 100});
    EXPECT_EQ(swipe.moved({260, 75}), Swipe::None);
    EXPECT_FALSE(swipe.isProcessingListMove());
}

TEST(SwipeClassifier, TouchWithoutMovementDividesByNothing) {
    SwipeClassifier swipe;
    swipe.began({300, 100});
    EXPECT_EQ(swipe.moved({300, 100}), Swipe::None);
    swipe.cancelled({300, 100});
    EXPECT_FALSE(swipe.isProcessingListMove());
    swipe.cancelled({280, 100});
    EXPECT_TRUE(swipe.isProcessingListMove());
}
