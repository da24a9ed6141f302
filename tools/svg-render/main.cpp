// Renders one SVG drawing to a PNG at build time, so the program itself needs no SVG support.
//   svg-render [--scale N | --fit WIDTHxHEIGHT] [--opaque] SOURCE.svg TARGET.png
// --scale multiplies the drawing's own size (2 for the @2x picture of a 2x screen); --fit
// makes it as large as fits in the box, keeping its proportions; --opaque paints it on white.
#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <cstdio>

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
    parser.addOptions({scale, fit, opaque});
    parser.addPositionalArgument(QStringLiteral("source"), QStringLiteral("SVG drawing"));
    parser.addPositionalArgument(QStringLiteral("target"), QStringLiteral("PNG file"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2) {
        std::fprintf(stderr, "usage: svg-render [--scale N | --fit WIDTHxHEIGHT] [--opaque] SOURCE.svg TARGET.png\n");
        return 2;
    }

    QSvgRenderer drawing(files[0]);
    if (!drawing.isValid()) {
        std::fprintf(stderr, "svg-render: cannot read %s\n", qPrintable(files[0]));
        return 1;
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

    QImage image(size, parser.isSet(opaque) ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(parser.isSet(opaque) ? Qt::white : Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    drawing.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    if (!image.save(files[1], "PNG")) {
        std::fprintf(stderr, "svg-render: cannot write %s\n", qPrintable(files[1]));
        return 1;
    }
    return 0;
}
