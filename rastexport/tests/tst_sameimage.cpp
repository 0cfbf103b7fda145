// The exported picture is what the raster imager draws for the same job, from the samples the
// viewer's plotter is given for the same frame and parameters: the exporter draws nothing of
// its own and processes the traces through the viewer's chain.
#include "krfixture.h"

#include "apptools/appfolders.h"
#include "plotcore/tcimageprops.h"
#include "plotcore/tcimgsources.h"
#include "plotcore/tcseisimager1.h"
#include "plotcore/tcseisplotter1.h"
#include "trcfile/tcsegyreaderex.h"
#include "uikit/uimsgbox.h"
#include "viewcore/tcframecasheb.h"
#include "viewcore/tctracesupplier.h"

#include <QFile>
#include <QImage>
#include <QPushButton>

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

// The viewer's side: the plotter draws a frame through the viewer's chain, and every trace's
// samples are kept; the imager then reads them back as its data.
class ViewerFrame : public TCTrcDelegate, public TCImgTraceSource {
public:
    ViewerFrame(const QString& file, const TCViewerParams& params) : m_params(params) {
        EXPECT_EQ(m_reader.Open(file.toStdString(), 3), 0);
        m_supplier.Bind(&m_reader, &m_params, &m_cache);
        m_supplier.SetInterval(m_reader.GetInt(4) * 1e-6);
    }
    // Draws the frame at `vertex` on a canvas of `size`; returns the frame's rectangle.
    QRect Draw(const QPoint& vertex, const QSize& size) {
        QImage canvas(size, QImage::Format_RGB32);
        TCSeisPlotter1 plotter;
        plotter.Init(&canvas, &m_params.viewOpts, true);
        plotter.SetFileInfo(m_reader.GetInt(3), m_reader.GetInt(4), m_reader.GetInt(7));
        plotter.SetDelegate(this);
        plotter.Update(vertex);
        return plotter.GetFrameRect();
    }
    const float* ProvideTrace(const TCSeisPlotter1& plotter, int trace) override {
        const float* p = m_supplier.ProvideTrace(plotter, trace);
        const QRect f = plotter.GetFrameRect();
        if (p)
            m_samples[trace].assign(p, p + (f.bottom() - f.top() + 1));
        return p;
    }
    const float* ImgTrace(int trace, int) override {
        const auto it = m_samples.find(trace);
        return it == m_samples.end() ? nullptr : it->second.data();
    }

private:
    TCSegyReaderEx m_reader;
    TCViewerParams m_params;
    TCFrameCasheB m_cache;
    TCTraceSupplier m_supplier;
    std::map<int, std::vector<float>> m_samples;
};

struct ParamsCase {
    const char* name;
    void (*set)(TCViewerParams&);
    bool aga;
};

const ParamsCase kCases[] = {
    {"fixed gain, steps 2 and 2",
     [](TCViewerParams& p) {
         p.signal.gain[0] = 4.0f;
         p.viewOpts.tStep = 2;
         p.viewOpts.sStep = 2;
     },
     false},
    {"filter and AGC",
     [](TCViewerParams& p) {
         p.signal.mode = 2;
         p.signal.filtOn = true;
         p.signal.lowFreq = 10;
         p.signal.highFreq = 50;
         p.viewOpts.sScale = 2;
     },
     false},
    {"normalisation, reduction by offsets, delay",
     [](TCViewerParams& p) {
         p.signal.mode = 1;
         p.signal.reduOn = true;
         p.signal.offsetByTrace = false;
         p.signal.rVel = 3000.0f;
         p.signal.delayOn = true;
         p.signal.delay = 12;
         p.signal.maxDelay = 1000;
     },
     false},
    {"AGA table",
     [](TCViewerParams& p) {
         p.gainTable.Add(1, 2.0f);
         p.gainTable.Add(40, 8.0f);
     },
     true},
};

TEST(KrSameImage, TheExportIsTheImagersPictureOfTheViewersSamples) {
    const TKrFixtureFile file = KrWriteRecord();
    for (const ParamsCase& c : kCases) {
        SCOPED_TRACE(c.name);
        TCViewerParams params;
        c.set(params);
        KrWriteViewerParams(params);
        TCViewerParams viewerParams;
        ASSERT_TRUE(viewerParams.Load(KV_GetImgrParamsFile()));
        viewerParams.SetAgaMode(c.aga);

        ViewerFrame viewer(file.path, viewerParams);
        const QRect frame = viewer.Draw(QPoint(4, 60), QSize(400, 500));
        ASSERT_GT(frame.right(), frame.left());
        ASSERT_GT(frame.bottom(), frame.top());

        MsgRecorder msgs;
        auto form = KrStartForm(
            KrArgs(file.path, frame.left(), frame.right(), frame.top(), frame.bottom(), c.aga));
        ASSERT_EQ(form->Session().Params().AgaMode(), c.aga);
        form->findChild<QPushButton*>("p_bnMake")->click();
        ASSERT_TRUE(form->Session().Made()) << msgs.texts().join("|").toStdString();
        const TCImageProps& job = form->Session().Job();
        // The exporter took the viewer's frame as it was.
        ASSERT_EQ(job.Domain(), frame);

        TCImageProps sameJob = job;
        const QString reference = qEnvironmentVariable("GRAVIK_HOME") + "/reference.bmp";
        TCSeisImager1 imager;
        imager.Init(&sameJob, &viewerParams.viewOpts, form->Session().Facts().interval, reference);
        imager.SetTrcDelegates(&viewer, nullptr);
        ASSERT_TRUE(imager.AllocateMem());
        ASSERT_TRUE(imager.DrawImage());
        ASSERT_TRUE(imager.SaveImage());

        QFile a(TKrSession::PreviewFile()), b(reference);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly));
        ASSERT_TRUE(b.open(QIODevice::ReadOnly));
        EXPECT_TRUE(a.readAll() == b.readAll());
    }
}

} // namespace
