// Writes every picture of the game into a folder, at twice its natural size
// (NAME.png) and at four times (NAME@4x.png) for large windows and dense
// screens, with the resource list that embeds them:
//   tanukiban-picturegen ASSETS_DIR
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>

#include "display/pictures.h"
#include "pieces.h"
#include "rules/pieces.h"
#include "tiles.h"
#include "title.h"

using namespace picturegen;

namespace {

QImage makePicture(int code, int density) {
    using namespace tanukiban;
    static const std::map<int, QString> letters = {{10, "歩"},  {11, "と"},  {20, "香"},
                                                   {30, "桂"},  {100, "銀"}, {110, "金"},
                                                   {800, "角"}, {900, "飛"}, {950, "王"}};
    const int d = density;
    if (code == 空桝) return woodSquare(d);
    if (isPieceCode(code)) {
        const int kind = code < 0 ? -code : code;
        return piece(letters.at(kind), kind == 11 ? kRedInk : kInk, code > 0, d);
    }
    if (code >= UE_KURO1 && code <= UE_KURO5)
        return turningFrame(code - UE_KURO1 + 1, kInk, true, d);
    if (code >= SITA_KURO1 && code <= SITA_KURO5)
        return turningFrame(code - SITA_KURO1 + 1, kInk, false, d);
    static const int akaFrames[] = {1, 2, 4, 5};
    if (code >= UE_AKA1 && code <= UE_AKA5)
        return turningFrame(akaFrames[code - UE_AKA1], kRedInk, true, d);
    if (code >= SITA_AKA1 && code <= SITA_AKA5)
        return turningFrame(akaFrames[code - SITA_AKA1], kRedInk, false, d);
    switch (code) {
        case 背景_緑:
            return greenTile(d);
        case 背景_畳:
            return tatamiTile(d);
        case 背景_竹:
            return bambooTile(d);
        case 背景_宇宙:
            return spaceTile(d);
        case 背景_煉瓦:
            return brickTile(d);
        case 題字:
            return titlePicture(d);
        default:
            return {};
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tanukiban-picturegen ASSETS_DIR\n");
        return 2;
    }
    if (QFontInfo(QFont(QStringLiteral("IPAMincho"))).family() != QStringLiteral("IPAMincho"))
        std::fprintf(stderr, "warning: the IPAMincho font is missing; lettering will differ\n");

    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }
    QFile qrc(dir.filePath(QStringLiteral("pictures.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(qrc.fileName()));
        return 1;
    }
    QTextStream list(&qrc);
    list << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/pictures\">\n";
    for (const int density : {2, 4}) {
        for (const tanukiban::PictureInfo& info : tanukiban::pictureTable()) {
            const QImage img = makePicture(info.code, density);
            const QString name =
                QString::fromUtf8(info.name.data(), static_cast<int>(info.name.size())) +
                (density == 2 ? QStringLiteral(".png") : QStringLiteral("@4x.png"));
            if (img.width() != density * info.width || img.height() != density * info.height) {
                std::fprintf(stderr, "%s has the wrong size\n", qPrintable(name));
                return 1;
            }
            if (!img.save(dir.filePath(name), "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
                return 1;
            }
            list << "  <file>" << name << "</file>\n";
        }
    }
    list << "</qresource>\n</RCC>\n";

    // The desktop icon: the lower side's king, centred on a transparent square.
    QImage icon(128, 128, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    {
        const QImage king =
            makePicture(tanukiban::王MAN, 2).scaledToHeight(124, Qt::SmoothTransformation);
        QPainter p(&icon);
        p.drawImage((icon.width() - king.width()) / 2, (icon.height() - king.height()) / 2, king);
    }
    if (!icon.save(dir.filePath(QStringLiteral("icon.png")), "PNG")) {
        std::fprintf(stderr, "cannot write icon.png\n");
        return 1;
    }
    return 0;
}
