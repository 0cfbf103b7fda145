#pragma once
// The description of a raster picture of a section: the trace and sample range ("domain"),
// the colour depth, three fonts, six caption strings and how offsets are labelled. The raster
// exporter keeps its last job in an INI file through Save and Load.
//
// The domain is a QRect built as QRect(QPoint(T1, S1), QPoint(T2, S2)): left() is the first
// trace, top() the first sample, right() the last trace and bottom() the last sample, all
// counted from 1.
//
// Fonts: 0 info lines and axes, 1 title and right caption, 2 subtitle. Captions: 0 to 2 info
// lines (top left, not stored in the file), 3 title, 4 subtitle, 5 right caption.

#include "plotcore/tfontinfo.h"

#include <QRect>
#include <QString>

enum class TPixFormat { Bits1 = 1, Bits4 = 4, Bits8 = 8, Bits16 = 16, Bits24 = 24 };

class TCImageProps {
public:
    static constexpr int kFonts = 3;
    static constexpr int kCaptions = 6;

    TCImageProps();

    // T1 differs from T2 and S1 differs from S2.
    bool Valid() const;

    void SetProps(const QRect& domain, int colorBits, bool offAxis, int offFactor);
    void GetProps(QRect& domain, int& colorBits, bool& offAxis, int& offFactor) const;
    QRect Domain() const { return QRect(QPoint(m_t1, m_s1), QPoint(m_t2, m_s2)); }
    int GetT1() const { return m_t1; }
    int GetT2() const { return m_t2; }
    int GetS1() const { return m_s1; }
    int GetS2() const { return m_s2; }

    // Indexes outside 0..2 (0..5 for captions) are ignored on set and give an empty value.
    void SetFont(int i, const TFontInfo& font);
    TFontInfo GetFont(int i) const;
    void SetStrInfo(int i, const QString& text);
    QString GetStrInfo(int i) const;

    int GetColorBits() const { return m_colorBits; }
    // 4, 8, 16 and 24 bits map to themselves, anything else to 1 bit.
    TPixFormat GetPixFormat() const;
    bool OffAxis() const { return m_offAxis; }
    int OffFactor() const { return m_offFactor; }
    int Scale() const { return m_scale; }
    // scale = 1, 10, 100 or 1000 for index 0 to 3; other indexes are clamped to that range.
    void SetScale(int index);
    // Decimal digits of scale minus 1.
    int ScaleIndex() const;

    bool Save(const QString& path) const;
    // Never fails as a whole: missing or bad entries take their fallbacks (fonts Tahoma 10,
    // domain 0 so that Valid is false, 1 bit, no offsets, scale 1, every 2nd label). Returns
    // whether the file could be read; the info lines 0 to 2 are left as they are.
    bool Load(const QString& path);

private:
    TFontInfo m_fonts[kFonts];
    int m_t1 = 0, m_s1 = 0, m_t2 = 0, m_s2 = 0;
    QString m_strInfo[kCaptions];
    int m_colorBits = 1;
    bool m_offAxis = false;
    int m_offFactor = 0;
    int m_scale = 1000;
};
