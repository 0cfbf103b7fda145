#include "rastexport/tkrraster.h"

#include "plotcore/rasterfiles.h"
#include "plotcore/tcimageprops.h"
#include "plotcore/tcseisimager1.h"
#include "rastexport/krtexts.h"
#include "rastexport/tkrjob.h"
#include "rastexport/tkrtracesource.h"
#include "viewcore/tcviewerparams.h"

#include <QFile>
#include <QImageReader>
#include <QSaveFile>

#include <new>

TKrMakeResult KR_MakeImage(TCImageProps& job, TCViewerParams& params, int interval, int samples,
                           TKrTraceSource& source, const QString& previewFile) {
    TKrMakeResult r;
    try {
        TCSeisImager1 imager;
        if (!source.Reserve(samples)) {
            r.code = krNoMemory;
            return r;
        }
        imager.Init(&job, &params.viewOpts, interval, previewFile);
        imager.SetTrcDelegates(&source, &source);
        if (!imager.AllocateMem())
            r.code = krNoMemory;
        else if (!imager.DrawImage())
            r.code = krMakeStopped;
        else if (!imager.SaveImage())
            r.code = krImageSaveError;
        else
            r.mb = imager.BimapSizeMb();
    } catch (const std::bad_alloc&) {
        r.code = krNoMemory;
    } catch (...) {
        r.code = krUnknownMakeError;
    }
    return r;
}

QString KR_ResultLine(const TKrMakeResult& result) {
    return result.code == 0 ? KrText(krBitmapSize).arg(result.mb, 0, 'f', 2)
                            : KrText(TKrText(result.code));
}

namespace {

// Streams the file into a temporary one that replaces the target only when complete.
bool CopyFile(const QString& from, const QString& to) {
    QFile in(from);
    QSaveFile out(to);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    constexpr qint64 kChunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray block = in.read(kChunk);
        if (block.isEmpty() || out.write(block) != block.size()) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}

TRasterFormat Encoder(int format) {
    switch (format) {
    case kKrGif:
        return TRasterFormat::Gif;
    case kKrPng:
        return TRasterFormat::Png;
    default:
        return TRasterFormat::Jpeg;
    }
}

} // namespace

int KR_SaveRaster(const QString& previewFile, int format, const QString& target) {
    if (format == kKrBmp)
        return CopyFile(previewFile, target) ? 0 : krBmpSaveError;
    if (!QFile::exists(previewFile))
        return krUnknownSaveError;
    try {
        // The preview is the program's own picture, as large as the user made it.
        QImageReader::setAllocationLimit(0);
        QImageReader reader(previewFile, "bmp");
        const QImage image = reader.read();
        // A picture this program wrote that does not load again did not fit into memory.
        if (image.isNull())
            return krSaveNoMemory;
        return T_WriteRaster(image, Encoder(format), 0, target) ? 0 : krUnknownSaveError;
    } catch (const std::bad_alloc&) {
        return krSaveNoMemory;
    } catch (...) {
        return krUnknownSaveError;
    }
}
