#include "rastexport/tkrsession.h"

#include "apptools/appfolders.h"
#include "corebase/files.h"
#include "rastexport/krtexts.h"
#include "rastexport/tkrtracesource.h"
#include "viewcore/tappsettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

QString TKrSession::PreviewFile() {
    return KV_GetImagerPreviewFile();
}

int TKrSession::Open(const TKrArgs& args) {
    m_args = args;
    const int code =
        m_reader.Open(QFile::encodeName(args.file).toStdString(),
                      TCSegyReaderEx::kIgnoreFileHeader | TCSegyReaderEx::kIgnoreTraceHeaders);
    if (code != 0)
        return code;
    m_params.Load(KV_GetImgrParamsFile());
    m_params.SetAgaMode(args.agaMode);

    TAppSettings settings;
    settings.Load();
    m_rastDir = settings.GetRastDir();
    if (m_rastDir.isEmpty())
        m_rastDir = F_GetMyComputerFolder();

    m_facts.traces = m_reader.GetInt(3);
    m_facts.samples = m_reader.GetInt(7);
    m_facts.interval = std::max(1, m_reader.GetInt(5));
    m_facts.recordLength = m_reader.GetInt(11);
    m_unit = KrText(m_reader.GetInt(4) == m_reader.GetInt(5) ? krUnitMcs : krUnitMs);
    m_dt = m_reader.GetInt(4) * 1e-6;
    return 0;
}

void TKrSession::Close() {
    m_reader.Close();
}

void TKrSession::Discard() {
    m_made = false;
    QFile::remove(PreviewFile());
}

void TKrSession::RequestStop() {
    if (m_source)
        m_source->RequestStop();
}

TKrMakeResult TKrSession::Make(const TKrJob& job, const std::function<void(int)>& progress) {
    Discard();
    TKrSummary summary;
    summary.fileName = m_args.file;
    summary.interval = m_facts.interval;
    summary.unit = m_unit;
    KR_BuildJob(m_job, job, summary, m_params);

    m_making = true;
    TKrTraceSource source(&m_reader, &m_params, &m_job, m_dt);
    source.SetProgress(progress);
    m_source = &source;
    const TKrMakeResult r =
        KR_MakeImage(m_job, m_params, m_facts.interval, m_facts.samples, source, PreviewFile());
    m_source = nullptr;
    m_making = false;
    m_made = r.code == 0;
    return r;
}

int TKrSession::Save(int format, const QString& target) {
    m_making = true;
    const int code = KR_SaveRaster(PreviewFile(), format, target);
    m_making = false;
    return code;
}

int TKrSession::LoadLastJob(TKrJob& job) {
    const QString path = KV_GetImagerJobFile();
    if (!QFileInfo::exists(path))
        return krNoLastJob;
    TCImageProps loaded;
    if (!loaded.Load(path) || !loaded.Valid())
        return krBadLastJob;
    for (int i = 0; i < TCImageProps::kFonts; ++i)
        m_job.SetFont(i, loaded.GetFont(i));
    job = KR_JobFromProps(loaded);
    return 0;
}

bool TKrSession::SaveJob() const {
    return !m_job.Valid() || m_job.Save(KV_GetImagerJobFile());
}

TKrEnabling KR_Enabling(bool making, bool made, bool fileChosen) {
    TKrEnabling e;
    e.controls = e.last = e.make = !making;
    e.view = !making && made;
    e.save = e.view && fileChosen;
    e.stop = making;
    return e;
}
