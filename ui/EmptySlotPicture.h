#pragma once

#include <QImage>

// The picture of a place on the table where no card lies.
constexpr int kEmptySlotWidth = 71;
constexpr int kEmptySlotHeight = 96;

QImage MakeEmptySlotPicture();
