#pragma once

#include <QWidget>

namespace ui {

/// A row of dots, one per page, the current one bright. A tap left of the current dot asks for
/// the page before, right of it for the page after, as a phone's page control does.
class PageIndicator final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageIndicator)

public:
    explicit PageIndicator(QWidget* parent = nullptr);
    ~PageIndicator() override;

    int numberOfPages() const { return m_pages; }
    void setNumberOfPages(int pages);
    int currentPage() const { return m_current; }
    /// Moves the bright dot without reporting it.
    void setCurrentPage(int page);

Q_SIGNALS:
    /// The user moved to another page.
    void pageChanged(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPointF centreOf(int page) const;

    int m_pages = 0;
    int m_current = 0;
};

} // namespace ui
