// What drawing the pictures afresh costs on a large screen: each group of pictures the window
// keeps, drawn at the scale of a 3840 × 2160 screen, with the time it takes and the bytes the
// images hold. Run on one core (taskset -c 0) for the figure a worker thread sees.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <functional>
#include <vector>

#include "ArtCatalogue.h"
#include "CellPictures.h"
#include "Layout.h"
#include "ScaledArt.h"
#include "ScaledSize.h"

namespace kestrel::art {
namespace {

constexpr qreal kScale = 3.6;

using Render = std::function<std::vector<QImage>(const ScaledArt&)>;

std::vector<QImage> lists(const ScaledArt& art, std::initializer_list<PictureList> which) {
    std::vector<QImage> out;
    for (PictureList list : which) {
        for (QImage& image : art.pictures(list)) {
            out.push_back(std::move(image));
        }
    }
    return out;
}

// Renders one group per iteration and reports its pictures and bytes.
void renderGroup(benchmark::State& state, const Render& render) {
    const ScaledArt art(kScale);
    std::vector<QImage> images;
    for (auto _ : state) {
        images = render(art);
        benchmark::DoNotOptimize(images.data());
    }
    qint64 bytes = 0;
    for (const QImage& image : images) {
        bytes += image.sizeInBytes();
    }
    state.counters["pictures"] = static_cast<double>(images.size());
    state.counters["MiB"] = static_cast<double>(bytes) / (1 << 20);
}

// The cells, blur frames, idle reels, dance and glow frames and markers.
void BM_ReelPictures(benchmark::State& state) {
    renderGroup(state, [](const ScaledArt& art) {
        return lists(
            art, {PictureList::listsingles, PictureList::spinlist, PictureList::ScatterDanceFrames,
                  PictureList::WildGlowFrames, PictureList::linepics});
    });
}

// The 110 reel columns, were they all drawn rather than composed from the cells when shown.
void BM_ReelColumns(benchmark::State& state) {
    renderGroup(state, [](const ScaledArt& art) {
        return lists(art, {PictureList::bounceone, PictureList::bouncetwo, PictureList::bouncethree,
                           PictureList::bouncefour, PictureList::bouncefive});
    });
}

void BM_Buttons(benchmark::State& state) {
    renderGroup(state, [](const ScaledArt& art) {
        std::vector<QImage> out;
        for (int i = 0; i < kButtonArtCount; ++i) {
            for (bool enabled : {true, false}) {
                out.push_back(art.button(static_cast<ButtonArt>(i), enabled));
            }
        }
        return out;
    });
}

void BM_Background(benchmark::State& state) {
    renderGroup(state, [](const ScaledArt& art) {
        return std::vector<QImage>{art.picture(Picture::Background)};
    });
}

// The free-spin banners and the information plate they take the place of.
void BM_Banners(benchmark::State& state) {
    renderGroup(state, [](const ScaledArt& art) {
        std::vector<QImage> out;
        for (Picture p : {Picture::ctlfrees1, Picture::ctrlfreesleft1, Picture::freespinscompleted1,
                          Picture::panfreespin}) {
            out.push_back(art.picture(p));
        }
        return out;
    });
}

// Everything else: coins, captions, panels, cards, the pay table and the icon.
void BM_TheRest(benchmark::State& state) {
    renderGroup(state, [](const ScaledArt& art) {
        std::vector<QImage> out = lists(art, {PictureList::imagelistcards});
        for (Picture p :
             {Picture::dollar1, Picture::halfcoin1, Picture::gamblewin, Picture::gamblelose,
              Picture::pannomoney, Picture::LABLASTBET, Picture::LABTHISWIN, Picture::GamblePanel,
              Picture::MenuPanel, Picture::PayTable, Picture::AppIcon}) {
            out.push_back(art.picture(p));
        }
        return out;
    });
}

// What the window pays to show the reels at 3840 × 2160, per picture painted onto a frame like
// the window's: a blur frame and a cell picture are copied, a cell kept in layers is composed
// from three (and costs no memory of its own).
struct Painting {
    Painting() : frame(scaledSize(layout::kWindow, kScale), QImage::Format_RGB32) {
        frame.fill(Qt::black);
    }
    QImage frame;
};

// Paints one picture drawn at the scale, as a label copies it, per iteration.
void paintPicture(benchmark::State& state, const QImage& picture) {
    const QPixmap pixmap = QPixmap::fromImage(picture);
    Painting painting;
    QPainter painter(&painting.frame);
    for (auto _ : state) {
        painter.drawPixmap(400, 300, pixmap);
    }
}

void BM_PaintBlurFrame(benchmark::State& state) {
    paintPicture(state, ScaledArt(kScale).picture(PictureList::spinlist, 2));
}

void BM_PaintCellPicture(benchmark::State& state) {
    paintPicture(state, ScaledArt(kScale).picture(PictureList::listsingles, 4));
}

void BM_PaintCellFromLayers(benchmark::State& state) {
    const ScaledArt art(kScale);
    CellPictures cells;
    cells.add(PictureList::listsingles, art.cellLayers(PictureList::listsingles));
    Painting painting;
    QPainter painter(&painting.frame);
    painter.translate(400, 300);
    int index = 0;
    for (auto _ : state) {
        cells.paint(painter, PictureList::listsingles, index % 36 + 1);
        ++index;
    }
}

BENCHMARK(BM_PaintBlurFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintCellPicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintCellFromLayers)->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_ReelPictures)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReelColumns)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Buttons)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Background)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Banners)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TheRest)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace kestrel::art

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
