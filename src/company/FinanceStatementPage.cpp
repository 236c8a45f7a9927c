#include "company/FinanceStatementPage.h"

#include "core/CalendarHelpers.h"
#include "net/LenientNumbers.h"

#include <QStringList>

namespace company {

namespace {

constexpr int kWholeYear = 5;
const QString kMissing = QStringLiteral(" - ");

struct LayoutRows {
    const char* heading;
    std::array<const char*, 4> figures;
};

// The rows of each layout, as formats of the left then the right period's text.
const LayoutRows kOrdinaryRows{
    R"(<tr bgcolor="#696969"><td height="30" ><b>Chỉ tiêu</b></td><td align="right"><b>%1</b></td><td align="right"><b>%2</b></td><td></td></tr>)",
    {R"(<tr><td height="30" >TTS(Tr.)</td><td align="right">%1</td><td align="right">%2</td><td></td></tr>)",
     R"(<tr><td height="18" >VCSH(Tr.)</td><td align="right">%1</td><td align="right">%2</td><td></td></tr>)",
     R"(<tr><td height="18" >DTT(Tr.)</td><td align="right">%1</td><td align="right">%2</td><td></td></tr>)",
     R"(<tr><td height="18" >LNST(Tr.)</td><td align="right">%1</td><td align="right">%2</td><td></td></tr>)"}};

const LayoutRows kBankRows{
    R"(<tr><td  height="30" ><b>Chỉ tiêu</b></td><td align="right"><b>%1</b></td><td align="right"><b>%2</b></td><td></td></tr>)",
    {R"(<tr><td  height="18" >TTS(Tr.)</td><td align="right">%1</td><td align="right">%2</td><td></td></tr>)",
     R"(<tr><td  height="18" >Vốn và các quỹ(Tr.)</td><td align="right">%1</td><td align="right">%2</td><td></td></tr>)",
     R"(<tr><td  height="18" >Tổng thu nhập(Tr.)</td><td align="right">%1</td><td align="right">%2</td><td></td></tr>)",
     R"(<tr><td  height="18" >LNST(Tr.)</td><td align="right">%1</td><td align="right">%2</td><td></td></tr>)"}};

const LayoutRows kFundRows{
    R"(<tr><td height="30" ><b>Chỉ tiêu</b></td><td align="right"><b>%1</b></td><td align="right"><b>%2</b></td></tr>)",
    {R"(<tr><td height="18" >LN trong kỳ (Tr.)</td><td align="right">%1</td><td align="right">%2</td></tr>)",
     R"(<tr><td height="18" >Giá trị TS ròng đầu kỳ (Tr.)</td><td align="right">%1</td><td align="right">%2</td></tr>)",
     R"(<tr><td height="18" >Giá trị TS ròng cuối kỳ (tr.)</td><td align="right">%1</td><td align="right">%2</td></tr>)",
     R"(<tr><td height="18" >Giá trị của 1 đơn vị quỹ (Tr.)</td><td align="right">%1</td><td align="right">%2</td></tr>)"}};

const LayoutRows* rowsOf(StatementLayout layout) {
    switch (layout) {
    case StatementLayout::Ordinary:
        return &kOrdinaryRows;
    case StatementLayout::Bank:
        return &kBankRows;
    case StatementLayout::Fund:
        return &kFundRows;
    case StatementLayout::None:
        break;
    }
    return nullptr;
}

// The table's opening. The page as first written said width="95%%" and "100%%"; a browser reads
// those as 95% and 100%, while Qt's rich text drops them and shrinks the table to its text, so
// the widths are written as a browser reads them.
const QString kPageStart = QStringLiteral(
    R"(<html><head><style type="text/css">table {font-size: 100%;border-collapse:collapse;}</style></head>)"
    R"(<body style="background-color:black;color:white;"><table width="95%" border="1"><tr><td>)"
    R"(<table width="100%" cellspacing="0" cellpadding="0" border="0">)");
const QString kPageEnd = QStringLiteral("</table></td></tr></table></body></html>");

QString figureText(const QString& stored) {
    return core::getDecimalString(net::leadingDouble(stored));
}

// The left column's heading: a quarter only when it is one (1 to 4), a year otherwise.
QString leftHeading(const std::optional<StatementPeriod>& left) {
    if (!left) {
        return QStringLiteral("Năm %1").arg(kMissing);
    }
    const int quarter = net::leadingInt(left->quarter);
    return quarter != kWholeYear && quarter != 0 ? QStringLiteral("Quý %1/%2").arg(left->quarter, left->year)
                                                 : QStringLiteral("Năm %1").arg(left->year);
}

QString row(const char* format, const QString& left, const QString& right) {
    return QString::fromUtf8(format).arg(left.toHtmlEscaped(), right.toHtmlEscaped());
}

} // namespace

StatementPeriod StatementPeriod::fromRow(const QString& row) {
    const QStringList fields = row.split(QLatin1Char(','));
    StatementPeriod period;
    period.quarter = fields.value(1);
    period.year = fields.value(2);
    for (std::size_t i = 0; i < period.figures.size(); ++i) {
        period.figures.at(i) = fields.value(3 + static_cast<qsizetype>(i));
    }
    period.layoutId = fields.value(7);
    return period;
}

QString StatementPeriod::heading() const {
    return net::leadingInt(quarter) == kWholeYear ? QStringLiteral("Năm %1").arg(year)
                                                  : QStringLiteral("Quý %1/%2").arg(quarter, year);
}

StatementLayout statementLayoutOf(int layoutId) {
    switch (layoutId) {
    case 0:
    case 1:
    case 4:
        return StatementLayout::Ordinary;
    case 2:
        return StatementLayout::Bank;
    case 3:
        return StatementLayout::Fund;
    default:
        return StatementLayout::None;
    }
}

int layoutIdOf(const StatementPeriod& right, const std::optional<StatementPeriod>& left) {
    return net::leadingInt(left ? left->layoutId : right.layoutId);
}

QString emptyStatementPage() {
    return QStringLiteral(R"(<html><head><style type="text/css">table {font-size: 100%;}</style></head>)"
                          R"(<body style="background-color:black;"></body></html>)");
}

QString statementPage(StatementLayout layout, const StatementPeriod& right,
                      const std::optional<StatementPeriod>& left) {
    QString page = kPageStart;
    if (const LayoutRows* rows = rowsOf(layout)) {
        page += row(rows->heading, leftHeading(left), right.heading());
        for (std::size_t i = 0; i < rows->figures.size(); ++i) {
            const QString leftFigure = left ? figureText(left->figures.at(i)) : kMissing;
            page += row(rows->figures.at(i), leftFigure, figureText(right.figures.at(i)));
        }
    }
    page += kPageEnd;
    return page;
}

} // namespace company
