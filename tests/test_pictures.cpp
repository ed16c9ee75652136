// The card pictures shipped in pictures/, the code that paints them, and the small icons.

#include "ui/CardFaces.h"
#include "ui/CardPainter.h"
#include "ui/EmptySlotPicture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <memory>

namespace {

// Painting text needs a GUI application; one is made for the whole run.
class GuiEnvironment : public testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QGuiApplication>(argc_, argv_.data());
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "picture_tests";
    std::array<char*, 2> argv_ = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] testing::Environment* const kGuiEnvironment =
    testing::AddGlobalTestEnvironment(new GuiEnvironment);

constexpr int kEmptySlotFile = 69;
constexpr QRgb kTableGreen = 0xff008000;
constexpr QRgb kSlotGreen = 0xff007b00;
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;

QString PicturePath(int number) {
    return QStringLiteral(PAIRFALL_SOURCE_DIR "/pictures/%1.bmp").arg(number);
}

bool SamePixels(const QImage& a, const QImage& b) {
    return a.size() == b.size() &&
           a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

TEST(PictureFiles, ExactlyTheFiftyThreeCardSized24BitBitmaps) {
    QSet<QString> expected;
    for (int n = kFirstCardId; n <= kLastCardId; ++n)
        expected.insert(QStringLiteral("%1.bmp").arg(n));
    expected.insert(QStringLiteral("%1.bmp").arg(kEmptySlotFile));
    const QStringList present = QDir(QStringLiteral(PAIRFALL_SOURCE_DIR "/pictures")).entryList(QDir::Files);
    EXPECT_EQ(QSet<QString>(present.begin(), present.end()), expected);
    for (const QString& name : expected) {
        SCOPED_TRACE(name.toStdString());
        QFile file(QStringLiteral(PAIRFALL_SOURCE_DIR "/pictures/") + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.read(54);
        ASSERT_EQ(bytes.size(), 54);
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        const char* at = bytes.constData();
        EXPECT_EQ(qFromLittleEndian<qint32>(at + 18), 71);   // width
        EXPECT_EQ(qFromLittleEndian<qint32>(at + 22), 96);   // height, stored bottom up
        EXPECT_EQ(qFromLittleEndian<quint16>(at + 28), 24);  // bits per pixel
        EXPECT_EQ(qFromLittleEndian<quint32>(at + 30), 0u);  // uncompressed
    }
}

TEST(PictureFiles, CardFilesMatchWhatThePainterDrawsNow) {
    for (int id = kFirstCardId; id <= kLastCardId; ++id)
        EXPECT_TRUE(SamePixels(QImage(PicturePath(id)), PaintCard(id)))
            << id << ".bmp is stale; regenerate with: cmake --build build --target pictures";
}

TEST(EmptySlotPicture, FileMatchesTheBuiltInPicture) {
    EXPECT_TRUE(SamePixels(QImage(PicturePath(kEmptySlotFile)), MakeEmptySlotPicture()));
}

// Every pixel, from the rules stated as arithmetic on the coordinates.
TEST(EmptySlotPicture, EveryPixelFollowsTheRules) {
    const QImage img = MakeEmptySlotPicture();
    ASSERT_EQ(img.size(), QSize(71, 96));
    auto black = [](int x, int y) {
        const int dx = std::min(x, 70 - x);  // distance from the nearer side
        const int dy = std::min(y, 95 - y);
        if (dx + dy <= 1)
            return false;  // corner pixel and its two edge neighbours
        if (dx == 0 || dy == 0 || (dx == 1 && dy == 1))
            return true;  // frame, and the bevel diagonally inside each corner
        if (y % 2 == 1)
            return false;
        if (y % 4 == 2)
            return x % 4 == 3;
        return y % 8 == 4 ? x % 8 == 5 : x % 8 == 1;
    };
    for (int y = 0; y < 96; ++y) {
        for (int x = 0; x < 71; ++x)
            ASSERT_EQ(img.pixel(x, y) | 0xff000000u, black(x, y) ? kBlack : kSlotGreen) << "(" << x << ", " << y << ")";
    }
}

TEST(CardPainter, CornersShowTheTableAndTheFaceIsWhite) {
    const QPoint table[] = {{0, 0}, {1, 0}, {0, 1}, {70, 0}, {69, 0}, {70, 1},
                            {0, 95}, {0, 94}, {1, 95}, {70, 95}, {69, 95}, {70, 94}};
    for (int id = kFirstCardId; id <= kLastCardId; ++id) {
        const QImage card = PaintCard(id);
        ASSERT_EQ(card.size(), QSize(kCardWidth, kCardHeight));
        for (const QPoint& p : table)
            EXPECT_EQ(card.pixel(p), kTableGreen) << id << " at (" << p.x() << ", " << p.y() << ")";
        for (const QPoint& p : {QPoint(35, 2), QPoint(2, 48), QPoint(68, 48)})
            EXPECT_EQ(card.pixel(p) | 0xff000000u, kWhite) << id << " at (" << p.x() << ", " << p.y() << ")";
    }
}

TEST(CardPainter, RedSuitsUseRedInkAndBlackSuitsNone) {
    for (int id = kFirstCardId; id <= kLastCardId; ++id) {
        const QImage card = PaintCard(id);
        int red = 0;
        for (int i = 0; i < kCardWidth * kCardHeight; ++i) {
            const QRgb c = card.pixel(i % kCardWidth, i / kCardWidth);
            red += qRed(c) >= 150 && qGreen(c) <= 90 && qBlue(c) <= 90 ? 1 : 0;
        }
        if (IsRed(SuitOfCard(id)))
            EXPECT_GT(red, 40) << CardName(id).toStdString();
        else
            EXPECT_EQ(red, 0) << CardName(id).toStdString();
    }
}

TEST(StandIn, DiffersFromTheCard) {
    for (int id = kFirstCardId; id <= kLastCardId; ++id) {
        const QImage standIn = PaintStandIn(id);
        EXPECT_EQ(standIn.size(), QSize(kCardWidth, kCardHeight)) << id;
        EXPECT_FALSE(SamePixels(standIn, PaintCard(id))) << id;
    }
}

TEST(ProgramIconFiles, SmallSizesUseAtMostSixteenColours) {
    for (int size : {16, 32}) {
        const QImage icon(QStringLiteral(PAIRFALL_SOURCE_DIR "/ui/icons/pairfall-%1.png").arg(size));
        ASSERT_EQ(icon.size(), QSize(size, size));
        QSet<QRgb> used;
        for (int i = 0; i < size * size; ++i)
            used.insert(icon.pixel(i % size, i / size));
        EXPECT_LE(used.size(), 16) << size;
        EXPECT_GE(used.size(), 2) << size;
    }
}

}  // namespace
