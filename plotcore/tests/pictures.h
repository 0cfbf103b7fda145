#pragma once
// Helpers of the drawing tests: saving a checked picture for reviewers, and finding the runs of
// ink along a row of text.

#include <QDir>
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

// When GRAVIK_PICTURES names a folder, the picture is saved there as `name`.png, so a layout
// can be looked at as well as asserted.
inline void T_SavePicture(const QImage& image, const char* name) {
    const QString dir = qEnvironmentVariable("GRAVIK_PICTURES");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    image.save(QDir(dir).filePath(QString::fromLatin1(name) + QStringLiteral(".png")), "PNG");
}

// Column spans [first, last] holding anything but white in rows top <= y < top + height; runs
// closer than `join` white columns count as one (the letters of one word stand 1 or 2 columns
// apart).
inline std::vector<std::pair<int, int>> T_InkRuns(const QImage& img, int top, int height,
                                                  int join = 2) {
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < img.width(); ++x) {
        bool ink = false;
        for (int y = std::max(top, 0); y < std::min(top + height, img.height()) && !ink; ++y)
            ink = (img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
        if (!ink)
            continue;
        if (!runs.empty() && x - runs.back().second <= join + 1)
            runs.back().second = x;
        else
            runs.emplace_back(x, x);
    }
    return runs;
}
