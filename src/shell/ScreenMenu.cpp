#include "shell/ScreenMenu.h"

#include "ui/Artwork.h"
#include "ui/Fonts.h"
#include "ui/RowLabel.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace shell {

namespace {

// A row: its text on the left, the disclosure picture on the right, a thin line below.
class MenuRowDelegate final : public QStyledItemDelegate {
public:
    explicit MenuRowDelegate(QObject* parent)
        : QStyledItemDelegate(parent)
        , m_disclosure(ui::artwork(QStringLiteral("AccDisclosure.png"), QSize(20, 20))) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QRect rect = option.rect;
        painter->save();
        if (option.state.testFlag(QStyle::State_Selected)) {
            painter->fillRect(rect, QColor(0x2d, 0x5d, 0x9a));
        }
        painter->setPen(QColor(0x3a, 0x44, 0x56));
        painter->drawLine(rect.bottomLeft(), rect.bottomRight());
        painter->setPen(Qt::white);
        painter->setFont(option.font);
        const QRect textRect = rect.adjusted(8, 0, -30, 0);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                          option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, textRect.width()));
        ui::paintCentred(*painter, m_disclosure, QRect(rect.right() - 26, rect.top(), 24, rect.height()));
        painter->restore();
    }

private:
    QPixmap m_disclosure;
};

} // namespace

ScreenMenu::ScreenMenu(QWidget* screen, int rowHeight)
    : QListWidget(screen)
    , m_rowHeight(rowHeight) {
    setFont(ui::systemFont(13));
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setItemDelegate(new MenuRowDelegate(this));
    setStyleSheet(
        QStringLiteral("QListWidget { background: #1b2433; color: white; border: 1px solid #4a5a72; border-radius: 4px;"
                       " outline: none; }"));
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int chosen = row(item);
        hide();
        Q_EMIT rowChosen(chosen);
    });
    hide();
}

void ScreenMenu::showRows(const QStringList& rows, const QRect& frame) {
    m_rows = rows;
    clear();
    for (const QString& text : rows) {
        auto* item = new QListWidgetItem(text, this);
        item->setSizeHint(QSize(frame.width() - 2, m_rowHeight));
    }
    setGeometry(frame);
    show();
    raise();
}

} // namespace shell
