#include "art/CardPainter.h"
#include "art/EmptySlotPicture.h"
#include "art/IconArt.h"
#include "art/PictureScale.h"
#include "art/Suit.h"
#include "game/Card.h"
#include "game/PicturePath.h"

#include <QDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace pairfall::testing {

const QDir Pictures(PAIRFALL_SOURCE_DIR "/pictures");

QString PictureFile(int id, int scale) { return ScaledPicturePath(Pictures.filePath(QString("%1.bmp").arg(id)), scale); }

std::vector<QRgb> Pixels(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    return { reinterpret_cast<const QRgb*>(argb.constBits()), reinterpret_cast<const QRgb*>(argb.constBits() + argb.sizeInBytes()) };
}

bool IsRedInk(QRgb c) { return qRed(c) >= 150 && qGreen(c) <= 90 && qBlue(c) <= 90; }

TEST(PictureFiles, TheFolderHoldsFiftyThreeUncompressed24BitBitmapsOfEachSize)
{
    std::map<std::string, int> bitmapsOfEachHeader;
    for (const QString& name : Pictures.entryList({ "*.bmp" }, QDir::Files)) {
        QFile file(Pictures.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray header = file.read(34);
        ++bitmapsOfEachHeader[(header.left(2) + " " + header.mid(18).toHex(' ')).toStdString()];
    }
    // "BM"; from byte 18, little-endian: 71 by 96 or 142 by 192 (stored bottom up), 1 plane, 24 bits a pixel, uncompressed.
    const std::map<std::string, int> expected { { "BM 47 00 00 00 60 00 00 00 01 00 18 00 00 00 00 00", CardsInDeck + 1 }, { "BM 8e 00 00 00 c0 00 00 00 01 00 18 00 00 00 00 00", CardsInDeck + 1 } };
    EXPECT_EQ(bitmapsOfEachHeader, expected);
}

TEST(PictureFiles, EachShowsWhatTheCodeDrawsNow)
{
    for (int scale : PictureScales) {
        EXPECT_EQ(Pixels(QImage(PictureFile(EmptySlotPictureId, scale))), Pixels(MakeEmptySlotPicture(scale))) << scale;
        for (int id = 1; id <= CardsInDeck; ++id)
            EXPECT_EQ(Pixels(QImage(PictureFile(id, scale))), Pixels(PaintCard(id, scale))) << id << " at " << scale;
    }
}

TEST(ProgramIconFiles, EachSizeShowsWhatTheCodeDrawsNow)
{
#ifdef Q_OS_WIN
    // The icons are drawn on the build machine; MinGW's maths rounds the
    // smooth sizes' curves a shade differently, and the program only reads the files.
    GTEST_SKIP() << "the icon files are drawn and checked on the build machine";
#endif
    for (int size : ProgramIconSizes)
        EXPECT_EQ(Pixels(QImage(QStringLiteral(PAIRFALL_SOURCE_DIR "/art/icons/") + ProgramIconFileName(size))), Pixels(DrawProgramIcon(size))) << size;
}

TEST(CardPainter, ACardShowsRedInkExactlyWhenItsSuitIsRed)
{
    for (int id = 1; id <= CardsInDeck; ++id)
        EXPECT_EQ(std::ranges::any_of(Pixels(PaintCard(id)), IsRedInk), IsRed(SuitOfCard(id))) << id;
}

}
