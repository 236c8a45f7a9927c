#pragma once

#include <QString>

namespace news {

struct NewsItem;

/// The article page of a news item on black: its text line by line in light grey, the first
/// line in bold with the yellow time and date under it. Every piece of the service's text is
/// escaped, so it shows as written and never as markup.
QString articlePage(const NewsItem& item);

/// The article's text colour. The page names it "#dccdc", five digits, which Qt's rich text
/// refuses (the text would stay black on black); browsers read that value as #dccdc0.
inline constexpr const char* kArticleTextColor = "#dccdc0";

} // namespace news
