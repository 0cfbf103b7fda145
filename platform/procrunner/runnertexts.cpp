#include "procrunner/runnertexts.h"

QString RunnerText(TRunnerText id) {
    switch (id) {
    case rtUsage:
        return QString::fromUtf8("Вызов: procrunner <код> <номер файла> \"<входной файл>\" "
                                 "\"<выходной файл>\"");
    case rtBadIndex:
        return QString::fromUtf8("Неверный номер файла: %1");
    case rtNoChannel:
        return QString::fromUtf8("Нет связи с супервизором.");
    case rtBadCode:
        return QString::fromUtf8("Неверный код процедуры: %1");
    case rtNoJobText:
        return QString::fromUtf8("Нет текста задания.");
    case rtNoPlugin:
        return QString::fromUtf8("Библиотека процедуры не найдена: %1");
    case rtNoEntry:
        return QString::fromUtf8("В библиотеке процедуры нет точки входа %1");
    case rtPluginCrashed:
        return QString::fromUtf8("Процедура завершилась аварийно.");
    }
    return QString();
}
