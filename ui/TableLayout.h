#pragma once

#include "art/CardSize.h"

#include <QColor>
#include <QPoint>
#include <QSize>

// The table as laid out at 15 twips a pixel (96 dpi); Qt scales the pixels
// for high-DPI screens.
namespace pairfall::layout {

inline constexpr int TwipsPerPixel = 15;
inline constexpr int TwipsPerInch = 1440;

inline constexpr QSize ClientArea { 385, 388 }; // below the menu bar
inline constexpr int StatusBarHeight = 18;

inline constexpr int SlotColumns = 4;
inline constexpr int SlotMargin = 24;
inline constexpr int ColumnPitch = 88;
inline constexpr int RowPitch = 112;
inline constexpr QSize SlotSize = CardSize; // the empty-slot picture's size

// An outline is one pixel taller than its slot, with a 5-pixel border centred
// on its edge: the two outer pixels show around the card, the rest lie under it.
inline constexpr int OutlineExtraHeight = 1;
inline constexpr int OutlineBorderWidth = 5;
inline constexpr int OutlineOutside = OutlineBorderWidth / 2;

inline constexpr QColor OutlineBlue { 0, 0, 255 };

// The keyboard's focus ring: white dots two pixels square, one pixel clear of
// the outline, so neither the card nor its outline loses a pixel.  White on
// the table green is about 5:1.
inline constexpr int FocusRingGap = 1;
inline constexpr int FocusRingWidth = 2;
inline constexpr QColor FocusRingWhite { 255, 255, 255 };

inline constexpr QPoint SlotPosition(int index)
{
    return { SlotMargin + (index % SlotColumns) * ColumnPitch, SlotMargin + (index / SlotColumns) * RowPitch };
}

}
