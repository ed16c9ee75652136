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
#include <cstdlib>
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

TEST(PictureFiles, EachShowsWhatTheCodeDrawsNow)
{
    for (int scale : PictureScales) {
        EXPECT_EQ(Pixels(QImage(PictureFile(EmptySlotPictureId, scale))), Pixels(MakeEmptySlotPicture(scale))) << scale;
        for (int id = 1; id <= CardsInDeck; ++id)
            EXPECT_EQ(Pixels(QImage(PictureFile(id, scale))), Pixels(PaintCard(id, scale))) << id << " at " << scale;
    }
}

// The largest difference in any colour channel or alpha, pixel for pixel.
int LargestDifference(const std::vector<QRgb>& a, const std::vector<QRgb>& b)
{
    int largest = 0;
    for (std::size_t k = 0; k < std::min(a.size(), b.size()); ++k) {
        for (int shift : { 0, 8, 16, 24 })
            largest = std::max(largest, std::abs(int((a[k] >> shift) & 0xff) - int((b[k] >> shift) & 0xff)));
    }
    return largest;
}

// The smooth sizes' antialiased edges round a unit either way on processors
// with other vector units than the one that drew the files (and with
// MinGW's Qt); any change to the drawing moves far more than that.
TEST(ProgramIconFiles, EachSizeShowsWhatTheCodeDrawsNowToWithinARoundingUnit)
{
    for (int size : ProgramIconSizes) {
        const std::vector<QRgb> file = Pixels(QImage(QStringLiteral(PAIRFALL_SOURCE_DIR "/art/icons/") + ProgramIconFileName(size)));
        const std::vector<QRgb> drawn = Pixels(DrawProgramIcon(size));
        ASSERT_EQ(file.size(), drawn.size()) << size;
        EXPECT_LE(LargestDifference(file, drawn), 1) << size;
    }
}

TEST(CardPainter, ACardShowsRedInkExactlyWhenItsSuitIsRed)
{
    for (int id = 1; id <= CardsInDeck; ++id)
        EXPECT_EQ(std::ranges::any_of(Pixels(PaintCard(id)), IsRedInk), IsRed(SuitOfCard(id))) << id;
}

}
