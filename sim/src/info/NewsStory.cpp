#include "NewsStory.h"

namespace sim {

NewsStory NewsStory::of(const std::string& title, const std::vector<std::string>& lines) {
    NewsStory story;
    story.title = withoutSeparators(title);
    // The article's first line is its headline.
    story.content = story.title;
    for (const std::string& line : lines) {
        story.content += '\n';
        story.content += withoutSeparators(line);
    }
    return story;
}

std::string NewsStory::withoutSeparators(std::string text) {
    for (char& c : text) {
        if (c == ',' || c == ';' || c == ':') {
            c = ' ';
        }
    }
    return text;
}

} // namespace sim
