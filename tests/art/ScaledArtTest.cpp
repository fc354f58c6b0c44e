#include <gtest/gtest.h>
#include <QPainter>
#include <functional>
#include <map>
#include <memory>
#include <thread>

#include "ArtCatalogue.h"
#include "ArtTestSupport.h"
#include "ButtonArtist.h"
#include "ButtonPlaces.h"
#include "CabinetArt.h"
#include "CellPictures.h"
#include "Geometry.h"
#include "Layout.h"
#include "ReelStrips.h"
#include "ScaledArt.h"
#include "ScaledSize.h"

namespace kestrel {
namespace {

using art::ScaledArt;
using test::argb;
using test::book;

// The scale of a 3840 × 2160 screen, and one at which most sizes end on a fraction above a half
// (125 → 171.8, 800 → 1099.52, 600 → 824.64) and the bottom cell reaches a pixel past its column.
constexpr qreal kLargeScreen = 3.6;
constexpr qreal kAwkward = 1.3744;

const ScaledArt& artAt(qreal scale) {
    static std::map<qreal, std::unique_ptr<ScaledArt>> renderers;
    auto& art = renderers[scale];
    if (!art) {
        art = std::make_unique<ScaledArt>(scale);
    }
    return *art;
}

bool isOpaque(PictureList list) {
    return list != PictureList::linepics && list != PictureList::imagelistcards;
}

bool isOpaque(Picture picture) {
    return picture == Picture::Background || picture == Picture::LABLASTBET ||
           picture == Picture::LABTHISWIN || picture == Picture::PayTable;
}

std::string nameOf(PictureList list, int index) {
    return std::string(art::entry(list).name) + " " + std::to_string(index);
}

// Calls `check` with every picture of the game at `scale`, its logical size, whether it covers
// every pixel and its name. Of the 110 reel columns, which repeat one composition, only the
// first and last stop of each reel.
void forEveryPicture(
    const ScaledArt& art,
    const std::function<void(const QImage&, QSize, bool opaque, const std::string&)>& check) {
    for (int i = 0; i < kPictureListCount; ++i) {
        const auto list = static_cast<PictureList>(i);
        const art::ListEntry& e = art::entry(list);
        for (int k = 1; k <= e.count; ++k) {
            if (reelOfColumnList(list) == 0 || k == 1 || k == e.count) {
                check(art.picture(list, k), e.size, isOpaque(list), nameOf(list, k));
            }
        }
    }
    for (int i = 0; i < kPictureCount; ++i) {
        const auto picture = static_cast<Picture>(i);
        check(art.picture(picture), art::entry(picture).size, isOpaque(picture),
              art::entry(picture).name);
    }
    for (int i = 0; i < kButtonArtCount; ++i) {
        const auto button = static_cast<ButtonArt>(i);
        for (bool enabled : {true, false}) {
            check(art.button(button, enabled), buttonPlace(button).size(), false,
                  std::string("button ") + art::kButtonNames[i] + (enabled ? "" : " disabled"));
        }
    }
}

QImage argbImage(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// --- at scale 1, the pictures of the 800 × 600 machine ---

TEST(ScaledArtAtOne, isTheBakedBookPixelForPixel) {
    const ScaledArt& art = artAt(1);
    ASSERT_TRUE(art.isValid());
    for (int i = 0; i < kPictureListCount; ++i) {
        const auto list = static_cast<PictureList>(i);
        for (int k = 1; k <= art::entry(list).count; ++k) {
            ASSERT_EQ(argbImage(art.picture(list, k)), argb(book().picture(list, k)))
                << nameOf(list, k);
        }
        EXPECT_TRUE(art.picture(list, 0).isNull());
        EXPECT_TRUE(art.picture(list, art::entry(list).count + 1).isNull());
    }
    for (int i = 0; i < kPictureCount; ++i) {
        const auto picture = static_cast<Picture>(i);
        EXPECT_EQ(argbImage(art.picture(picture)), argb(book().picture(picture)))
            << art::entry(picture).name;
    }
    for (int i = 0; i < kButtonArtCount; ++i) {
        const auto button = static_cast<ButtonArt>(i);
        for (bool enabled : {true, false}) {
            EXPECT_EQ(argbImage(art.button(button, enabled)), argb(book().button(button, enabled)))
                << art::kButtonNames[i];
        }
    }
}

// --- sizes and formats at any scale ---

// A whole list is drawn with shared strips and shadows; it must be its pictures one by one, also
// at a scale where the strips' rounding could shift a frame.
TEST(ScaledArtSizes, aWholeListIsItsPicturesOneByOne) {
    const ScaledArt& art = artAt(kAwkward);
    for (PictureList list :
         {PictureList::spinlist, PictureList::listsingles, PictureList::ScatterDanceFrames,
          PictureList::WildGlowFrames, PictureList::imagelistcards}) {
        const std::vector<QImage> whole = art.pictures(list);
        ASSERT_EQ(static_cast<int>(whole.size()), art::entry(list).count);
        for (int k = 1; k <= art::entry(list).count; ++k) {
            ASSERT_EQ(whole[static_cast<size_t>(k - 1)], art.picture(list, k)) << nameOf(list, k);
        }
    }
}

// The window places a widget of scaledSize(its place) for each picture: the picture must have
// exactly that size, a ratio of one (or Qt would draw it smaller), and no alpha channel only
// where it covers every pixel.
TEST(ScaledArtSizes, everyPictureHasTheScaledSizeOfItsPlaceAndItsFormat) {
    for (qreal scale : {1.8, kLargeScreen, kAwkward, 0.5}) {
        forEveryPicture(artAt(scale), [&](const QImage& image, QSize logical, bool opaque,
                                          const std::string& name) {
            ASSERT_EQ(image.size(), scaledSize(logical, scale)) << name << " at " << scale;
            EXPECT_EQ(image.devicePixelRatio(), 1.0) << name << " at " << scale;
            EXPECT_EQ(image.format(),
                      opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied)
                << name << " at " << scale;
        });
    }
}

int channelGap(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// Mean colour difference between the last line of pixels (a row or a column) and the one before.
double edgeStep(const QImage& image, bool bottom) {
    const int n = bottom ? image.width() : image.height();
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        sum +=
            bottom
                ? channelGap(image.pixel(i, image.height() - 1), image.pixel(i, image.height() - 2))
                : channelGap(image.pixel(image.width() - 1, i), image.pixel(image.width() - 2, i));
    }
    return sum / n;
}

// Where a size was rounded up, the drawing covers only part of the last row and column; an
// opaque picture must show the colour drawn there, not a seam of what was never drawn. The step
// from the last line to the one before may be no larger than in the 1:1 picture, which has no
// partly covered pixels (a meter caption ends on the edge of the glass's sheen at either scale).
TEST(ScaledArtSizes, opaquePicturesHaveNoSeamAtARoundedEdge) {
    std::map<std::string, std::pair<double, double>> atOne;
    forEveryPicture(artAt(1),
                    [&](const QImage& image, QSize, bool opaque, const std::string& name) {
                        if (opaque) {
                            atOne[name] = {edgeStep(image, true), edgeStep(image, false)};
                        }
                    });
    forEveryPicture(artAt(kAwkward), [&](const QImage& image, QSize, bool opaque,
                                         const std::string& name) {
        if (opaque) {
            EXPECT_LT(edgeStep(image, true), atOne[name].first + 15) << name << ": bottom row";
            EXPECT_LT(edgeStep(image, false), atOne[name].second + 15) << name << ": right column";
        }
    });
}

// --- sharp at the pixels it covers, with the look of the 1:1 picture ---

// Mean squared grey step between neighbouring pixels: the same edge drawn sharp has its whole
// step between two pixels, stretched it has it spread over several, which squares to less.
double edgeEnergy(const QImage& image) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    double sum = 0;
    for (int y = 0; y + 1 < grey.height(); ++y) {
        const uchar* line = grey.constScanLine(y);
        const uchar* next = grey.constScanLine(y + 1);
        for (int x = 0; x + 1 < grey.width(); ++x) {
            const double dx = line[x + 1] - line[x];
            const double dy = next[x] - line[x];
            sum += dx * dx + dy * dy;
        }
    }
    return sum / (static_cast<double>(grey.width()) * grey.height());
}

double meanGap(const QImage& a, const QImage& b) {
    const QImage x = argbImage(a);
    const QImage y = argbImage(b);
    double sum = 0;
    for (int j = 0; j < x.height(); ++j) {
        for (int i = 0; i < x.width(); ++i) {
            sum += channelGap(x.pixel(i, j), y.pixel(i, j)) / 3.0;
        }
    }
    return sum / (static_cast<double>(x.width()) * x.height());
}

QImage resized(const QImage& image, QSize size) {
    return argbImage(image).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

struct Sample {
    PictureList list;
    int index;
};

// A symbol (the jukebox, the badge with its SVG lettering), a button's lettering and a marker's
// number, drawn at 3.6, against their 1:1 pictures stretched to the same size.
TEST(ScaledArtSharpness, vectorArtIsDrawnForTheLargeScreenNotStretched) {
    const ScaledArt& art = artAt(kLargeScreen);
    const auto compare = [](const QImage& drawn, const QImage& small, const std::string& name) {
        const QImage stretched = resized(small, drawn.size());
        EXPECT_GT(edgeEnergy(drawn), 2.0 * edgeEnergy(stretched)) << name;
        // And it is the same picture, not something else that happens to be sharp.
        EXPECT_LT(meanGap(resized(drawn, small.size()), small), 8) << name;
    };
    for (const Sample s : {Sample{PictureList::listsingles, pictureIndex(Symbol::S2, Row::Middle)},
                           Sample{PictureList::listsingles, pictureIndex(Symbol::S3, Row::Top)},
                           Sample{PictureList::linepics, 17}}) {
        compare(art.picture(s.list, s.index), argb(book().picture(s.list, s.index)),
                nameOf(s.list, s.index));
    }
    compare(art.button(ButtonArt::Play5), argb(book().button(ButtonArt::Play5)), "Play5");
    compare(art.picture(Picture::ctlfrees1), argb(book().picture(Picture::ctlfrees1)), "ctlfrees1");
}

// Blurs, shadows and glows widen with the scale: drawn large or small and brought back to 1:1,
// the motion blur frames and a glowing wild look as the 1:1 pictures do. (Blurs of their 1:1
// radius would leave the large frames streaked with sharp symbols, far from the 1:1 look.)
TEST(ScaledArtSharpness, blursAndShadowsKeepTheirSpreadAtEveryScale) {
    const std::vector<Sample> samples = {
        {PictureList::spinlist, 2}, {PictureList::spinlist, 9}, {PictureList::WildGlowFrames, 4}};
    for (const Sample s : samples) {
        const QImage original = argb(book().picture(s.list, s.index));
        const QImage back = resized(artAt(kLargeScreen).picture(s.list, s.index), original.size());
        EXPECT_LT(meanGap(back, original), 2.5) << nameOf(s.list, s.index);
    }
    // At half size the detail the 1:1 picture has is lost either way; its blur is not.
    for (const Sample s : {samples[0], samples[1]}) {
        const QImage original = argb(book().picture(s.list, s.index));
        const QImage small = artAt(0.5).picture(s.list, s.index);
        EXPECT_LT(meanGap(resized(small, original.size()),
                          resized(resized(original, small.size()), original.size())),
                  6)
            << nameOf(s.list, s.index) << " at half size";
    }
}

// Every picture, drawn large or small and brought back to 1:1, is its 1:1 picture: a painter that
// drew in device pixels, or at the wrong size, would not be.
TEST(ScaledArtSharpness, everyPictureAtAnyScaleLooksLikeItsPictureAtOne) {
    std::map<std::string, QImage> atOne;
    forEveryPicture(artAt(1), [&](const QImage& image, QSize, bool, const std::string& name) {
        atOne[name] = argbImage(image);
    });
    for (qreal scale : {kLargeScreen, 0.5}) {
        forEveryPicture(artAt(scale), [&](const QImage& image, QSize, bool,
                                          const std::string& name) {
            const QImage& original = atOne[name];
            const QImage reference =
                scale < 1 ? resized(resized(original, image.size()), original.size()) : original;
            // Fine detail (a card's lattice, thin outlines) lost at half size keeps the bound wide
            // there; a picture drawn at twice or half its size misses it many times over.
            EXPECT_LT(meanGap(resized(image, original.size()), reference), scale < 1 ? 20 : 10)
                << name << " at " << scale;
        });
    }
}

// --- pictures that lie on one another line up at every scale ---

// The window shows a pressed button by hiding it over the background: at the device pixels it
// places the button, the background must hold the button's pressed look.
TEST(ScaledArtPlacement, theBackgroundShowsEachPressedLookWhereTheButtonStands) {
    for (qreal scale : {1.0, kAwkward, kLargeScreen}) {
        const QImage background = artAt(scale).picture(Picture::Background);
        for (int i = 0; i < kButtonArtCount; ++i) {
            const auto button = static_cast<ButtonArt>(i);
            const QRect place = scaledRect(buttonPlace(button), scale);
            const QImage pressed = art::buttonPicture(button, art::cabinetLook(button), scale);
            ASSERT_EQ(pressed.size(), place.size());
            int compared = 0;
            for (int y = 0; y < pressed.height(); ++y) {
                for (int x = 0; x < pressed.width(); ++x) {
                    if (qAlpha(pressed.pixel(x, y)) == 255) {
                        ASSERT_EQ(background.pixel(place.topLeft() + QPoint(x, y)),
                                  pressed.pixel(x, y))
                            << art::kButtonNames[i] << " at " << x << "," << y << " at " << scale;
                        ++compared;
                    }
                }
            }
            EXPECT_GT(compared, place.width() * place.height() / 2) << art::kButtonNames[i];
            // And it is not merely the raised button again.
            EXPECT_NE(argbImage(artAt(scale).button(button, true)), argbImage(pressed))
                << art::kButtonNames[i] << " at " << scale;
        }
    }
}

TEST(ScaledArtPlacement, betCaptionsAreTheBackgroundRoundTheirLetters) {
    for (qreal scale : {1.0, kAwkward, kLargeScreen}) {
        const QRect strip = scaledRect(layout::meterCaption(layout::kBetMeter), scale);
        const QImage under = artAt(scale).picture(Picture::Background).copy(strip);
        for (Picture caption : {Picture::LABLASTBET, Picture::LABTHISWIN}) {
            const QImage image = artAt(scale).picture(caption);
            ASSERT_EQ(image.size(), strip.size()) << art::entry(caption).name << " at " << scale;
            const int margin = scaledLength(3, scale);
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (x < margin || x >= image.width() - margin) {
                        ASSERT_EQ(image.pixel(x, y), under.pixel(x, y))
                            << art::entry(caption).name << " at " << x << "," << y;
                    }
                }
            }
            EXPECT_GT(meanGap(image, under), 1) << art::entry(caption).name << " is blank";
        }
    }
}

// A blinking cell hides to show the plain reel under it, and a column is replaced by its cells
// when the reel settles: at every scale the cells must match the plain reel and the columns.
TEST(ScaledArtPlacement, cellsLieOnThePlainReelAndMakeUpTheColumns) {
    for (qreal scale : {1.0, kAwkward, kLargeScreen}) {
        const ScaledArt& art = artAt(scale);
        const QImage reel = art.picture(PictureList::spinlist, 11);
        // The first and last pixels of a side, `corner` of each: a cell's corners lie outside
        // every symbol.
        const int corner = scaledLength(4, scale);
        const auto ends = [corner](int length) {
            std::vector<int> at;
            for (int i = 0; i < corner; ++i) {
                at.push_back(i);
                at.push_back(length - 1 - i);
            }
            return at;
        };
        for (PictureList list : {PictureList::listsingles, PictureList::ScatterDanceFrames,
                                 PictureList::WildGlowFrames}) {
            const int perRow = art::entry(list).count / kRows;
            for (int k = 1; k <= art::entry(list).count; ++k) {
                const int row =
                    list == PictureList::listsingles ? (k - 1) % kRows : (k - 1) / perRow;
                const QRect place = scaledRect(QRect(0, 125 * row, 125, 125), scale);
                const QImage cell = art.picture(list, k);
                for (int y : ends(cell.height())) {
                    for (int x : ends(cell.width())) {
                        if (place.top() + y < reel.height()) {
                            ASSERT_EQ(cell.pixel(x, y), reel.pixel(x, place.top() + y))
                                << nameOf(list, k) << " at " << x << "," << y << " at " << scale;
                        }
                    }
                }
            }
        }
        for (int reelNumber = 1; reelNumber <= kReels; ++reelNumber) {
            const int stop = 3 * reelNumber;
            const QImage column = art.picture(columnList(reelNumber), stop);
            for (Row row : {Row::Top, Row::Middle, Row::Bottom}) {
                const QRect place =
                    scaledRect(QRect(0, 125 * static_cast<int>(row), 125, 125), scale)
                        .intersected(column.rect());
                const QImage cell = art.picture(
                    PictureList::listsingles, pictureIndex(stopSymbol(reelNumber, stop, row), row));
                ASSERT_EQ(column.copy(place), cell.copy(QRect(QPoint(0, 0), place.size())))
                    << "reel " << reelNumber << " stop " << stop << " at " << scale;
            }
        }
    }
}

// The largest difference of one colour channel between two pictures of one size.
int largestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

// Kept in layers, a cell list paints every picture of the list: the symbols exactly, the frames
// (whose light, symbol and sparkles are merged into one layer first) within a rounding step.
TEST(ScaledArtPlacement, cellListsInLayersPaintAsTheirPictures) {
    for (qreal scale : {kAwkward, 1.8}) {
        const ScaledArt& art = artAt(scale);
        for (PictureList list : {PictureList::listsingles, PictureList::ScatterDanceFrames,
                                 PictureList::WildGlowFrames}) {
            CellLayers layers = art.cellLayers(list);
            ASSERT_EQ(static_cast<int>(layers.layers.size()), cellGroups(list));
            CellPictures cells;
            cells.add(list, std::move(layers));
            ASSERT_TRUE(cells.has(list));
            const std::vector<QImage> pictures = art.pictures(list);
            for (int k = 1; k <= art::entry(list).count; ++k) {
                const QImage painted = cells.picture(list, k).toImage();
                const QImage& picture = pictures[static_cast<size_t>(k - 1)];
                ASSERT_EQ(painted.size(), picture.size()) << nameOf(list, k);
                const int tolerance = list == PictureList::listsingles ? 0 : 2;
                EXPECT_LE(largestDifference(painted, picture), tolerance)
                    << nameOf(list, k) << " at " << scale;
            }
            EXPECT_TRUE(cells.picture(list, art::entry(list).count + 1).isNull());
        }
    }
    EXPECT_TRUE(artAt(kAwkward).cellLayers(PictureList::spinlist).isEmpty());
}

// --- a worker thread ---

// The window draws in a worker thread: the SVG symbols (the badge's lettering among them) and
// the DejaVu lettering must come out there as they do in the GUI thread.
TEST(ScaledArtThreads, aRendererInAWorkerThreadDrawsAsTheGuiThreadDoes) {
    const auto draw = [](const ScaledArt& art) {
        return std::vector<QImage>{
            art.picture(PictureList::listsingles, pictureIndex(Symbol::S3, Row::Middle)),
            art.picture(PictureList::spinlist, 3),
            art.picture(PictureList::linepics, 12),
            art.button(ButtonArt::autoplayon),
            art.picture(Picture::freespinscompleted1),
            art.picture(Picture::panfreespin),
        };
    };
    std::vector<QImage> atOne;
    std::vector<QImage> large;
    std::thread worker([&] {
        atOne = draw(ScaledArt(1));
        large = draw(ScaledArt(kLargeScreen));
    });
    worker.join();
    const std::vector<QImage> mainOne = draw(artAt(1));
    const std::vector<QImage> mainLarge = draw(artAt(kLargeScreen));
    ASSERT_EQ(atOne.size(), mainOne.size());
    for (size_t i = 0; i < atOne.size(); ++i) {
        EXPECT_EQ(atOne[i], mainOne[i]) << "picture " << i;
        EXPECT_EQ(large[i], mainLarge[i]) << "picture " << i;
    }
    // The pictures the worker drew at scale 1 are the ones baked for the window.
    EXPECT_EQ(argbImage(atOne[3]), argb(book().button(ButtonArt::autoplayon)));
    EXPECT_EQ(argbImage(atOne[4]), argb(book().picture(Picture::freespinscompleted1)));
}

}  // namespace
}  // namespace kestrel
