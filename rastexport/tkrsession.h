#pragma once
// The raster exporter's data, without a window: the open data file, the viewer's parameters as
// the viewer handed them over, the raster folder, the facts of the record, the export job and
// the state of making (making, made, stop).

#include "plotcore/tcimageprops.h"
#include "rastexport/tkrargs.h"
#include "rastexport/tkrjob.h"
#include "rastexport/tkrraster.h"
#include "rastexport/tkrregion.h"
#include "trcfile/tcsegyreaderex.h"
#include "viewcore/tcviewerparams.h"

#include <functional>

class TKrTraceSource;

class TKrSession {
public:
    TKrSession() = default;
    TKrSession(const TKrSession&) = delete;
    TKrSession& operator=(const TKrSession&) = delete;

    // Opens the data file (file-header check relaxed, trace headers not tested) and takes the
    // viewer's parameters, the raster folder, the record's facts and the AGA mode. Returns 0 or
    // the reader's code.
    int Open(const TKrArgs& args);
    void Close();

    const TKrArgs& Args() const { return m_args; }
    const TKrRecordFacts& Facts() const { return m_facts; }
    TKrRegionRules Rules() const { return TKrRegionRules(m_facts, &m_params.viewOpts); }
    // "ms" or "mcs": microseconds when the display interval is the interval in microseconds.
    QString UnitLabel() const { return m_unit; }
    QString RasterDir() const { return m_rastDir; }
    const TCViewerParams& Params() const { return m_params; }
    TCViewerParams& Params() { return m_params; }
    TCImageProps& Job() { return m_job; }
    const TCImageProps& Job() const { return m_job; }
    double IntervalSeconds() const { return m_dt; }

    // Builds the job into the image properties and draws it into the preview file; progress
    // is called on every 20th trace with the traces done since the last call. The made flag
    // follows the result.
    TKrMakeResult Make(const TKrJob& job, const std::function<void(int)>& progress);
    bool Making() const { return m_making; }
    bool Made() const { return m_made; }
    // Forgets the made picture (and deletes the preview, so a stale one is never saved).
    void Discard();
    void RequestStop();

    // Saves the made picture as `target`: 0 or the message number (KR_SaveRaster).
    int Save(int format, const QString& target);
    // The previous job from the job file into `job`: 0, 15 no file, 27 not valid. The fonts
    // of a valid job become the session's.
    int LoadLastJob(TKrJob& job);
    // On closing: the job, when valid, to the job file; false when it could not be written.
    bool SaveJob() const;

    static QString PreviewFile();

private:
    TKrArgs m_args;
    TCSegyReaderEx m_reader;
    TCViewerParams m_params;
    TCImageProps m_job;
    TKrRecordFacts m_facts;
    QString m_unit;
    QString m_rastDir;
    double m_dt = 0;
    bool m_making = false;
    bool m_made = false;
    TKrTraceSource* m_source = nullptr; // while making
};

// Which controls may act: while a picture is made (or saved) only "Стоп"; "Просмотр" once a
// picture is made, "Сохранить" when a file name is chosen as well.
struct TKrEnabling {
    bool controls = true;
    bool last = true, make = true, view = false, save = false, stop = false;
};
TKrEnabling KR_Enabling(bool making, bool made, bool fileChosen);
