// The card pictures shipped in pictures/, the code that paints them, and the
// program icon files.

#include "ui/CardFaces.h"
#include "ui/CardPainter.h"
#include "ui/EmptySlotPicture.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QStringList>

#include <array>
#include <cstdint>
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
constexpr QRgb kSlotBlack = 0xff000000;

QString PicturesDir() {
    return QStringLiteral(PAIRFALL_SOURCE_DIR "/pictures");
}

QString IconsDir() {
    return QStringLiteral(PAIRFALL_SOURCE_DIR "/ui/icons");
}

QString PicturePath(int number) {
    return PicturesDir() + QStringLiteral("/%1.bmp").arg(number);
}

QList<int> AllPictureNumbers() {
    QList<int> numbers;
    for (int id = kFirstCardId; id <= kLastCardId; ++id)
        numbers.append(id);
    numbers.append(kEmptySlotFile);
    return numbers;
}

QRgb Opaque(QRgb c) {
    return c | 0xff000000u;
}

// Index of the first pixel where the two differ in colour, or -1.
int FirstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (Opaque(a.pixel(x, y)) != Opaque(b.pixel(x, y)))
                return y * a.width() + x;
        }
    }
    return -1;
}

bool IsRedInk(QRgb c) {
    return qRed(c) >= 150 && qGreen(c) <= 90 && qBlue(c) <= 90;
}

int CountRedInk(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += IsRedInk(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

quint32 LittleEndian32(const QByteArray& bytes, int offset) {
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<quint8>(bytes.at(offset + i));
    return v;
}

quint16 LittleEndian16(const QByteArray& bytes, int offset) {
    return static_cast<quint16>(static_cast<quint8>(bytes.at(offset)) |
                                (static_cast<quint8>(bytes.at(offset + 1)) << 8));
}

// ------------------------------------------------------------------ files

TEST(PictureFiles, FolderHoldsExactlyTheFiftyThreePictures) {
    const QDir dir(PicturesDir());
    ASSERT_TRUE(dir.exists()) << PicturesDir().toStdString();
    QSet<QString> expected;
    for (int n : AllPictureNumbers())
        expected.insert(QStringLiteral("%1.bmp").arg(n));
    const QStringList present = dir.entryList(QDir::Files);
    const QSet<QString> found(present.begin(), present.end());
    EXPECT_EQ(found, expected) << "found: " << present.join(QLatin1Char(' ')).toStdString();
}

TEST(PictureFiles, EachIsA24BitUncompressedBitmapOfCardSize) {
    constexpr int kHeaderBytes = 54;
    constexpr int kRowBytes = (kCardWidth * 3 + 3) / 4 * 4;
    for (int n : AllPictureNumbers()) {
        SCOPED_TRACE(n);
        QFile file(PicturePath(n));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_GE(bytes.size(), kHeaderBytes);
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        EXPECT_EQ(LittleEndian32(bytes, 2), static_cast<quint32>(bytes.size()));
        EXPECT_EQ(LittleEndian32(bytes, 14), 40u);  // BITMAPINFOHEADER
        EXPECT_EQ(static_cast<qint32>(LittleEndian32(bytes, 18)), kCardWidth);
        EXPECT_EQ(static_cast<qint32>(LittleEndian32(bytes, 22)), kCardHeight);
        EXPECT_EQ(LittleEndian16(bytes, 26), 1);   // planes
        EXPECT_EQ(LittleEndian16(bytes, 28), 24);  // bits per pixel
        EXPECT_EQ(LittleEndian32(bytes, 30), 0u);  // no compression
        EXPECT_EQ(bytes.size(), kHeaderBytes + kRowBytes * kCardHeight);

        const QImage image(PicturePath(n));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(kCardWidth, kCardHeight));
    }
}

TEST(PictureFiles, CardFilesMatchWhatThePainterDrawsNow) {
    for (int id = kFirstCardId; id <= kLastCardId; ++id) {
        const QImage onDisk(PicturePath(id));
        ASSERT_FALSE(onDisk.isNull()) << id;
        const int diff = FirstDifference(onDisk, PaintCard(id));
        EXPECT_EQ(diff, -1) << CardName(id).toStdString() << " (" << id << ".bmp) is stale at pixel ("
                            << diff % kCardWidth << ", " << diff / kCardWidth
                            << "); regenerate with: cmake --build build --target pictures";
    }
}

TEST(PictureFiles, EmptySlotFileMatchesTheBuiltInPicture) {
    const QImage onDisk(PicturePath(kEmptySlotFile));
    ASSERT_FALSE(onDisk.isNull());
    EXPECT_EQ(FirstDifference(onDisk, MakeEmptySlotPicture()), -1);
}

// ------------------------------------------------------------------ empty slot

struct PixelCase {
    int x;
    int y;
    QRgb colour;
};

TEST(EmptySlotPicture, CornersAreBevelled) {
    const QImage img = MakeEmptySlotPicture();
    const PixelCase cases[] = {
        // top left: corner and its two edge neighbours green, the diagonal black
        {0, 0, kSlotGreen}, {1, 0, kSlotGreen}, {0, 1, kSlotGreen}, {1, 1, kSlotBlack}, {2, 0, kSlotBlack},
        {0, 2, kSlotBlack},
        // top right
        {70, 0, kSlotGreen}, {69, 0, kSlotGreen}, {70, 1, kSlotGreen}, {69, 1, kSlotBlack}, {68, 0, kSlotBlack},
        {70, 2, kSlotBlack},
        // bottom left
        {0, 95, kSlotGreen}, {1, 95, kSlotGreen}, {0, 94, kSlotGreen}, {1, 94, kSlotBlack}, {2, 95, kSlotBlack},
        {0, 93, kSlotBlack},
        // bottom right
        {70, 95, kSlotGreen}, {69, 95, kSlotGreen}, {70, 94, kSlotGreen}, {69, 94, kSlotBlack}, {68, 95, kSlotBlack},
        {70, 93, kSlotBlack},
        // along the frame, away from the corners
        {35, 0, kSlotBlack}, {35, 95, kSlotBlack}, {0, 48, kSlotBlack}, {70, 48, kSlotBlack},
    };
    for (const PixelCase& c : cases)
        EXPECT_EQ(Opaque(img.pixel(c.x, c.y)), c.colour) << "pixel (" << c.x << ", " << c.y << ")";
}

struct DotRowCase {
    int row;
    int firstX;
    int stepX;
    int lastX;
};

TEST(EmptySlotPicture, DottedRowsHaveDotsExactlyWhereExpected) {
    const QImage img = MakeEmptySlotPicture();
    const DotRowCase cases[] = {
        {2, 3, 4, 67},  {6, 3, 4, 67},  {50, 3, 4, 67}, {94, 3, 4, 67}, {4, 5, 8, 69},
        {12, 5, 8, 69}, {92, 5, 8, 69}, {8, 1, 8, 65},  {16, 1, 8, 65}, {88, 1, 8, 65},
    };
    for (const DotRowCase& c : cases) {
        QSet<int> dots;
        for (int x = c.firstX; x <= c.lastX; x += c.stepX)
            dots.insert(x);
        // Row 94 also carries the bevel pixels just inside the bottom corners.
        if (c.row == 94) {
            dots.insert(1);
            dots.insert(69);
        }
        for (int x = 1; x <= 69; ++x) {
            EXPECT_EQ(Opaque(img.pixel(x, c.row)), dots.contains(x) ? kSlotBlack : kSlotGreen)
                << "pixel (" << x << ", " << c.row << ")";
        }
    }
}

TEST(EmptySlotPicture, OddRowsInsideTheFrameAreClean) {
    const QImage img = MakeEmptySlotPicture();
    for (int y = 1; y <= 93; y += 2) {
        // Row 1 holds the two top bevel pixels at x = 1 and x = 69.
        const int from = y == 1 ? 2 : 1;
        const int to = y == 1 ? 68 : 69;
        for (int x = from; x <= to; ++x)
            ASSERT_EQ(Opaque(img.pixel(x, y)), kSlotGreen) << "pixel (" << x << ", " << y << ")";
    }
}

// Every pixel, from the rules stated as arithmetic on the coordinates.
TEST(EmptySlotPicture, EveryPixelFollowsTheRules) {
    const QImage img = MakeEmptySlotPicture();
    ASSERT_EQ(img.size(), QSize(kEmptySlotWidth, kEmptySlotHeight));
    const int r = kEmptySlotWidth - 1;
    const int b = kEmptySlotHeight - 1;
    auto expectBlack = [&](int x, int y) {
        const int dx = std::min(x, r - x);  // distance from the nearest side edge
        const int dy = std::min(y, b - y);
        if (dx + dy <= 1)
            return false;  // corner pixel and its edge neighbours
        if (dx == 1 && dy == 1)
            return true;  // bevel
        if (dx == 0 || dy == 0)
            return true;  // frame
        if (y % 2 == 1)
            return false;
        if (y % 4 == 2)
            return x % 4 == 3;
        if (y % 8 == 4)
            return x % 8 == 5;
        return x % 8 == 1;  // y % 8 == 0
    };
    int black = 0;
    for (int y = 0; y <= b; ++y) {
        for (int x = 0; x <= r; ++x) {
            const QRgb want = expectBlack(x, y) ? kSlotBlack : kSlotGreen;
            ASSERT_EQ(Opaque(img.pixel(x, y)), want) << "pixel (" << x << ", " << y << ")";
            black += want == kSlotBlack ? 1 : 0;
        }
    }
    EXPECT_GT(black, 2 * (r + b));  // frame and dots, not an empty field
}

// ------------------------------------------------------------------ card faces

struct CardCase {
    int id;
    int rank;
    Suit suit;
    const char* name;
};

TEST(CardFaces, IdsMapToRankAndSuit) {
    const CardCase cases[] = {
        {1, 1, Suit::Clubs, "Ace of Clubs"},          {10, 10, Suit::Clubs, "Ten of Clubs"},
        {13, 13, Suit::Clubs, "King of Clubs"},       {14, 1, Suit::Diamonds, "Ace of Diamonds"},
        {24, 11, Suit::Diamonds, "Jack of Diamonds"}, {26, 13, Suit::Diamonds, "King of Diamonds"},
        {27, 1, Suit::Hearts, "Ace of Hearts"},       {38, 12, Suit::Hearts, "Queen of Hearts"},
        {40, 1, Suit::Spades, "Ace of Spades"},       {46, 7, Suit::Spades, "Seven of Spades"},
        {52, 13, Suit::Spades, "King of Spades"},
    };
    for (const CardCase& c : cases) {
        EXPECT_EQ(RankOfCard(c.id), c.rank) << c.id;
        EXPECT_EQ(SuitOfCard(c.id), c.suit) << c.id;
        EXPECT_EQ(CardName(c.id).toStdString(), c.name);
    }
}

TEST(CardFaces, RankIndexLabels) {
    const char* expected[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    for (int rank = kAce; rank <= kKing; ++rank)
        EXPECT_EQ(RankIndex(rank).toStdString(), expected[rank - 1]);
}

TEST(CardFaces, EverySuitAndRankOccursOnce) {
    QSet<QString> names;
    std::array<int, 4> perSuit{};
    for (int id = kFirstCardId; id <= kLastCardId; ++id) {
        names.insert(CardName(id));
        ++perSuit.at(static_cast<std::size_t>(SuitOfCard(id)));
    }
    EXPECT_EQ(names.size(), 52);
    for (int n : perSuit)
        EXPECT_EQ(n, 13);
}

TEST(CardFaces, HeartsAndDiamondsAreRed) {
    EXPECT_TRUE(IsRed(Suit::Hearts));
    EXPECT_TRUE(IsRed(Suit::Diamonds));
    EXPECT_FALSE(IsRed(Suit::Clubs));
    EXPECT_FALSE(IsRed(Suit::Spades));
}

TEST(CardFaces, SuitShapesFillTheirBox) {
    const QRectF box(10, 20, 30, 36);
    for (Suit s : {Suit::Clubs, Suit::Diamonds, Suit::Hearts, Suit::Spades}) {
        const QPainterPath path = SuitShape(s, box);
        const QRectF bounds = path.boundingRect();
        EXPECT_TRUE(box.adjusted(-0.5, -0.5, 0.5, 0.5).contains(bounds)) << static_cast<int>(s);
        EXPECT_GT(bounds.width(), box.width() * 0.8) << static_cast<int>(s);
        EXPECT_GT(bounds.height(), box.height() * 0.9) << static_cast<int>(s);
        EXPECT_TRUE(path.contains(box.center())) << static_cast<int>(s);
    }
}

// ------------------------------------------------------------------ painted cards

TEST(CardPainter, CornersShowTheTableAndTheFaceDoesNot) {
    for (int id = kFirstCardId; id <= kLastCardId; ++id) {
        const QImage card = PaintCard(id);
        ASSERT_EQ(card.size(), QSize(kCardWidth, kCardHeight));
        const int r = kCardWidth - 1;
        const int b = kCardHeight - 1;
        for (const QPoint& p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(r, 0), QPoint(r - 1, 0),
                                QPoint(r, 1), QPoint(0, b), QPoint(0, b - 1), QPoint(1, b), QPoint(r, b),
                                QPoint(r - 1, b), QPoint(r, b - 1)})
            EXPECT_EQ(card.pixel(p), kTableGreen) << id << " at (" << p.x() << ", " << p.y() << ")";
        EXPECT_EQ(qAlpha(card.pixel(0, 0)), 255);
        // Mid-edges lie on the border, the middle on the face.
        for (const QPoint& p : {QPoint(35, 0), QPoint(0, 48), QPoint(35, 48), QPoint(20, 30)})
            EXPECT_NE(Opaque(card.pixel(p)), kTableGreen) << id << " at (" << p.x() << ", " << p.y() << ")";
    }
}

TEST(CardPainter, FaceIsWhiteWithADarkBorder) {
    for (int id = kFirstCardId; id <= kLastCardId; ++id) {
        const QImage card = PaintCard(id);
        for (const QPoint& p : {QPoint(35, 0), QPoint(35, 95), QPoint(0, 48), QPoint(70, 48)}) {
            const QRgb c = card.pixel(p);
            EXPECT_LT(qRed(c) + qGreen(c) + qBlue(c), 3 * 80) << id << " border at (" << p.x() << ", " << p.y() << ")";
        }
        EXPECT_EQ(Opaque(card.pixel(35, 2)), 0xffffffffu) << id;
        EXPECT_EQ(Opaque(card.pixel(2, 48)), 0xffffffffu) << id;
    }
}

TEST(CardPainter, RedSuitsUseRedInkAndBlackSuitsNone) {
    for (int id = kFirstCardId; id <= kLastCardId; ++id) {
        const int red = CountRedInk(PaintCard(id));
        if (IsRed(SuitOfCard(id))) {
            EXPECT_GT(red, 40) << CardName(id).toStdString();
        } else {
            EXPECT_EQ(red, 0) << CardName(id).toStdString();
        }
    }
}

// Cards read the same from both ends, except for the pips that sit across
// the middle (and the Ace), which stay upright.
TEST(CardPainter, BothEndsAreTheSameTurnedHalfARound) {
    const QRect corner(0, 0, 12, 26);
    for (int id = kFirstCardId; id <= kLastCardId; ++id) {
        const QImage card = PaintCard(id);
        const QImage turned = card.mirrored(true, true);
        const int rank = RankOfCard(id);
        const bool middlePip = rank == kAce || rank == 3 || rank == 5 || (rank >= 6 && rank <= 9);
        if (middlePip) {
            EXPECT_NE(FirstDifference(card, turned), -1) << CardName(id).toStdString();
            EXPECT_EQ(FirstDifference(card.copy(corner), turned.copy(corner)), -1) << CardName(id).toStdString();
        } else {
            EXPECT_EQ(FirstDifference(card, turned), -1) << CardName(id).toStdString();
        }
    }
}

TEST(CardPainter, EveryCardLooksDifferent) {
    QList<QImage> cards;
    for (int id = kFirstCardId; id <= kLastCardId; ++id)
        cards.append(PaintCard(id));
    for (int i = 0; i < cards.size(); ++i) {
        for (int j = i + 1; j < cards.size(); ++j)
            EXPECT_NE(FirstDifference(cards[i], cards[j]), -1) << i + 1 << " and " << j + 1;
    }
}

TEST(CardPainter, MorePipsMeanMoreInk) {
    auto inked = [](const QImage& card) {
        int n = 0;
        for (int y = 0; y < kCardHeight; ++y) {  // the pip columns, clear of the corner indices
            for (int x = 13; x < 58; ++x) {
                const QRgb c = card.pixel(x, y);
                n += qRed(c) + qGreen(c) + qBlue(c) < 3 * 200 ? 1 : 0;
            }
        }
        return n;
    };
    for (int suitStart : {1, 14, 27, 40}) {
        for (int rank = 2; rank < 10; ++rank) {
            EXPECT_LT(inked(PaintCard(suitStart + rank - 1)), inked(PaintCard(suitStart + rank)))
                << CardName(suitStart + rank - 1).toStdString();
        }
    }
}

TEST(CardPainter, PaintingIsRepeatable) {
    for (int id : {1, 20, 38, 52})
        EXPECT_EQ(PaintCard(id), PaintCard(id)) << id;
}

// ------------------------------------------------------------------ stand-in

TEST(StandIn, DiffersFromTheCardAndNamesIt) {
    QList<QImage> standIns;
    for (int id = kFirstCardId; id <= kLastCardId; ++id) {
        const QImage standIn = PaintStandIn(id);
        ASSERT_EQ(standIn.size(), QSize(kCardWidth, kCardHeight));
        EXPECT_EQ(standIn.pixel(0, 0), kTableGreen) << id;
        EXPECT_NE(FirstDifference(standIn, PaintCard(id)), -1) << id;
        standIns.append(standIn);
    }
    // Each card's stand-in is its own, so the player can tell them apart.
    for (int i = 0; i < standIns.size(); ++i) {
        for (int j = i + 1; j < standIns.size(); ++j)
            EXPECT_NE(FirstDifference(standIns[i], standIns[j]), -1) << i + 1 << " and " << j + 1;
    }
}

TEST(StandIn, HasADashedRedFrameWhereRealCardsArePlain) {
    for (int id = kFirstCardId; id <= kLastCardId; ++id) {
        const QImage standIn = PaintStandIn(id);
        const QImage card = PaintCard(id);
        int red = 0;
        int gaps = 0;
        for (int y = 30; y < 66; ++y) {
            ASSERT_EQ(Opaque(card.pixel(3, y)), 0xffffffffu) << id << " y " << y;
            const bool isRed = IsRedInk(standIn.pixel(3, y));
            red += isRed ? 1 : 0;
            gaps += isRed ? 0 : 1;
        }
        EXPECT_GT(red, 10) << id;
        EXPECT_GT(gaps, 5) << id;  // dashed, not solid
    }
}

// ------------------------------------------------------------------ icon

TEST(ProgramIconFiles, EverySizeExistsIsListedAndIsSquare) {
    QFile qrc(QStringLiteral(PAIRFALL_SOURCE_DIR "/ui/icons.qrc"));
    ASSERT_TRUE(qrc.open(QIODevice::ReadOnly));
    const QString listing = QString::fromUtf8(qrc.readAll());
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString name = QStringLiteral("pairfall-%1.png").arg(size);
        EXPECT_TRUE(listing.contains(QStringLiteral("icons/") + name)) << name.toStdString();
        const QImage icon(IconsDir() + QLatin1Char('/') + name);
        ASSERT_FALSE(icon.isNull()) << name.toStdString();
        EXPECT_EQ(icon.size(), QSize(size, size)) << name.toStdString();
        // A shape on a clear background: some pixels see-through, most not.
        int clear = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x)
                clear += qAlpha(icon.pixel(x, y)) == 0 ? 1 : 0;
        }
        EXPECT_GT(clear, 0) << name.toStdString();
        EXPECT_LT(clear, size * size / 2) << name.toStdString();
    }
}

TEST(ProgramIconFiles, SmallSizesUseAtMostSixteenColours) {
    for (int size : {16, 32}) {
        const QImage icon(IconsDir() + QStringLiteral("/pairfall-%1.png").arg(size));
        ASSERT_FALSE(icon.isNull());
        EXPECT_EQ(icon.format(), QImage::Format_Indexed8) << size;
        EXPECT_LE(icon.colorCount(), 16) << size;
        QSet<QRgb> used;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x)
                used.insert(icon.pixel(x, y));
        }
        EXPECT_LE(used.size(), 16) << size;
        EXPECT_GE(used.size(), 6) << size;  // box, cards, emblem and outline all show
    }
}

}  // namespace
