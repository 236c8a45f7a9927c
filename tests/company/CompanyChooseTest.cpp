#include "CompanyListFixture.h"
#include "company/CompanyChooseViewController.h"
#include "ui/Navigator.h"

#include <QPushButton>

using testsupport::CompanyListTest;

class CompanyChooseTest : public CompanyListTest {
protected:
    company::CompanyChooseViewController& chooser() {
        return *app().cachedScreen<company::CompanyChooseViewController>();
    }
};

TEST_F(CompanyChooseTest, TheListOpensTheChooserForItsExchange) {
    addCompany(kHNX, QStringLiteral("3"), QStringLiteral("SHB"));
    addCompany(kHNX, QStringLiteral("4"), QStringLiteral("ACB"));
    addCompany(kHoSE, QStringLiteral("5"), QStringLiteral("VNM"));
    open(kHNX, kToday, true);
    list().chooseButton()->click();
    EXPECT_EQ(navigator().topController(), &chooser());
    EXPECT_EQ(chooser().marketStockId(), kHNX);
    EXPECT_EQ(chooser().companyCodeList(), (QStringList{QStringLiteral("ACB"), QStringLiteral("SHB")}));
    ASSERT_EQ(chooser().rows().rowCount(), 3);
    EXPECT_EQ(chooser().rows().textAt(0),
              QStringLiteral("Mã chứng khoán") + QString(73, u' ') + QStringLiteral("Hiển thị"));
    EXPECT_EQ(chooser().rows().textAt(1), QStringLiteral("ACB"));
    chooser().goBack();
    EXPECT_EQ(navigator().topController(), &list());
}

TEST_F(CompanyChooseTest, ACodeRowTogglesItsTickAndTheHeadingDoesNothing) {
    addCompany(kHoSE, QStringLiteral("5"), QStringLiteral("VNM"));
    addCompany(kHoSE, QStringLiteral("6"), QStringLiteral("FPT"));
    app().db()->updateVisibleAttr(QStringLiteral("VNM"), QStringLiteral("0"));
    app().db()->updateVisibleAttr(QStringLiteral("FPT"), QStringLiteral("1"));
    chooser().setMarketStockId(kHoSE);
    navigator().push(&chooser(), false);
    EXPECT_TRUE(chooser().rows().isChecked(1));
    EXPECT_FALSE(chooser().rows().isChecked(2));

    chooser().selectRow(0);
    EXPECT_EQ(chooser().companyVisibleAttrList(), (QStringList{QStringLiteral("1"), QStringLiteral("0")}));
    chooser().selectRow(1);
    EXPECT_FALSE(chooser().rows().isChecked(1));
    chooser().selectRow(2);
    EXPECT_TRUE(chooser().rows().isChecked(2));
    EXPECT_EQ(app().db()->getAllCompanyVisibleAttrList(kHoSE), (QStringList{QStringLiteral("0"), QStringLiteral("1")}));
}

TEST_F(CompanyChooseTest, AnExchangeWithoutCompaniesShowsOnlyTheHeading) {
    chooser().setMarketStockId(kHNX);
    navigator().push(&chooser(), false);
    EXPECT_EQ(chooser().rows().rowCount(), 1);
    chooser().selectRow(1);
    EXPECT_TRUE(chooser().companyVisibleAttrList().isEmpty());
}
