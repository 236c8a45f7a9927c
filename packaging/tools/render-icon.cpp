// Renders the program's SVG icon as a square PNG of a given size, for the desktop's icon theme.
// Run by the build for every size the theme wants; it is not installed.
//
//   corvastel-render-icon <icon.svg> <size in pixels> <out.png>

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <QTextStream>

#include <optional>

namespace {

constexpr int kLargestSize = 1024;

std::optional<int> sizeFromArgument(const char* argument) {
    bool ok = false;
    const int size = QByteArray(argument).toInt(&ok);
    if (!ok || size <= 0 || size > kLargestSize) {
        return std::nullopt;
    }
    return size;
}

QImage render(QSvgRenderer& renderer, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

int fail(const QString& message) {
    QTextStream(stderr) << "corvastel-render-icon: " << message << '\n';
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        return fail(QStringLiteral("usage: corvastel-render-icon <icon.svg> <size> <out.png>"));
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[3]);
    const std::optional<int> size = sizeFromArgument(argv[2]);
    if (!size) {
        return fail(QStringLiteral("the size must be a whole number from 1 to %1, not \"%2\"")
                        .arg(kLargestSize)
                        .arg(QString::fromLocal8Bit(argv[2])));
    }
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        return fail(QStringLiteral("%1 is not an SVG picture that can be drawn").arg(source));
    }
    if (!render(renderer, *size).save(target, "PNG")) {
        return fail(QStringLiteral("cannot write %1").arg(target));
    }
    return 0;
}
