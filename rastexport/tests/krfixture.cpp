#include "krfixture.h"

#include "apptools/appfolders.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

TKrFixtureFile KrWriteRecord(const QString& name, int intervalUs) {
    TKrFixtureFile f;
    f.synth.sources = 2;
    f.synth.receivers = 48;
    f.synth.samples = 1000;
    f.synth.intervalUs = intervalUs;
    f.synth.format = 5;
    f.path = qEnvironmentVariable("GRAVIK_HOME") + QLatin1Char('/') + name;
    EXPECT_EQ(WriteSynthSegy(f.path.toStdString(), f.synth), 0);
    return f;
}

void KrWriteViewerParams(const TCViewerParams& params) {
    ASSERT_TRUE(params.Save(KV_GetImgrParamsFile()));
}

QStringList KrArgs(const QString& file, int t1, int t2, int s1, int s2, bool aga) {
    return {file,
            QString::number(t1),
            QString::number(t2),
            QString::number(s1),
            QString::number(s2),
            QStringLiteral("0"),
            aga ? QStringLiteral("1") : QStringLiteral("0")};
}

std::unique_ptr<TKrMainWin> KrStartForm(const QStringList& args) {
    TKrArgs parsed;
    EXPECT_TRUE(TKrArgs::Parse(args, parsed));
    auto form = std::make_unique<TKrMainWin>(parsed);
    form->show();
    QCoreApplication::sendPostedEvents(form.get(), TKrMainWin::kStartEvent);
    return form;
}

void KrEnterText(QLineEdit* box, const QString& text) {
    box->setText(text);
    emit box->textEdited(text);
    emit box->editingFinished();
}
