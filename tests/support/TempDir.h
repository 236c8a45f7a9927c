#pragma once

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace testsupport {

/// A fresh temporary folder for one test; removed with the fixture.
class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

} // namespace testsupport
