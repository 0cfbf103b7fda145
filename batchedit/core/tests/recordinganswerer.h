#pragma once
// An answerer for tests: gives a fixed answer and records every question and notice.

#include "core/tuanswerer.h"

#include <QList>
#include <QStringList>

class RecordingAnswerer : public TUAnswerer {
public:
    bool answer = true;
    QList<int> ids;
    QStringList texts;

    bool Ask(int id, const QString& text) override {
        ids.append(id);
        texts.append(text);
        return answer;
    }
    void Tell(int id, const QString& text) override {
        ids.append(id);
        texts.append(text);
    }
};
