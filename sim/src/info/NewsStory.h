#pragma once

#include <string>
#include <vector>

namespace sim {

/// A news item's title (one line) and article text (lines separated by "\n", the first being
/// the article's headline). Neither holds "," ";" or ":", which separate fields, records and
/// header fields in an answer.
struct NewsStory final {
    std::string title;
    std::string content;

    /// The story of a title and the lines of its article, every separator character blanked out.
    static NewsStory of(const std::string& title, const std::vector<std::string>& lines);

    /// The text with every separator character replaced by a blank.
    static std::string withoutSeparators(std::string text);
};

/// A story and the day key and clock minute it came out.
struct TimedStory final {
    int day = 0;
    int minute = 0;
    NewsStory story;
};

} // namespace sim
