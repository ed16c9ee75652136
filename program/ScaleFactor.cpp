#include "program/ScaleFactor.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>

namespace pairfall {

void KeepScaleFactorAtLeastOne()
{
    bool isNumber = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&isNumber);
    if (!isNumber || factor >= 1)
        return;
    std::fprintf(stderr, "Pairfall: a QT_SCALE_FACTOR below 1 is not supported; using 1\n");
    qputenv("QT_SCALE_FACTOR", "1");
}

}
