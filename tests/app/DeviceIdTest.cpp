#include "app/PlatformShims.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

// The machine id must not leave the machine: what is sent is derived from it, is the same at
// every run and differs from one machine to the next.
TEST(DeviceIdTest, TheSentIdentifierIsAStableKeyedHashOfTheMachineId) {
    const QByteArray machine = QByteArrayLiteral("4c4c4544003610488032b4c04f473232");
    const QString sent = app::appSpecificDeviceId(machine);
    EXPECT_EQ(sent, app::appSpecificDeviceId(machine));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(sent).hasMatch()) << sent.toStdString();
    EXPECT_NE(sent, QString::fromLatin1(machine));
    EXPECT_FALSE(sent.contains(QString::fromLatin1(machine.left(8))));
    EXPECT_NE(sent, app::appSpecificDeviceId(QByteArrayLiteral("4c4c4544003610488032b4c04f473233")));
}
