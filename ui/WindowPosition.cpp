#include "ui/WindowPosition.h"

#include "ui/TableLayout.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace pairfall {

int TwipsToPixels(float twips)
{
    const double pixels = std::nearbyint(static_cast<double>(twips) / layout::TwipsPerPixel);
    // Far beyond any screen either way; kept inside int so nothing wraps.
    constexpr double Limit = 1 << 24;
    return static_cast<int>(std::clamp(pixels, -Limit, Limit));
}

float PixelsToTwips(int pixels)
{
    return static_cast<float>(pixels) * layout::TwipsPerPixel;
}

bool IsOnSomeScreen(const QRect& frame)
{
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->geometry().intersects(frame))
            return true;
    }
    return false;
}

}
