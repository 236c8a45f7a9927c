#pragma once

namespace sim::market {

// The service's refusals, shown to the user as they stand.
inline constexpr const char* kUnknownCompanyMessage = "Mã chứng khoán không tồn tại";
inline constexpr const char* kUnknownExchangeMessage = "Sàn giao dịch không tồn tại";

} // namespace sim::market
