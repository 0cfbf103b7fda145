#pragma once
// The texts plotcore draws on pictures: axis captions in both languages.

#include <QString>

enum class TPlotText {
    TraceAxisRu,
    TraceAxisEn,
    TimeMsRu,
    TimeMcsRu,
    TimeMsEn,
    TimeMcsEn,
    ImgTrace,
    ImgOffset,
};

QString T_PlotText(TPlotText id);
