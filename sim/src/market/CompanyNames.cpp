#include "market/CompanyNames.h"

#include <array>
#include <string_view>

namespace sim::market {

namespace {

constexpr std::array<std::string_view, kOrdinarySectors> kSectors{
    "Xây dựng",      "Đầu tư Phát triển", "Thép",        "Nhựa",
    "Dược phẩm",     "Thủy sản",          "Cao su",      "Điện lực",
    "Vận tải Biển",  "Bất động sản",      "Khoáng sản",  "Xi măng",
    "Dệt may",       "Thực phẩm",         "Bia Rượu",    "Giấy",
    "Cơ khí",        "Hóa chất",          "Phân bón",    "Cảng",
    "Du lịch",       "Công nghệ",         "Viễn thông",  "Bảo hiểm",
    "Chứng khoán",   "Nông nghiệp",       "Chế biến Gỗ", "Vật liệu Xây dựng",
    "Thương mại",    "Dầu khí",           "Năng lượng",  "Cấp nước",
    "Xăng dầu",      "Mía đường",         "Sữa",         "Bao bì",
    "Thiết bị Điện", "Giao nhận Kho vận", "Khách sạn",   "Thủy điện",
};

constexpr std::array<std::string_view, 44> kBrands{
    "Sông Hồng", "Sài Gòn",    "Hà Nội",     "Đà Nẵng",   "Hải Phòng", "Cửu Long",   "Miền Trung", "Tây Nguyên",
    "Phú Mỹ",    "Bình Dương", "Đồng Nai",   "Long An",   "Cần Thơ",   "Quảng Ninh", "Nghệ An",    "Thăng Long",
    "Hồng Hà",   "Trường Sơn", "Bến Thành",  "Hoàng Anh", "An Phát",   "Thành Công", "Hưng Thịnh", "Phương Nam",
    "Việt Á",    "Đông Á",     "Tân Tạo",    "Bảo Minh",  "Hòa Bình",  "Sông Đà",    "Lam Sơn",    "Vĩnh Phúc",
    "Nam Việt",  "Hùng Vương", "Phú Tài",    "Hải Hà",    "Kinh Bắc",  "Thái Bình",  "Hà Tiên",    "Bình Minh",
    "Ánh Dương", "Tây Hồ",     "Cao Nguyên", "Gia Định",
};

constexpr std::array<std::string_view, 20> kBanks{
    "Á Châu",         "Kỹ Thương", "Quân Đội",       "Sài Gòn Thương Tín", "Phương Đông",
    "Xuất Nhập khẩu", "Hàng Hải",  "Quốc Tế",        "Tiên Phong",         "Bưu Điện Liên Việt",
    "Nam Á",          "Việt Á",    "Đông Nam Á",     "Bản Việt",           "Kiên Long",
    "An Bình",        "Bắc Á",     "Sài Gòn Hà Nội", "Phát triển Nhà",     "Đại Dương",
};

constexpr std::array<std::string_view, 5> kFundStyles{"Tăng trưởng", "Giá trị", "Cân bằng", "Cổ phiếu", "Năng động"};

template <std::size_t N> std::string_view pick(const std::array<std::string_view, N>& words, std::uint64_t bits) {
    return words[static_cast<std::size_t>(bits % N)];
}

} // namespace

CompanyName CompanyNames::next(CompanyKind kind) {
    CompanyName drawn = draw(kind);
    while (m_used.contains(drawn.name)) {
        drawn = draw(kind);
    }
    m_used.insert(drawn.name);
    return drawn;
}

std::string CompanyNames::sectorName(int sector) {
    if (sector == kBankSector) {
        return "Ngân hàng";
    }
    if (sector == kFundSector) {
        return "Quỹ đầu tư";
    }
    return std::string(kSectors.at(static_cast<std::size_t>(sector)));
}

CompanyName CompanyNames::draw(CompanyKind kind) {
    const std::int64_t n = m_draws++;
    const std::uint64_t first = m_random.bits(Stream::Name, n, 0);
    const std::uint64_t second = m_random.bits(Stream::Name, n, 1);
    switch (kind) {
    case CompanyKind::Bank:
        return {"Ngân hàng TMCP " + std::string(pick(kBanks, first)), kBankSector};
    case CompanyKind::Fund:
        return {"Quỹ đầu tư " + std::string(pick(kFundStyles, first)) + " " + std::string(pick(kBrands, second)),
                kFundSector};
    case CompanyKind::Ordinary:
        break;
    }
    const auto sector = static_cast<int>(first % kOrdinarySectors);
    return {"Công ty Cổ phần " + std::string(kSectors.at(static_cast<std::size_t>(sector))) + " " +
                std::string(pick(kBrands, second)),
            sector};
}

} // namespace sim::market
