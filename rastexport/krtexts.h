#pragma once
// The raster exporter's texts. Message numbers keep the values the program's users know them by
// (41 for an invalid region ...); the other texts follow from 100 on.

#include <QString>

enum TKrText {
    krUnitMs = 10,
    krUnitMcs = 11,
    krNoLastJob = 15,
    krOpenError = 20, // %1 the reader's code
    krSaveDataError = 26,
    krBadLastJob = 27,
    krNoMemory = 28,
    krUnknownMakeError = 29,
    krImageSaveError = 30,
    krUnknownSaveError = 32,
    krJpegDepth = 33,
    krSaveNoMemory = 34,
    krMakeStopped = 38,
    krBmpSaveError = 39,
    krCaptionOrder = 40,
    krBadRegion = 41,
    krViewerError = 42,

    krAppTitle = 100,
    krFormCaption,
    krBitmapSize, // %1 megabytes
    krFileDialogTitle,
    krFileFilter,  // %1 the format name, %2 its extension
    krSummaryFile, // %1 file name, %2 interval, %3 unit
    krSummaryRange,
    krSummaryReduction, // %1 velocity
    krSummaryNoReduction,
    krSummaryFilter, // %1 low, %2 high
    krSummaryNoFilter,
    krSampleAxis,
    krSampleEmpty,
    krDepth1,
    krDepth4,
    krDepth8,
    krDepth16,
    krDepth24,
};

QString KrText(TKrText id);
