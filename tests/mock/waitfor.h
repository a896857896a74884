#pragma once
// Waiting for what the event loop brings about, as GoogleTest assertions. QtTest's QTRY_ macros
// report to QtTest only: inside a GoogleTest test their timeout would pass unnoticed.
#include <gtest/gtest.h>

#include <QTest>

#define WAIT_UNTIL(condition)                                                                                          \
    ASSERT_TRUE(QTest::qWaitFor([&] { return bool(condition); })) << "never became true: " #condition

#define WAIT_UNTIL_EQ(actual, expected)                                                                                \
    do {                                                                                                               \
        QTest::qWaitFor([&] { return (actual) == (expected); });                                                       \
        ASSERT_EQ(actual, expected);                                                                                   \
    } while (false)
