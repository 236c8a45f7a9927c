#include "news/NewsArticlePage.h"

#include "news/NewsItem.h"

#include <QStringList>

namespace news {

QString articlePage(const NewsItem& item) {
    QString page = QStringLiteral("<body style=\"background-color:black;\"><table bgcolor=\"#000\"><tr><td>"
                                  "<font style=\"font-size:12pt\" color=\"%1\">")
                       .arg(QLatin1String(kArticleTextColor));
    const QStringList lines = item.lines();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i == 0) {
            page += QStringLiteral("<b>");
        }
        page += lines.at(i).toHtmlEscaped();
        if (i == 0) {
            page += QStringLiteral("</b><br/>");
            page += QStringLiteral("<font style=\"font-size:11pt\" color=\"#f4d600\">%1</font><br/>")
                        .arg(item.timeAndDate().toHtmlEscaped());
        }
        page += QStringLiteral("<br/>");
    }
    page += QStringLiteral("</font></td></tr></table></body>");
    return page;
}

} // namespace news
