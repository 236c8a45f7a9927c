#include "CompanyStories.h"

#include "CivilDate.h"
#include "FinanceStatements.h"
#include "MarketView.h"
#include "NewsWords.h"
#include "Noise.h"

#include <algorithm>
#include <cmath>

namespace sim {

namespace {

constexpr std::uint64_t kStream = 800;
constexpr int kBankLayout = 2;
constexpr int kFundLayout = 3;
// Par value of a share, in dong: dividends are stated as a percentage of it.
constexpr double kParValue = 10000.0;
constexpr double kMillion = 1e6;
// A move smaller than this over two weeks is nothing the exchange asks a company to explain.
constexpr double kNotablePriceMove = 8.0;
constexpr int kExplanationWindow = 14;

std::string text(int value) {
    return std::to_string(value);
}

std::string dateInWords(int day) {
    const CivilDate date = CivilDate::fromDay(day);
    return "ngày " + text(date.dayOfMonth) + " tháng " + text(date.month) + " năm " + text(date.year);
}

std::string profitText(double millions) {
    return (millions >= 0.0 ? "lãi sau thuế " : "lỗ sau thuế ") + NewsWords::billionsOfMillions(std::abs(millions)) +
           " tỷ đồng";
}

} // namespace

CompanyStories::CompanyStories(const Noise& noise, const MarketView& market)
    : m_noise(noise)
    , m_market(market) {}

double CompanyStories::draw(const CompanyEvent& event, const Company& company, double low, double high) const {
    const auto stream = kStream + static_cast<std::uint64_t>(event.kind);
    return low + (high - low) * m_noise.unit(stream, company.id, event.period);
}

std::optional<NewsStory> CompanyStories::write(const Company& company, const FinanceStatements& statements,
                                               const CompanyEvent& event) const {
    switch (event.kind) {
    case CompanyEventKind::Results:
        return results(company, statements, event.period);
    case CompanyEventKind::Agm:
        return meeting(company, event);
    case CompanyEventKind::Dividend:
        return dividend(company, statements, event);
    case CompanyEventKind::ExtraListing:
        return extraListing(company, statements, event);
    case CompanyEventKind::Management:
        return appointment(company, event);
    case CompanyEventKind::HolderTrade:
        return holderTrade(company, statements, event);
    case CompanyEventKind::PriceExplanation:
        return priceExplanation(company, event);
    case CompanyEventKind::Contract:
        return contract(company, statements, event);
    }
    return std::nullopt;
}

NewsStory CompanyStories::results(const Company& company, const FinanceStatements& statements, int quarterIndex) const {
    const StatementPeriod period = statements.quarter(quarterIndex);
    const auto& figures = period.figures;
    const std::string when = "quý " + text(period.quarter) + " năm " + text(period.year);
    if (company.layoutId == kFundLayout) {
        return NewsStory::of(company.name + " công bố giá trị tài sản ròng " + when,
                             {"Giá trị tài sản ròng của quỹ " + company.code + " cuối " + when + " đạt " +
                                  NewsWords::billionsOfMillions(figures[2]) + " tỷ đồng.",
                              "Trong kỳ giá trị tài sản ròng " + NewsWords::move(figures[0] / 1e3, 1, "tỷ đồng") + ".",
                              "Giá trị mỗi đơn vị quỹ là " + NewsWords::number(figures[3], 0) + " đồng."});
    }
    const bool bank = company.layoutId == kBankLayout;
    std::vector<std::string> lines{
        "Trong " + when + (bank ? " ngân hàng đạt tổng thu nhập hoạt động " : " công ty đạt doanh thu thuần ") +
        NewsWords::billionsOfMillions(figures[2]) + " tỷ đồng và " + profitText(figures[3]) + "."};
    const double before = statements.quarter(quarterIndex - 4).figures[3];
    if (figures[3] > 0.0 && before > 0.0) {
        lines.push_back("Lợi nhuận sau thuế " + NewsWords::move((figures[3] / before - 1.0) * 100.0, 1, "phần trăm") +
                        " so với cùng kỳ năm trước.");
    } else if (figures[3] < 0.0) {
        lines.emplace_back("Doanh nghiệp chưa thoát khỏi tình trạng thua lỗ.");
    }
    if (bank) {
        lines.push_back("Tổng tài sản của ngân hàng đạt " + NewsWords::billionsOfMillions(figures[0]) + " tỷ đồng.");
    }
    lines.push_back("Cổ phiếu " + company.code + " được nhiều nhà đầu tư quan tâm sau thông tin này.");
    return NewsStory::of(company.name + " công bố báo cáo tài chính " + when, lines);
}

NewsStory CompanyStories::meeting(const Company& company, const CompanyEvent& event) const {
    const std::string year = text(event.period);
    if (company.layoutId == kFundLayout) {
        return NewsStory::of(
            company.name + " tổ chức đại hội nhà đầu tư thường niên năm " + year,
            {"Đại hội thông qua báo cáo hoạt động năm " + text(event.period - 1) + " của quỹ " + company.code + ".",
             "Công ty quản lý quỹ giữ nguyên mức phí quản lý."});
    }
    const double target = std::round(draw(event, company, 5.0, 25.0));
    return NewsStory::of(company.name + " tổ chức đại hội đồng cổ đông thường niên năm " + year,
                         {"Đại hội thông qua kế hoạch kinh doanh năm " + year + " với mục tiêu lợi nhuận tăng " +
                              NewsWords::number(target, 0) + " phần trăm.",
                          "Cổ đông sở hữu cổ phiếu " + company.code + " tại ngày chốt danh sách được quyền tham dự."});
}

std::optional<NewsStory> CompanyStories::dividend(const Company& company, const FinanceStatements& statements,
                                                  const CompanyEvent& event) const {
    const int year = event.period - 1;
    const double earnings = statements.year(year).figures[3] * kMillion / statements.shares();
    // A share of the year's earnings per share, in whole percent of par; too little is not paid.
    const double percent = std::min(40.0, std::round(earnings * draw(event, company, 0.3, 0.6) / kParValue * 100.0));
    if (percent < 3.0) {
        return std::nullopt;
    }
    return NewsStory::of(
        company.name + " chốt quyền trả cổ tức năm " + text(year) + " bằng tiền",
        {"Công ty thông báo ngày đăng ký cuối cùng để trả cổ tức năm " + text(year) + " bằng tiền mặt.",
         "Tỷ lệ thực hiện là " + NewsWords::number(percent, 0) + " phần trăm mệnh giá tương ứng " +
             NewsWords::number(percent * kParValue / 100.0, 0) + " đồng cho mỗi cổ phiếu " + company.code + "."});
}

NewsStory CompanyStories::extraListing(const Company& company, const FinanceStatements& statements,
                                       const CompanyEvent& event) const {
    const double thousands = std::round(statements.shares() * draw(event, company, 0.05, 0.15) / 1e3);
    const CivilDate firstTrade = CivilDate::fromDay(event.day + 31);
    return NewsStory::of(company.name + " được chấp thuận niêm yết bổ sung " + NewsWords::number(thousands, 0) +
                             " nghìn cổ phiếu",
                         {"Số cổ phiếu " + company.code +
                              " niêm yết bổ sung được phát hành để trả cổ tức bằng cổ phiếu cho cổ đông hiện hữu.",
                          "Ngày giao dịch đầu tiên của số cổ phiếu này dự kiến vào tháng " + text(firstTrade.month) +
                              " năm " + text(firstTrade.year) + "."});
}

NewsStory CompanyStories::appointment(const Company& company, const CompanyEvent& event) const {
    return NewsStory::of(company.name + " bổ nhiệm tổng giám đốc mới",
                         {"Hội đồng quản trị doanh nghiệp mã " + company.code + " vừa bổ nhiệm tổng giám đốc mới.",
                          "Quyết định có hiệu lực từ " + dateInWords(event.day + 1) + "."});
}

NewsStory CompanyStories::holderTrade(const Company& company, const FinanceStatements& statements,
                                      const CompanyEvent& event) const {
    const std::string side = draw(event, company, 0.0, 1.0) < 0.5 ? "mua" : "bán";
    const double thousands =
        std::max(1.0, std::round(statements.shares() *
                                 (0.002 + 0.018 * m_noise.unit(kStream + 20U, company.id, event.period)) / 1e3));
    const std::string amount = NewsWords::number(thousands, 0) + " nghìn cổ phiếu";
    return NewsStory::of("Cổ đông lớn đăng ký " + side + " " + amount + " của " + company.name,
                         {"Một cổ đông lớn vừa đăng ký " + side + " " + amount + " " + company.code + ".",
                          "Giao dịch dự kiến được thực hiện từ ngày " + NewsWords::date(event.day + 3) + " đến ngày " +
                              NewsWords::date(event.day + 32) + " theo phương thức khớp lệnh và thỏa thuận."});
}

std::optional<NewsStory> CompanyStories::priceExplanation(const Company& company, const CompanyEvent& event) const {
    // Closes of the sessions before the day and two weeks earlier.
    const double now = m_market.priceAt(company.id, SimTime{event.day, 0, 0});
    const double before = m_market.priceAt(company.id, SimTime{event.day - kExplanationWindow, 0, 0});
    if (before <= 0.0) {
        return std::nullopt;
    }
    const double percent = (now / before - 1.0) * 100.0;
    if (std::abs(percent) < kNotablePriceMove) {
        return std::nullopt;
    }
    return NewsStory::of(company.name + " giải trình biến động giá cổ phiếu",
                         {"Công ty vừa gửi văn bản giải trình việc giá cổ phiếu " + company.code + " " +
                              NewsWords::move(percent, 1, "phần trăm") + " trong hai tuần qua.",
                          "Ban lãnh đạo khẳng định hoạt động sản xuất kinh doanh vẫn diễn ra bình thường."});
}

NewsStory CompanyStories::contract(const Company& company, const FinanceStatements& statements,
                                   const CompanyEvent& event) const {
    const double revenue = statements.quarter(FinanceStatements::latestQuarterIndex(event.day)).figures[2];
    const double value = revenue * draw(event, company, 0.1, 0.4);
    const CivilDate date = CivilDate::fromDay(event.day);
    return NewsStory::of(company.name + " ký hợp đồng mới trị giá " + NewsWords::billionsOfMillions(value) + " tỷ đồng",
                         {"Hợp đồng cung cấp sản phẩm và dịch vụ được ký kết trong tháng " + text(date.month) + ".",
                          "Hợp đồng dự kiến đóng góp vào doanh thu năm " + text(date.year) + " của doanh nghiệp mã " +
                              company.code + "."});
}

} // namespace sim
