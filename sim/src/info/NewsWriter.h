#pragma once

#include <string>

namespace sim {

class Noise;
struct Company;

/// A news item's title (one line) and article text (lines separated by "\n", the first being
/// the article's headline).
struct NewsStory final {
    std::string title;
    std::string content;
};

/// Writes Vietnamese market news from fixed story templates and hashed details. Every text keeps
/// clear of "," ";" and ":", which separate fields, records and header fields in an answer.
class NewsWriter final {
public:
    explicit NewsWriter(const Noise& noise);

    /// The general story of one slot of a day, published at the clock minute given.
    NewsStory headline(int day, int slot, int minute) const;

    /// A story about the company, dated day.
    NewsStory companyStory(const Company& company, int day) const;

    /// The text with every separator character replaced by a blank.
    static std::string withoutSeparators(std::string text);

private:
    const Noise& m_noise;
};

} // namespace sim
