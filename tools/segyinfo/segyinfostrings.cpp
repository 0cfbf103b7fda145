#include "segyinfo/segyinfostrings.h"

namespace segyinfo {

namespace {

const char* const kCaptions[11] = {"Имя файла",
                                   "Размер файла,  байт",
                                   "Время создания  (UTC)",
                                   "Время последнего изменения  (UTC)",
                                   "Сейсмический формат",
                                   "Дополнительных текстовых блоков",
                                   "Число трасс в файле",
                                   "Интервал дискретизации,  ",
                                   "Число отсчетов сигнала",
                                   "Длительность записи трассы,  ",
                                   "Формат отсчета"};

} // namespace

const char* Text(int id) {
    switch (id) {
    case kUsage:
        return "Использование: segyinfo ФАЙЛ [--text] [--bin] [--traces A-B] [--samples] [--json]\n"
               "                [--ignore-file-header] [--ignore-trace-headers]\n"
               "       segyinfo --help | --version\n"
               "  без параметров: сведения о файле; --text: текстовые блоки; --bin: слова\n"
               "  двоичного заголовка; --traces A-B: слова заголовков трасс A..B (от 1);\n"
               "  --samples: отсчеты этих трасс (трассы 1, если диапазон не задан);\n"
               "  --json: один объект JSON;\n"
               "  --ignore-file-header: нулевые число отсчетов и интервал дискретизации\n"
               "  двоичного заголовка взять из заголовка первой трассы;\n"
               "  --ignore-trace-headers: не сверять число отсчетов и интервал в заголовках\n"
               "  трасс с двоичным заголовком.\n";
    case kBadArgs:
        return "Недопустимый параметр: %s";
    case kOpenError:
        return "Ошибка %d открытия файла: %s";
    case kReadError:
        return "Oшибка чтения файла. Tрасса %d. Код ошибки %d.";
    case kRangeError:
        return "Диапазон трасс вне файла (трасс в файле: %d).";
    case kVersion:
        return "segyinfo " GRAVIK_VERSION "\n";
    default:
        if (id >= kCaptionFirst && id < kCaptionFirst + 11)
            return kCaptions[id - kCaptionFirst];
        return "";
    }
}

const char* OpenErrorText(int code) {
    switch (code) {
    case 1:
        return "Отказ ОС в открытии файла (отсутствует, нет прав доступа и пр)";
    case 2:
        return "Отказ ОС в определении размеров файла.";
    case 3:
        return "Ошибка распределения памяти под буферы файла.";
    case 4:
        return "Неидентифицированная ошибка открытия.";
    case 5:
        return "Внутренняя ошибка (обратиться к разработчику).";
    case 6:
        return "Файл слишком мал для файла SEG-Y.";
    case 7:
        return "Ошибка при чтении с диска.";
    case 9:
        return "Слишком большое число трасс; возможно, из-за ошибочного заголовка файла.";
    case 10:
        return "Файл обрезан: последняя трасса неполная.";
    case 12:
        return "Недопустимое значение слова заголовка файла.";
    case 13:
        return "Неидентифицированная ошибка интерпретации заголовка файла.";
    case 14:
        return "Файл Стандарта версии 1 с переменной длиной дополнительных текстовых блоков.";
    case 15:
    case 16:
        return "Ошибка в заголовке трассы (значения интервала дискретизации или числа "
               "отсчетов).";
    default:
        return "";
    }
}

} // namespace segyinfo
