#pragma once

#include "art/CardSize.h"

#include <QImage>

// The picture of a place on the table where no card lies.
constexpr int kEmptySlotWidth = pairfall::CardWidth;
constexpr int kEmptySlotHeight = pairfall::CardHeight;

QImage MakeEmptySlotPicture();
