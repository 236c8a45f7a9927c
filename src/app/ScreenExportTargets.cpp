#include "app/ScreenExportTargets.h"

#include "ui/ChartView.h"
#include "ui/RowTable.h"
#include "ui/ViewController.h"

#include <QList>
#include <QMetaObject>
#include <QRect>
#include <QRegularExpression>
#include <QWidget>

#include <functional>

namespace app {

namespace {

// The root and every widget on it that would be on screen with it, in drawing order: a
// widget before its children, children in their stacking order.
QList<QWidget*> shownWidgets(QWidget* root) {
    QList<QWidget*> shown{root};
    const QList<QWidget*> children = root->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (child->isVisibleTo(root)) {
            shown.append(child);
        }
    }
    return shown;
}

QRect frameIn(QWidget* root, QWidget* widget) {
    return {widget->mapTo(root, QPoint(0, 0)), widget->size()};
}

// Whether a widget drawn after `at` lies over the whole of it. A table's children are its own
// parts (the viewport, the scroll bars), while a chart's are laid over it: labels, buttons, and
// a tab that covers the screen.
bool isCoveredWhole(QWidget* root, const QList<QWidget*>& shown, qsizetype at, bool childrenCover) {
    QWidget* widget = shown.at(at);
    const QRect frame = frameIn(root, widget);
    for (qsizetype later = at + 1; later < shown.size(); ++later) {
        QWidget* other = shown.at(later);
        if ((childrenCover || !widget->isAncestorOf(other)) && frameIn(root, other).contains(frame)) {
            return true;
        }
    }
    return false;
}

template <typename View>
View* topmostShown(QWidget* root, bool childrenCover, const std::function<bool(const View&)>& usable) {
    if (!root) {
        return nullptr;
    }
    const QList<QWidget*> shown = shownWidgets(root);
    for (qsizetype at = shown.size() - 1; at >= 0; --at) {
        auto* view = qobject_cast<View*>(shown.at(at));
        if (view && usable(*view) && !isCoveredWhole(root, shown, at, childrenCover)) {
            return view;
        }
    }
    return nullptr;
}

} // namespace

ui::RowTable* shownTable(QWidget* root) {
    return topmostShown<ui::RowTable>(root, false, [](const ui::RowTable& table) {
        return table.source() != nullptr && table.source()->isExportable();
    });
}

ui::ChartView* shownChart(QWidget* root) {
    return topmostShown<ui::ChartView>(root, true, [](const ui::ChartView& chart) { return !chart.size().isEmpty(); });
}

QString screenFileStem(const ui::ViewController& screen) {
    return fileStemOfClass(QString::fromLatin1(screen.metaObject()->className()));
}

QString fileStemOfClass(const QString& className) {
    QString name = className.mid(className.lastIndexOf(QLatin1Char(':')) + 1);
    static const QRegularExpression ending(QStringLiteral("(View)?Controller$"),
                                           QRegularExpression::CaseInsensitiveOption);
    name.remove(ending);
    // A word starts at a capital after a small letter or a digit, or at the last capital of a
    // run of them that a small letter follows ("ACBGold": "ACB", "Gold").
    static const QRegularExpression wordStart(QStringLiteral("(?<=[a-z0-9])(?=[A-Z])|(?<=[A-Z])(?=[A-Z][a-z])"));
    name.replace(wordStart, QStringLiteral("-"));
    return name.isEmpty() ? QStringLiteral("man-hinh") : name.toLower();
}

} // namespace app
