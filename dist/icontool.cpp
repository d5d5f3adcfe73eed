// Draws the program's desktop icons from the emblem's own drawing code:
//   kalkort_icons OUTPUT-FOLDER NAME SIZE...
// writes OUTPUT-FOLDER/hicolor/scalable/apps/NAME.svg and, for each size,
// OUTPUT-FOLDER/hicolor/SIZExSIZE/apps/NAME.png.
#include "artwork.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QTextStream>

namespace {

bool writePng(const QString &folder, const QString &name, int size)
{
    const QString appsFolder = folder + QStringLiteral("/hicolor/%1x%1/apps").arg(size);
    if (!QDir().mkpath(appsFolder))
        return false;
    QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.scale(double(size) / artwork::kEmblemSize, double(size) / artwork::kEmblemSize);
        artwork::paintEmblem(painter);
    }
    return picture.save(appsFolder + u'/' + name + QStringLiteral(".png"), "PNG");
}

bool writeSvg(const QString &folder, const QString &name)
{
    const QString appsFolder = folder + QStringLiteral("/hicolor/scalable/apps");
    if (!QDir().mkpath(appsFolder))
        return false;
    QSvgGenerator generator;
    generator.setFileName(appsFolder + u'/' + name + QStringLiteral(".svg"));
    generator.setSize(QSize(artwork::kEmblemSize, artwork::kEmblemSize));
    generator.setViewBox(QRect(0, 0, artwork::kEmblemSize, artwork::kEmblemSize));
    generator.setTitle(QStringLiteral("Калькорт"));
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    artwork::paintEmblem(painter);
    if (!painter.end())
        return false;
    // The generator gives the size in millimetres; an icon's is in pixels.
    QFile file(generator.fileName());
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QRegularExpression(QStringLiteral("<svg width=\"[^\"]*\" height=\"[^\"]*\"")),
                 QStringLiteral("<svg width=\"%1\" height=\"%1\"").arg(artwork::kEmblemSize));
    file.seek(0);
    file.resize(0);
    return file.write(text.toUtf8()) > 0;
}

}  // namespace

int main(int argc, char *argv[])
{
    // Drawn without a display, at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    QTextStream errors(stderr);
    if (arguments.size() < 4) {
        errors << "usage: kalkort_icons OUTPUT-FOLDER NAME SIZE...\n";
        return 2;
    }
    const QString &folder = arguments[1];
    const QString &name = arguments[2];
    if (!writeSvg(folder, name)) {
        errors << "cannot write the SVG icon into " << folder << '\n';
        return 1;
    }
    for (const QString &text : arguments.mid(3)) {
        bool ok = false;
        const int size = text.toInt(&ok);
        if (!ok || size <= 0 || !writePng(folder, name, size)) {
            errors << "cannot write the " << text << " pixel icon into " << folder << '\n';
            return 1;
        }
    }
    return 0;
}
