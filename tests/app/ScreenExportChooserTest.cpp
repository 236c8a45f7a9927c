#include "app/ScreenExportChooser.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

/// Runs `answer` on the file dialog once it is up, from inside its own event loop.
class DialogAnswer {
public:
    explicit DialogAnswer(std::function<void(QFileDialog&)> answer)
        : m_answer(std::move(answer)) {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { run(); });
        m_timer.start(0);
    }

private:
    void run() {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) {
            ADD_FAILURE() << "no file dialog is up";
            if (modal) {
                modal->close();
            }
            return;
        }
        m_answer(*dialog);
    }

    std::function<void(QFileDialog&)> m_answer;
    QTimer m_timer;
};

} // namespace

TEST(ScreenExportChooserTest, FiltersNameTheirExtension) {
    EXPECT_EQ(app::filterExtension(QStringLiteral("Ảnh PNG (*.png)")), QStringLiteral("png"));
    EXPECT_EQ(app::filterExtension(QStringLiteral("Bảng tính CSV (*.csv)")), QStringLiteral("csv"));
    EXPECT_EQ(app::filterExtension(QStringLiteral("Mọi tệp (*)")), QString());
}

TEST(ScreenExportChooserTest, TheDialogOffersTheNameAndAddsTheExtensionOfTheType) {
    QWidget window;
    app::FileDialogSaveLocationChooser chooser(&window);
    QString title;
    QStringList filters;
    const DialogAnswer answer([&title, &filters](QFileDialog& dialog) {
        title = dialog.windowTitle();
        filters = dialog.nameFilters();
        EXPECT_TRUE(dialog.selectedFiles().value(0).endsWith(QStringLiteral("/corvastel-goods-2024-03-05.csv")));
        dialog.selectFile(QStringLiteral("bang-gia"));
        static_cast<QDialog&>(dialog).accept();
    });
    const QString path = chooser.chooseSaveLocation(QStringLiteral("Xuất bảng ra tệp CSV"),
                                                    QStringLiteral("corvastel-goods-2024-03-05.csv"),
                                                    {QStringLiteral("Bảng tính CSV (*.csv)")});
    EXPECT_EQ(title, QStringLiteral("Xuất bảng ra tệp CSV"));
    EXPECT_EQ(filters, QStringList{QStringLiteral("Bảng tính CSV (*.csv)")});
    EXPECT_TRUE(path.endsWith(QStringLiteral("/bang-gia.csv"))) << path.toStdString();
}

TEST(ScreenExportChooserTest, ACancelledDialogGivesNoPath) {
    QWidget window;
    app::FileDialogSaveLocationChooser chooser(&window);
    const DialogAnswer answer([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_TRUE(chooser
                    .chooseSaveLocation(QStringLiteral("Xuất biểu đồ ra tệp ảnh"), QStringLiteral("bieu-do.svg"),
                                        {QStringLiteral("Ảnh SVG (*.svg)"), QStringLiteral("Ảnh PNG (*.png)")})
                    .isEmpty());
}
