#include "art/CardPainter.h"
#include "art/EmptySlotPicture.h"
#include "art/IconArt.h"
#include "art/StandIn.h"
#include "art/Suit.h"
#include "game/Card.h"
#include "game/PicturePath.h"

#include <QDir>
#include <QSet>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace pairfall::testing {

const QDir Pictures(PAIRFALL_SOURCE_DIR "/pictures");

std::vector<QRgb> Pixels(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    return { reinterpret_cast<const QRgb*>(argb.constBits()), reinterpret_cast<const QRgb*>(argb.constBits() + argb.sizeInBytes()) };
}

bool IsRedInk(QRgb c) { return qRed(c) >= 150 && qGreen(c) <= 90 && qBlue(c) <= 90; }

TEST(PictureFiles, TheFolderHoldsFiftyThreeUncompressed24BitBitmapsOfCardSize)
{
    EXPECT_EQ(Pictures.entryList({ "*.bmp" }, QDir::Files).size(), CardsInDeck + 1);
    for (const QString& name : Pictures.entryList({ "*.bmp" }, QDir::Files)) {
        QFile file(Pictures.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray header = file.read(34);
        // "BM"; from byte 18, little-endian: 71 wide, 96 high (stored bottom up), 1 plane, 24 bits a pixel, uncompressed.
        EXPECT_EQ(header.left(2) + " " + header.mid(18).toHex(' '), "BM 47 00 00 00 60 00 00 00 01 00 18 00 00 00 00 00") << name.toStdString();
    }
}

TEST(PictureFiles, EachShowsWhatTheCodeDrawsNow)
{
    EXPECT_EQ(Pixels(QImage(Pictures.filePath(QString("%1.bmp").arg(EmptySlotPictureId)))), Pixels(MakeEmptySlotPicture()));
    for (int id = 1; id <= CardsInDeck; ++id)
        EXPECT_EQ(Pixels(QImage(Pictures.filePath(QString("%1.bmp").arg(id)))), Pixels(PaintCard(id))) << id;
}

TEST(ProgramIconFiles, EachSizeShowsWhatTheCodeDrawsNow)
{
    for (int size : ProgramIconSizes)
        EXPECT_EQ(Pixels(QImage(QStringLiteral(PAIRFALL_SOURCE_DIR "/art/icons/") + ProgramIconFileName(size))), Pixels(DrawProgramIcon(size))) << size;
}

TEST(ProgramIcon, TheTwoSmallSizesUseAtMostSixteenColours)
{
    for (int size : { 16, 32 }) {
        const std::vector<QRgb> pixels = Pixels(DrawProgramIcon(size));
        EXPECT_LE(QSet<QRgb>(pixels.begin(), pixels.end()).size(), 16) << size;
    }
}

TEST(CardPainter, ACardShowsRedInkExactlyWhenItsSuitIsRed)
{
    for (int id = 1; id <= CardsInDeck; ++id)
        EXPECT_EQ(std::ranges::any_of(Pixels(PaintCard(id)), IsRedInk), IsRed(SuitOfCard(id))) << id;
}

TEST(StandIn, DiffersFromTheCardItStandsFor)
{
    for (int id = 1; id <= CardsInDeck; ++id)
        EXPECT_NE(PaintStandIn(id), PaintCard(id)) << id;
}

}
