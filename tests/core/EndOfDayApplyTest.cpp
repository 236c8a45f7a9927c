#include "core/EndOfDayApply.h"

#include "store/myDb.h"
#include "support/TempDir.h"

using testsupport::TempDirTest;

namespace {

QStringList quote(int id, int day, const QString& price) {
    return {QString::number(id),
            QStringLiteral("2"),
            QStringLiteral("150"),
            QString::number(day),
            price,
            QStringLiteral("0.5"),
            QStringLiteral("2.1"),
            QStringLiteral("1000"),
            QStringLiteral("24.5"),
            QStringLiteral("24.6"),
            price,
            QStringLiteral("11"),
            QStringLiteral("12"),
            QStringLiteral("26.2"),
            QStringLiteral("22.8"),
            QStringLiteral("sell"),
            QStringLiteral("buy")};
}

QStringList indexDay(int stockId, int day) {
    return {QString::number(stockId), QStringLiteral("1"),    QStringLiteral("0.1"),
            QStringLiteral("150"),    QStringLiteral("1000"), QStringLiteral("999"),
            QStringLiteral("5000"),   QStringLiteral("100"),  QString::number(day)};
}

class EndOfDayApplyTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        m_db = std::make_unique<myDb>(path());
        m_db->initDb();
        m_records.stamp = QStringLiteral("9001");
        for (int id = 1; id <= 250; ++id) {
            m_records.companies.push_back({QString::number(id), QStringLiteral("2"), QStringLiteral("C%1").arg(id),
                                           QStringLiteral("Công ty %1").arg(id)});
        }
        for (int day : {9000, 9001}) {
            m_records.indexDays.push_back(indexDay(1, day));
            m_records.indexDays.push_back(indexDay(2, day));
            for (int id = 1; id <= 250; ++id) {
                m_records.quotes.push_back(quote(id, day, QStringLiteral("%1").arg(day - 8975)));
            }
        }
    }

    std::unique_ptr<myDb> m_db;
    core::EndOfDayRecords m_records;
};

} // namespace

TEST_F(EndOfDayApplyTest, OneStepStoresOnlyItsDayAndLeavesNoTransactionOpen) {
    core::applyEndOfDayDay(*m_db, m_records, 9000, true, 2);
    EXPECT_EQ(m_db->getLastDayUpdate(), 9000);
    EXPECT_EQ(m_db->getAllCompanyCodeList(2).size(), 250);
    EXPECT_EQ(m_db->getCompanydata(2).size(), 250);
    EXPECT_EQ(m_db->getCompanydata(2).constFirst(), QStringLiteral("C1,1,9000,25,0.5,2.1,1000,150"));
    EXPECT_FALSE(m_db->isOpen()) << "the last commit closed the connection";
    m_db->open();
    EXPECT_TRUE(m_db->beginTransactionWithDatabase()) << "no transaction was left open";
}

TEST_F(EndOfDayApplyTest, QuoteResiduesLandInTheirOwnColumns) {
    core::applyEndOfDayDay(*m_db, m_records, 9001, true, 2);
    const QStringList detail = m_db->getCompanyDetailData(QStringLiteral("C1"), 9001);
    ASSERT_EQ(detail.size(), 18);
    EXPECT_EQ(detail.at(16), QStringLiteral("buy"));
    EXPECT_EQ(detail.at(17), QStringLiteral("sell"));
}

TEST_F(EndOfDayApplyTest, ResultsLoadsStoreOnlyTheirPart) {
    core::applyEndOfDayDay(*m_db, m_records, 9001, true, 8);
    EXPECT_EQ(m_db->getLastDayUpdate(), 9001);
    EXPECT_TRUE(m_db->getCompanydata(2).isEmpty()) << "the market results load stores no quotes";

    core::applyEndOfDayDay(*m_db, m_records, 9000, false, 9);
    EXPECT_EQ(m_db->getPreDayStockInfo(9001), 0) << "the company results load stores no index day";
    EXPECT_EQ(m_db->getCompanydata(2).size(), 250);
}
