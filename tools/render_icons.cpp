// Writes the program's emblem into an icon theme folder, as the desktop's
// menus look it up: hicolor/<n>x<n>/apps/<name>.png and the scalable SVG.
// Usage: render_icons OUTPUT_FOLDER ICON_NAME
#include "branding/brandart.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER ICON_NAME\n", argv[0]);
        return 2;
    }
    // Drawn off-screen: a build machine has no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor/");
    const QString name = QString::fromLocal8Bit(argv[2]);

    auto fail = [](const QString& path) {
        std::fprintf(stderr, "render_icons: cannot write %s\n", qPrintable(path));
        return 1;
    };
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = out + QStringLiteral("%1x%1/apps").arg(size);
        const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !ov::BuiltinIconImage(size).save(path, "PNG")) return fail(path);
    }
    const QString folder = out + QStringLiteral("scalable/apps");
    QFile svg(folder + QLatin1Char('/') + name + QStringLiteral(".svg"));
    if (!QDir().mkpath(folder) || !svg.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || svg.write(ov::BuiltinIconSvg().toUtf8()) < 0 || !svg.flush())
        return fail(svg.fileName());
    return 0;
}
