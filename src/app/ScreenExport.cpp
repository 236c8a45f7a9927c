#include "app/ScreenExport.h"

#include "app/ScreenExportChooser.h"
#include "app/ScreenExportTargets.h"
#include "core/CsvText.h"
#include "ui/Alerts.h"
#include "ui/ChartExport.h"
#include "ui/ChartView.h"
#include "ui/Navigator.h"
#include "ui/RowSource.h"
#include "ui/RowTable.h"
#include "ui/ViewController.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QList>
#include <QSaveFile>
#include <QStringList>

namespace app {

namespace {

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The data rows as they read now; a heading drawn as a row gives no texts and is left out.
QList<QStringList> rowTextsOf(const ui::RowSource& source) {
    QList<QStringList> rows;
    const int count = source.rowCount();
    rows.reserve(count);
    for (int row = 0; row < count; ++row) {
        QStringList texts = source.rowTexts(row);
        if (!texts.isEmpty()) {
            rows.append(std::move(texts));
        }
    }
    return rows;
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        return {};
    }
    return bytes;
}

} // namespace

ScreenExport::ScreenExport(ui::Navigator& navigator, ui::Alerts& alerts, SaveLocationChooser& chooser,
                           std::function<QDate()> today)
    : m_navigator(navigator)
    , m_alerts(alerts)
    , m_chooser(chooser)
    , m_today(std::move(today)) {}

void ScreenExport::exportTable() {
    ui::ViewController* screen = topScreen();
    const ui::RowTable* table = screen ? shownTable(screen->loadedView()) : nullptr;
    if (!table) {
        m_alerts.tell(QStringLiteral("Màn hình này không có bảng để xuất."));
        return;
    }
    const QStringList titles = table->source()->columnTitles();
    const QList<QStringList> rows = rowTextsOf(*table->source());
    const QString path = m_chooser.chooseSaveLocation(QStringLiteral("Xuất bảng ra tệp CSV"),
                                                      suggestedName(*screen, QStringLiteral("csv")),
                                                      {QStringLiteral("Bảng tính CSV (*.csv)")});
    if (path.isEmpty()) {
        return;
    }
    if (writeFile(path, core::csvDocument(titles, rows))) {
        m_alerts.tell(QStringLiteral("Đã lưu %1 dòng vào %2.").arg(rows.size()).arg(shownPath(path)));
    }
}

void ScreenExport::exportChart() {
    ui::ViewController* screen = topScreen();
    ui::ChartView* chart = screen ? shownChart(screen->loadedView()) : nullptr;
    if (!chart) {
        m_alerts.tell(QStringLiteral("Màn hình này không có biểu đồ để xuất."));
        return;
    }
    // Both pictures now: the dialog does not say which one is wanted, and the chart may have
    // moved on by the time it closes.
    const QByteArray svg = ui::chartSvg(*chart).toUtf8();
    const QImage image = ui::chartImage(*chart, kImageScale);
    const QString path = m_chooser.chooseSaveLocation(
        QStringLiteral("Xuất biểu đồ ra tệp ảnh"), suggestedName(*screen, QStringLiteral("svg")),
        {QStringLiteral("Ảnh SVG (*.svg)"), QStringLiteral("Ảnh PNG (*.png)")});
    if (path.isEmpty()) {
        return;
    }
    const QString extension = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    if (extension.isEmpty() || extension == u"svg") {
        bytes = svg;
    } else if (extension == u"png") {
        bytes = pngBytes(image);
    } else {
        m_alerts.tell(
            QStringLiteral("Không lưu được biểu đồ vào %1: chỉ lưu được ảnh SVG hoặc PNG.").arg(shownPath(path)));
        return;
    }
    if (writeFile(path, bytes)) {
        m_alerts.tell(QStringLiteral("Đã lưu biểu đồ vào %1.").arg(shownPath(path)));
    }
}

ui::ViewController* ScreenExport::topScreen() const {
    ui::ViewController* top = m_navigator.topController();
    return top && top->loadedView() ? top : nullptr;
}

QString ScreenExport::suggestedName(const ui::ViewController& screen, const QString& extension) const {
    return QStringLiteral("corvastel-%1-%2.%3")
        .arg(screenFileStem(screen), m_today().toString(QStringLiteral("yyyy-MM-dd")), extension);
}

// No bytes is a picture that could not be encoded: nothing worth leaving in place of the file.
bool ScreenExport::writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        return true;
    }
    m_alerts.tell(QStringLiteral("Không ghi được tệp %1.").arg(shownPath(path)));
    return false;
}

} // namespace app
