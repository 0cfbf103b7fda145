#include "hdrpeektexts.h"

#include <QStringList>

namespace {

const char* const kDescriptions[kListedKeyWords] = {
    "Интервал дискретизации",      "Число отсчетов в трассе",
    "Код формата отсчета",         "Версия Стандарта SEG-Y, использованная в файле",
    "Флаг постоянной длины трасс", "Число дополнительных текстовых блоков",
};

// The trace-count record follows the listed words; a shorter list has none.
const TCWordRec* traceCount(const std::vector<TCWordRec>& keys) {
    return keys.size() > size_t(kListedKeyWords) ? &keys[kListedKeyWords] : nullptr;
}

QString badHeaderText(const std::vector<TCWordRec>& keys) {
    QString text = QStringLiteral("Ошибочный заголовок файла");
    QStringList invalid;
    for (size_t i = 0; i < keys.size() && i < size_t(kListedKeyWords); ++i) {
        if (!keys[i].valid)
            invalid << QString::number(qint16(keys[i].number));
    }
    if (!invalid.isEmpty())
        text += QStringLiteral(". Следующие слова недействительны: ") +
                invalid.join(QStringLiteral(", "));
    const TCWordRec* traces = traceCount(keys);
    if (traces && traces->valid)
        text += QStringLiteral(". Число трасс - ") + QString::number(traces->value);
    else
        text += QStringLiteral(
            ". Число трасс корректно не определяется: нулевое, или дробное, или слишком большое.");
    return text;
}

} // namespace

QString KeyWordDescription(int row) {
    if (row < 0 || row >= kListedKeyWords)
        return {};
    return QString::fromUtf8(kDescriptions[row]);
}

QString ReadResultText(int status, const std::vector<TCWordRec>& keys) {
    if (status == 0) {
        const TCWordRec* traces = traceCount(keys);
        return QStringLiteral("Файл открыт и заголовок прочтен успешно. Число трасс в файле - %1.")
            .arg(traces ? traces->value : 0);
    }
    if (status == 6)
        return QStringLiteral("Ошибка чтения: файл слишком мал для SEG-Y файла.");
    if (status <= 7)
        return QStringLiteral(
            "Ошибка открытия или чтения файла уровня ОС. Возможно, файл не найден.");
    return badHeaderText(keys);
}
