#pragma once

#include <QTextBrowser>
#include <QUrl>

#include <functional>

namespace ui {

/// An HTML page view. It runs no scripts, loads no resource and never follows a link itself: a
/// clicked link is reported, and the program opens it in the system browser.
class HtmlView final : public QTextBrowser {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HtmlView)

public:
    explicit HtmlView(QWidget* parent = nullptr);

    void setLinkHandler(std::function<void(const QUrl&)> handler) { m_linkHandler = std::move(handler); }

    /// Text from the service made safe for a page: HTML-escaped, line breaks as <br>.
    static QString escaped(const QString& serviceText);

Q_SIGNALS:
    void linkActivated(const QUrl& url);

protected:
    /// Nothing is ever loaded for a page (no image, no style sheet, local or remote): the program
    /// builds every page whole.
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void onAnchorClicked(const QUrl& url);

    std::function<void(const QUrl&)> m_linkHandler;
};

} // namespace ui
