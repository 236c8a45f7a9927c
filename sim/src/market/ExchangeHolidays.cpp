#include "market/ExchangeHolidays.h"

#include <QDate>

#include <algorithm>
#include <array>

namespace sim::market {

namespace {

/// A stretch of days on which the exchanges stay shut, both ends included.
struct ClosedStretch {
    int year = 0;
    int fromMonth = 0;
    int fromDay = 0;
    int toMonth = 0;
    int toDay = 0;
    const char* name = "";
};

constexpr const char* kNewYear = "Tết Dương lịch";
constexpr const char* kTet = "Tết Nguyên đán";
constexpr const char* kHungKings = "Giỗ Tổ Hùng Vương";
constexpr const char* kReunification = "Ngày Thống nhất và Quốc tế Lao động";
constexpr const char* kNationalDay = "Quốc khánh";
// 2023: Hùng Kings' day, 30 April and 1 May all fell from Saturday to Monday.
constexpr const char* kHungKingsAndMayDay = "Giỗ Tổ Hùng Vương và Quốc tế Lao động";

// A holiday falling on a weekend moves to the next working day; since 2021 National Day closes two
// days, 2 September and a neighbour. Tết shuts about a working week around the lunar new year.
constexpr std::array<ClosedStretch, 54> kClosures{{
    {2020, 1, 1, 1, 1, kNewYear},        {2020, 1, 23, 1, 29, kTet},       {2020, 4, 2, 4, 2, kHungKings},
    {2020, 4, 30, 5, 1, kReunification}, {2020, 9, 2, 9, 2, kNationalDay},

    {2021, 1, 1, 1, 1, kNewYear},        {2021, 2, 10, 2, 16, kTet},       {2021, 4, 21, 4, 21, kHungKings},
    {2021, 4, 30, 5, 3, kReunification}, {2021, 9, 2, 9, 3, kNationalDay},

    {2022, 1, 3, 1, 3, kNewYear},        {2022, 1, 31, 2, 4, kTet},        {2022, 4, 11, 4, 11, kHungKings},
    {2022, 5, 2, 5, 3, kReunification},  {2022, 9, 1, 9, 2, kNationalDay},

    {2023, 1, 2, 1, 2, kNewYear},        {2023, 1, 20, 1, 26, kTet},       {2023, 5, 1, 5, 3, kHungKingsAndMayDay},
    {2023, 9, 1, 9, 4, kNationalDay},

    {2024, 1, 1, 1, 1, kNewYear},        {2024, 2, 8, 2, 14, kTet},        {2024, 4, 18, 4, 18, kHungKings},
    {2024, 4, 30, 5, 1, kReunification}, {2024, 9, 2, 9, 3, kNationalDay},

    {2025, 1, 1, 1, 1, kNewYear},        {2025, 1, 27, 1, 31, kTet},       {2025, 4, 7, 4, 7, kHungKings},
    {2025, 4, 30, 5, 1, kReunification}, {2025, 9, 1, 9, 2, kNationalDay},

    {2026, 1, 1, 1, 1, kNewYear},        {2026, 2, 16, 2, 20, kTet},       {2026, 4, 27, 4, 27, kHungKings},
    {2026, 4, 30, 5, 1, kReunification}, {2026, 9, 1, 9, 2, kNationalDay},

    {2027, 1, 1, 1, 1, kNewYear},        {2027, 2, 4, 2, 10, kTet},        {2027, 4, 16, 4, 16, kHungKings},
    {2027, 4, 30, 5, 3, kReunification}, {2027, 9, 2, 9, 3, kNationalDay},

    {2028, 1, 3, 1, 3, kNewYear},        {2028, 1, 24, 1, 28, kTet},       {2028, 4, 4, 4, 4, kHungKings},
    {2028, 5, 1, 5, 2, kReunification},  {2028, 9, 1, 9, 4, kNationalDay},

    {2029, 1, 1, 1, 1, kNewYear},        {2029, 2, 12, 2, 16, kTet},       {2029, 4, 23, 4, 23, kHungKings},
    {2029, 4, 30, 5, 1, kReunification}, {2029, 9, 3, 9, 4, kNationalDay},

    {2030, 1, 1, 1, 1, kNewYear},        {2030, 2, 1, 2, 7, kTet},         {2030, 4, 12, 4, 12, kHungKings},
    {2030, 4, 30, 5, 1, kReunification}, {2030, 9, 2, 9, 3, kNationalDay},
}};

QDate dateOf(int day) {
    return QDate(2000, 1, 1).addDays(day);
}

bool onFixedHoliday(const QDate& date) {
    const int month = date.month();
    const int dayOfMonth = date.day();
    return (month == 1 && dayOfMonth == 1) || (month == 4 && dayOfMonth == 30) || (month == 5 && dayOfMonth == 1) ||
           (month == 9 && dayOfMonth == 2);
}

bool insideListedClosure(const QDate& date) {
    return std::any_of(kClosures.begin(), kClosures.end(), [&date](const ClosedStretch& stretch) {
        return stretch.year == date.year() && date >= QDate(stretch.year, stretch.fromMonth, stretch.fromDay) &&
               date <= QDate(stretch.year, stretch.toMonth, stretch.toDay);
    });
}

} // namespace

bool isExchangeHoliday(int day) {
    const QDate date = dateOf(day);
    if (date.year() < kFirstListedYear || date.year() > kLastListedYear) {
        return onFixedHoliday(date);
    }
    return insideListedClosure(date);
}

} // namespace sim::market
