#include "art/CardFaces.h"
#include "art/CardPainter.h"
#include "art/EmptySlotPicture.h"

#include <QDir>
#include <QGuiApplication>
#include <QSet>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

// Painting text needs a GUI application; one is made for the whole run, headless unless told otherwise.
struct GuiEnvironment : testing::Environment {
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { app.reset(); }
    int argc = 1;
    char name[16] = "picture_tests", *argv[2] = { name, nullptr };
    std::unique_ptr<QGuiApplication> app;
};
[[maybe_unused]] testing::Environment* const gui = testing::AddGlobalTestEnvironment(new GuiEnvironment);
bool SamePixels(const QImage& a, const QImage& b) { return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32); }

TEST(PictureFiles, AreTheFiftyThreeCardSized24BitBitmapsTheCodeDrawsNow)
{
    std::map<QString, QImage> drawn { { "69.bmp", MakeEmptySlotPicture() } };
    for (int id = kFirstCardId; id <= kLastCardId; ++id)
        drawn[QString("%1.bmp").arg(id)] = PaintCard(id);
    const QDir folder(PAIRFALL_SOURCE_DIR "/pictures");
    EXPECT_EQ(folder.entryList({ "*.bmp" }, QDir::Files).size(), 53) << "no other files";
    for (const auto& [name, image] : drawn) {
        const QByteArray header = [&] { QFile file(folder.filePath(name)); return file.open(QIODevice::ReadOnly) ? file.read(54) : QByteArray(); }();
        // "BM"; from byte 18, little-endian: 71 wide, 96 high (stored bottom up), 1 plane, 24 bits a pixel, uncompressed.
        EXPECT_EQ(header.left(2) + " " + header.mid(18, 16).toHex(' '), "BM 47 00 00 00 60 00 00 00 01 00 18 00 00 00 00 00") << name.toStdString();
        EXPECT_TRUE(SamePixels(QImage(folder.filePath(name)), image)) << name.toStdString() << " is stale; regenerate with: cmake --build build --target pictures";
    }
}

TEST(EmptySlotPicture, EveryPixelFollowsTheRules)
{
    const QImage image = MakeEmptySlotPicture();
    for (int i = 0; i < 71 * 96; ++i) {
        const int x = i % 71, y = i / 71, dx = std::min(x, 70 - x), dy = std::min(y, 95 - y); // dx, dy: from the nearer sides
        // Black: the frame with a bevel inside each corner, and the dots; the corner pixel and its two neighbours stay green.
        const bool black = dx + dy > 1 && (dx == 0 || dy == 0 || (dx == 1 && dy == 1) || (y % 2 == 0 && (y % 4 == 2 ? x % 4 == 3 : x % 8 == (y % 8 == 4 ? 5 : 1))));
        ASSERT_EQ(image.pixel(x, y) | 0xff000000u, black ? 0xff000000u : 0xff007b00u) << x << ", " << y;
    }
}

TEST(CardPainter, RedSuitsUseRedInkBlackSuitsNoneAndTheStandInDiffersFromTheCard)
{
    const auto redInk = [](QRgb c) { return qRed(c) >= 150 && qGreen(c) <= 90 && qBlue(c) <= 90; };
    for (int id = kFirstCardId; id <= kLastCardId; ++id) {
        const QImage card = PaintCard(id), standIn = PaintStandIn(id);
        int red = 0;
        for (int i = 0; i < kCardWidth * kCardHeight; ++i)
            red += redInk(card.pixel(i % kCardWidth, i / kCardWidth));
        EXPECT_TRUE(IsRed(SuitOfCard(id)) ? red > 40 : red == 0) << CardName(id).toStdString() << ": " << red << " red pixels";
        EXPECT_TRUE(standIn.size() == card.size() && !SamePixels(standIn, card)) << id;
    }
}

TEST(ProgramIconFiles, SmallSizesUseAtMostSixteenColours)
{
    for (int size : { 16, 32 }) {
        const QImage icon(QString(PAIRFALL_SOURCE_DIR "/art/icons/pairfall-%1.png").arg(size));
        QSet<QRgb> used;
        for (int i = 0; i < size * size; ++i)
            used.insert(icon.pixel(i % size, i / size));
        EXPECT_TRUE(used.size() >= 2 && used.size() <= 16) << size << ": " << used.size() << " colours";
    }
}

}
