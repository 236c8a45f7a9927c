#include "app/ScreenExport.h"

#include "FakeSaveLocationChooser.h"
#include "company/CompanyListFixture.h"
#include "company/CompanyListSource.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray csvOf(const QString& text) {
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

/// The company list of HoSE with two quoted companies, and the export of the window's screens
/// into a fresh folder, on 5 March 2024.
class CompanyListExportTest : public testsupport::CompanyListTest {
protected:
    void SetUp() override {
        CompanyListTest::SetUp();
        ASSERT_TRUE(m_out.isValid());
        m_export =
            std::make_unique<app::ScreenExport>(navigator(), alerts(), m_chooser, [] { return QDate(2024, 3, 5); });
        addCompany(kHoSE, QStringLiteral("1"), QStringLiteral("ACB"));
        addCompany(kHoSE, QStringLiteral("2"), QStringLiteral("VNM"));
        storeQuote(kHoSE, kToday, "1", "25.5", "-0.5", "-1.9");
        storeQuote(kHoSE, kToday, "2", "80", "1", "1.2");
    }

    QString outPath(const QString& name) const { return QDir(m_out.path()).filePath(name); }
    bool outIsEmpty() const { return QDir(m_out.path()).isEmpty(); }

    testsupport::FakeSaveLocationChooser m_chooser;
    std::unique_ptr<app::ScreenExport> m_export;
    QTemporaryDir m_out;
};

} // namespace

TEST_F(CompanyListExportTest, TheListIsSavedAsItsRowsShowUnderTheHeadings) {
    company::CompanyInfoViewController& screen = open(kHoSE, kToday, true);
    ASSERT_EQ(screen.source().rowCount(), 2);
    m_chooser.answer = outPath(QStringLiteral("danh-sach.csv"));
    m_export->exportTable();

    EXPECT_EQ(m_chooser.asked, 1);
    EXPECT_EQ(m_chooser.lastTitle, QStringLiteral("Xuất bảng ra tệp CSV"));
    EXPECT_EQ(m_chooser.lastSuggestedName, QStringLiteral("corvastel-company-info-2024-03-05.csv"));
    EXPECT_EQ(m_chooser.lastFilters, QStringList{QStringLiteral("Bảng tính CSV (*.csv)")});
    QString expected = QStringLiteral("Mã,Giá,+/-,%,KL\r\n");
    for (const company::CompanyListRow& row : screen.source().rows()) {
        expected += QStringList{row.code, row.priceText, row.changeText, row.percentText,
                                QLatin1Char('"') + row.volumeText + QLatin1Char('"')}
                        .join(u',') +
                    QStringLiteral("\r\n");
    }
    const QByteArray written = contentsOf(m_chooser.answer);
    EXPECT_EQ(written, csvOf(expected));
    EXPECT_TRUE(written.contains("ACB,25.5,-0.5,-1.9,\"12,000\"\r\n")) << written.toStdString();
    EXPECT_EQ(alerts().currentMessage(),
              QStringLiteral("Đã lưu 2 dòng vào %1.").arg(QDir::toNativeSeparators(m_chooser.answer)));
}

TEST_F(CompanyListExportTest, ACancelWritesNothingAndSaysNothing) {
    open(kHoSE, kToday, true);
    m_export->exportTable();
    EXPECT_EQ(m_chooser.asked, 1);
    EXPECT_TRUE(outIsEmpty());
    EXPECT_FALSE(alerts().isShowing());
}

TEST_F(CompanyListExportTest, AFileThatCannotBeWrittenIsToldWithItsPath) {
    open(kHoSE, kToday, true);
    m_chooser.answer = outPath(QStringLiteral("khong-co/danh-sach.csv"));
    m_export->exportTable();
    EXPECT_EQ(alerts().currentMessage(),
              QStringLiteral("Không ghi được tệp %1.").arg(QDir::toNativeSeparators(m_chooser.answer)));
    EXPECT_TRUE(outIsEmpty());
}

TEST_F(CompanyListExportTest, AScreenWithoutATableOrAChartSaysSoWithoutAsking) {
    ASSERT_NE(navigator().topController(), nullptr);
    m_export->exportTable();
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Màn hình này không có bảng để xuất."));
    alerts().press(0);
    open(kHoSE, kToday, true);
    m_export->exportChart();
    EXPECT_EQ(alerts().currentMessage(), QStringLiteral("Màn hình này không có biểu đồ để xuất."));
    EXPECT_EQ(m_chooser.asked, 0);
}
