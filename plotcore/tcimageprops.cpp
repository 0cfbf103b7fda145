#include "plotcore/tcimageprops.h"

#include "plotcore/tcinifile.h"

#include <QStringList>
#include <algorithm>
#include <iterator>

namespace {

const QString kFontsSection = QStringLiteral("FONTS");
const QString kCaptionsSection = QStringLiteral("CAPTIONS");
const QString kParamsSection = QStringLiteral("PARAMS");
constexpr int kScales[] = {1, 10, 100, 1000};

int IntOr(const QString& text, int fallback) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : fallback;
}

TFontInfo FallbackFont() {
    TFontInfo f;
    f.name = QStringLiteral("Tahoma");
    f.charset = 1;
    f.size = 10;
    return f;
}

} // namespace

TCImageProps::TCImageProps() {
    const int sizes[kFonts] = {8, 14, 12};
    for (int i = 0; i < kFonts; ++i) {
        m_fonts[i].name = QStringLiteral("Arial");
        m_fonts[i].size = sizes[i];
        m_fonts[i].bold = true;
    }
}

bool TCImageProps::Valid() const {
    return m_t1 != m_t2 && m_s1 != m_s2;
}

void TCImageProps::SetProps(const QRect& domain, int colorBits, bool offAxis, int offFactor) {
    m_t1 = domain.left();
    m_s1 = domain.top();
    m_t2 = domain.right();
    m_s2 = domain.bottom();
    m_colorBits = colorBits;
    m_offAxis = offAxis;
    m_offFactor = offFactor;
}

void TCImageProps::GetProps(QRect& domain, int& colorBits, bool& offAxis, int& offFactor) const {
    domain = Domain();
    colorBits = m_colorBits;
    offAxis = m_offAxis;
    offFactor = m_offFactor;
}

void TCImageProps::SetFont(int i, const TFontInfo& font) {
    if (i >= 0 && i < kFonts)
        m_fonts[i] = font;
}

TFontInfo TCImageProps::GetFont(int i) const {
    return i >= 0 && i < kFonts ? m_fonts[i] : TFontInfo();
}

void TCImageProps::SetStrInfo(int i, const QString& text) {
    if (i >= 0 && i < kCaptions)
        m_strInfo[i] = text;
}

QString TCImageProps::GetStrInfo(int i) const {
    return i >= 0 && i < kCaptions ? m_strInfo[i] : QString();
}

TPixFormat TCImageProps::GetPixFormat() const {
    switch (m_colorBits) {
    case 4:
        return TPixFormat::Bits4;
    case 8:
        return TPixFormat::Bits8;
    case 16:
        return TPixFormat::Bits16;
    case 24:
        return TPixFormat::Bits24;
    default:
        return TPixFormat::Bits1;
    }
}

void TCImageProps::SetScale(int index) {
    m_scale = kScales[qBound(0, index, 3)];
}

int TCImageProps::ScaleIndex() const {
    return QString::number(m_scale).size() - 1;
}

bool TCImageProps::Save(const QString& path) const {
    TCIniFile ini;
    for (int i = 0; i < kFonts; ++i)
        ini.SetValue(kFontsSection, QString::number(i), m_fonts[i].ToText());
    for (int i = 3; i < kCaptions; ++i)
        ini.SetValue(kCaptionsSection, QString::number(i), m_strInfo[i]);
    ini.SetValue(kParamsSection, QStringLiteral("Domain"),
                 QStringLiteral("%1,%2,%3,%4").arg(m_t1).arg(m_s1).arg(m_t2).arg(m_s2));
    ini.SetValue(kParamsSection, QStringLiteral("ClrBits"), QString::number(m_colorBits));
    ini.SetValue(kParamsSection, QStringLiteral("Offsets"), m_offAxis ? "1" : "0");
    ini.SetValue(kParamsSection, QStringLiteral("Scale"), QString::number(m_scale));
    ini.SetValue(kParamsSection, QStringLiteral("OffVal"), QString::number(m_offFactor));
    return ini.Save(path);
}

bool TCImageProps::Load(const QString& path) {
    TCIniFile ini;
    const bool read = ini.Load(path);

    for (int i = 0; i < kFonts; ++i) {
        m_fonts[i] = FallbackFont();
        TFontInfo::FromText(ini.Value(kFontsSection, QString::number(i)), m_fonts[i]);
    }
    for (int i = 3; i < kCaptions; ++i)
        m_strInfo[i] = ini.Value(kCaptionsSection, QString::number(i));

    // The domain needs four strict integers; anything else leaves an invalid (all 0) domain.
    m_t1 = m_s1 = m_t2 = m_s2 = 0;
    const QString domain = ini.Value(kParamsSection, QStringLiteral("Domain"));
    const QStringList d = domain.split(QLatin1Char(','));
    if (domain.size() > 7 && d.size() == 4) {
        int v[4];
        bool all = true;
        for (int i = 0; i < 4 && all; ++i)
            v[i] = d[i].trimmed().toInt(&all);
        if (all) {
            m_t1 = v[0];
            m_s1 = v[1];
            m_t2 = v[2];
            m_s2 = v[3];
        }
    }

    m_colorBits = IntOr(ini.Value(kParamsSection, QStringLiteral("ClrBits")), 1);
    m_offAxis = IntOr(ini.Value(kParamsSection, QStringLiteral("Offsets")), 0) != 0;
    // Offsets are divided by the scale: only the table values are taken.
    const int scale = IntOr(ini.Value(kParamsSection, QStringLiteral("Scale")), 1);
    m_scale =
        std::find(std::begin(kScales), std::end(kScales), scale) != std::end(kScales) ? scale : 1;
    m_offFactor = IntOr(ini.Value(kParamsSection, QStringLiteral("OffVal")), 2);
    return read;
}
