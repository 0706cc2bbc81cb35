#pragma once
// Filmstrips for the gallery: a transition's first frame, the frame where it is halfway along its path and
// its last, side by side.
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <functional>
#include <vector>

#include "FramePixels.hpp"
#include "Gallery.hpp"
#include "ManualAnimationClock.hpp"

namespace pellox::app::testing {

struct Filmstrip {
    std::vector<QImage> frames;

    void take(const QImage& frame) { frames.push_back(frame); }
    // How far the halfway frame lies from the nearer of the first and the last: 0 when nothing moved.
    double motion() const {
        if (frames.size() < 3) return 0;
        const QRect all = frames[1].rect();
        return std::min(meanDifference(frames[1], frames.front(), all),
                        meanDifference(frames[1], frames.back(), all));
    }
    void save(const QString& name, TableTheme theme) const {
        constexpr int gap = 12;
        int width = 0, height = 0;
        for (const QImage& f : frames) {
            width += f.width() + gap;
            height = std::max(height, f.height());
        }
        QImage strip(std::max(width - gap, 1), std::max(height, 1), QImage::Format_ARGB32_Premultiplied);
        strip.fill(Qt::black);
        QPainter painter(&strip);
        int x = 0;
        for (const QImage& f : frames) {
            painter.drawImage(x, 0, f);
            x += f.width() + gap;
        }
        painter.end();
        strip.save(gallery::pathFor(name, theme));
    }
};

// Whole milliseconds until a transition along the spring is halfway along its path (a spring covers most
// of it early and takes long to settle).
inline int halfwayMs(const Spring& spring) {
    int ms = 0;
    while (spring.position(ms / 1000.0) < 0.5)
        ++ms;
    return ms;
}

// Films `grab` at the start of a transition of `spring`, halfway along its path and once it has settled.
inline Filmstrip film(ManualAnimationClock& clock, const Spring& spring,
                      const std::function<QImage()>& grab) {
    Filmstrip strip;
    clock.advance(0);
    strip.take(grab());
    clock.advance(halfwayMs(spring));
    strip.take(grab());
    clock.advance(settleMs(spring));
    strip.take(grab());
    return strip;
}

}  // namespace pellox::app::testing
