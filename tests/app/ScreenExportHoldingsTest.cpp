#include "FakeSaveLocationChooser.h"
#include "app/ScreenExport.h"
#include "portfolio/PortfolioFixture.h"
#include "portfolio/PortfolioScreens.h"
#include "ui/Navigator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {

QString writtenText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    return QString::fromUtf8(bytes.mid(3));
}

/// One category with two holdings, AAA quoted today and BBB never, shown on each of the five
/// holdings screens.
class HoldingsExportTest : public testsupport::PortfolioTest {
protected:
    void SetUp() override {
        PortfolioTest::SetUp();
        ASSERT_TRUE(m_out.isValid());
        m_export =
            std::make_unique<app::ScreenExport>(navigator(), alerts(), m_chooser, [] { return QDate(2024, 3, 5); });
        addCompany(QStringLiteral("6"), QStringLiteral("AAA"));
        addCompany(QStringLiteral("7"), QStringLiteral("BBB"));
        addCategory(QStringLiteral("1"), QStringLiteral("Dài hạn"));
        addHolding(QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("6"), QStringLiteral("20"));
        addHolding(QStringLiteral("1"), QStringLiteral("11"), QStringLiteral("7"), QStringLiteral("30"));
        storeQuote(kToday, QStringLiteral("6"), QStringLiteral("21"));
    }

    /// The CSV text saved from holdings screen `number`.
    QString exportScreen(int number) {
        portfolio::PortfolioScreen& screen = *portfolio::holdingsScreen(app(), number);
        screen.setCategory(QStringLiteral("1"), QStringLiteral("Dài hạn"));
        navigator().push(&screen, false);
        m_chooser.answer = QDir(m_out.path()).filePath(QStringLiteral("man-hinh-%1.csv").arg(number));
        m_export->exportTable();
        return writtenText(m_chooser.answer);
    }

    testsupport::FakeSaveLocationChooser m_chooser;
    std::unique_ptr<app::ScreenExport> m_export;
    QTemporaryDir m_out;
};

} // namespace

TEST_F(HoldingsExportTest, EachScreenSavesItsOwnColumnsAsTheRowsShowThem) {
    EXPECT_EQ(exportScreen(1), QStringLiteral("Mã,Giá,+/-,%,KL\r\n"
                                              "AAA,21,0.5,2.1,\"12,000\"\r\n"
                                              "BBB,-,-,-,-\r\n"));
    EXPECT_EQ(m_chooser.lastSuggestedName, QStringLiteral("corvastel-portfolio-data-2024-03-05.csv"));
    EXPECT_EQ(exportScreen(2), QStringLiteral("Mã,Giá mua,Trên,Dưới,KL\r\n"
                                              "AAA,20,2,1,\"1,000\"\r\n"
                                              "BBB,30,2,1,\"1,000\"\r\n"));
    EXPECT_EQ(exportScreen(3), QStringLiteral("Mã,Giá,Chênh,%,Giá mua\r\n"
                                              "AAA,21,1,+5,20\r\n"
                                              "BBB,-,-,-,30\r\n"));
    EXPECT_EQ(exportScreen(4), QStringLiteral("Mã,KL,Chênh,%,Lãi/Lỗ\r\n"
                                              "AAA,\"1,000\",1,+5,\"1,000\"\r\n"
                                              "BBB,\"1,000\",-,-,-\r\n"));
    EXPECT_EQ(m_chooser.lastSuggestedName, QStringLiteral("corvastel-portfolio-screen4-2024-03-05.csv"));
    EXPECT_EQ(exportScreen(5), QStringLiteral("Mã,Giá,Chênh,%,Cảnh báo\r\n"
                                              "AAA,21,1,+5,\r\n"
                                              "BBB,-,-,-,-\r\n"));
    EXPECT_EQ(alerts().currentMessage(),
              QStringLiteral("Đã lưu 2 dòng vào %1.").arg(QDir::toNativeSeparators(m_chooser.answer)));
}

// The rows saved are the day on show, not today's.
TEST_F(HoldingsExportTest, TheDayPagedToIsTheOneSaved) {
    storeQuote(kToday - 1, QStringLiteral("6"), QStringLiteral("19"));
    portfolio::PortfolioScreen& screen = *portfolio::holdingsScreen(app(), 3);
    screen.setCategory(QStringLiteral("1"), QStringLiteral("Dài hạn"));
    navigator().push(&screen, false);
    screen.goNext();
    ASSERT_EQ(screen.infoDay(), kToday - 1);
    m_chooser.answer = QDir(m_out.path()).filePath(QStringLiteral("hom-truoc.csv"));
    m_export->exportTable();
    EXPECT_TRUE(writtenText(m_chooser.answer).contains(QStringLiteral("AAA,19,-1,-5,20\r\n")));
}
