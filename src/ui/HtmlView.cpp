#include "ui/HtmlView.h"

namespace ui {

HtmlView::HtmlView(QWidget* parent)
    : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setFrameShape(QFrame::NoFrame);
    connect(this, &QTextBrowser::anchorClicked, this, &HtmlView::onAnchorClicked);
}

QString HtmlView::escaped(const QString& serviceText) {
    QString text = serviceText.toHtmlEscaped();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    text.replace(QLatin1Char('\r'), QStringLiteral("<br>"));
    text.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return text;
}

// An empty answer rather than none: for none, the document would read a local file itself.
QVariant HtmlView::loadResource(int /*type*/, const QUrl& /*name*/) {
    return QVariant{QByteArray()};
}

void HtmlView::onAnchorClicked(const QUrl& url) {
    Q_EMIT linkActivated(url);
    if (m_linkHandler) {
        m_linkHandler(url);
    }
}

} // namespace ui
