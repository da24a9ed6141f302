// Renders one SVG drawing to a PNG at build time, so the program itself needs no SVG support.
//   svg-render [--scale N | --fit WIDTHxHEIGHT] [--opaque] SOURCE.svg TARGET.png
//   svg-render --icon SIZE,SIZE,... SOURCE.svg TARGET.ico
// --scale multiplies the drawing's own size (2 for the @2x picture of a 2x screen); --fit
// makes it as large as fits in the box, keeping its proportions; --opaque paints it on white.
// --icon writes a Windows icon with a square rendering at each size, stored as PNG (which
// Windows reads in icons of every size).
#include <QBuffer>
#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <QtEndian>

#include <cstdio>

namespace {

QImage render(QSvgRenderer& drawing, QSize size, bool opaque)
{
    QImage image(size, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? Qt::white : Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    drawing.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

template <typename T>
void append(QByteArray& out, T value)
{
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// The icon file: a header, one 16-byte entry for each picture, then the pictures themselves.
// A width or height of 256 is written as 0.
QByteArray iconFile(QSvgRenderer& drawing, const QList<int>& sizes)
{
    QList<QByteArray> pictures;
    for (const int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        render(drawing, QSize(size, size), false).save(&buffer, "PNG");
        pictures.append(png);
    }
    QByteArray out;
    append<quint16>(out, 0);
    append<quint16>(out, 1);
    append<quint16>(out, quint16(sizes.size()));
    quint32 offset = quint32(6 + 16 * sizes.size());
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const auto side = quint8(sizes[i] == 256 ? 0 : sizes[i]);
        append<quint8>(out, side);
        append<quint8>(out, side);
        append<quint8>(out, 0);
        append<quint8>(out, 0);
        append<quint16>(out, 1);
        append<quint16>(out, 32);
        append<quint32>(out, quint32(pictures[i].size()));
        append<quint32>(out, offset);
        offset += quint32(pictures[i].size());
    }
    for (const QByteArray& picture : pictures)
        out.append(picture);
    return out;
}

} // namespace

int main(int argc, char* argv[])
{
    // Text in the drawings needs the font database, which needs a platform; no display is used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The platform wants a runtime folder, which a build may not have; without one it warns.
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    const QCommandLineOption scale(QStringLiteral("scale"), QStringLiteral("Multiple of the drawing's size."),
                                   QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption fit(QStringLiteral("fit"), QStringLiteral("Largest size within this box."),
                                 QStringLiteral("WIDTHxHEIGHT"));
    const QCommandLineOption opaque(QStringLiteral("opaque"), QStringLiteral("White background."));
    const QCommandLineOption icon(QStringLiteral("icon"), QStringLiteral("Windows icon with these square sizes."),
                                  QStringLiteral("SIZE,SIZE,..."));
    parser.addOptions({scale, fit, opaque, icon});
    parser.addPositionalArgument(QStringLiteral("source"), QStringLiteral("SVG drawing"));
    parser.addPositionalArgument(QStringLiteral("target"), QStringLiteral("PNG file"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2) {
        std::fprintf(stderr,
                     "usage: svg-render [--scale N | --fit WIDTHxHEIGHT] [--opaque] SOURCE.svg TARGET.png\n"
                     "       svg-render --icon SIZE,SIZE,... SOURCE.svg TARGET.ico\n");
        return 2;
    }

    QSvgRenderer drawing(files[0]);
    if (!drawing.isValid()) {
        std::fprintf(stderr, "svg-render: cannot read %s\n", qPrintable(files[0]));
        return 1;
    }
    if (parser.isSet(icon)) {
        QList<int> sizes;
        for (const QString& field : parser.value(icon).split(QLatin1Char(','))) {
            const int size = field.toInt();
            if (size <= 0 || size > 256) {
                std::fprintf(stderr, "svg-render: --icon wants sizes from 1 to 256\n");
                return 2;
            }
            sizes.append(size);
        }
        QSaveFile target(files[1]);
        if (!target.open(QIODevice::WriteOnly) || target.write(iconFile(drawing, sizes)) < 0 || !target.commit()) {
            std::fprintf(stderr, "svg-render: cannot write %s\n", qPrintable(files[1]));
            return 1;
        }
        return 0;
    }

    QSize size = drawing.defaultSize();
    if (parser.isSet(fit)) {
        const QStringList box = parser.value(fit).split(QLatin1Char('x'));
        if (box.size() != 2 || box[0].toInt() <= 0 || box[1].toInt() <= 0) {
            std::fprintf(stderr, "svg-render: --fit wants WIDTHxHEIGHT\n");
            return 2;
        }
        size.scale(box[0].toInt(), box[1].toInt(), Qt::KeepAspectRatio);
    } else {
        const int factor = parser.value(scale).toInt();
        if (factor <= 0) {
            std::fprintf(stderr, "svg-render: --scale wants a whole number above 0\n");
            return 2;
        }
        size *= factor;
    }

    if (!render(drawing, size, parser.isSet(opaque)).save(files[1], "PNG")) {
        std::fprintf(stderr, "svg-render: cannot write %s\n", qPrintable(files[1]));
        return 1;
    }
    return 0;
}
