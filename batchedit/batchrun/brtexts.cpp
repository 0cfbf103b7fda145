#include "brtexts.h"

#include <map>

QString BrText(TBrText id) {
    static const std::map<TBrText, const char*> texts = {
        {brUsage, "Использование: batchrun --proc КОД (--job ТЕКСТ | --job-file ФАЙЛ) --in ПАПКА\n"
                  "  [--mask МАСКА] --out ПАПКА [--prefix П] [--suffix С] [--workers N]\n"
                  "Выполняет процедуру над файлами входной папки, подходящими под маску\n"
                  "(по умолчанию *.sgy), и пишет выходные файлы в выходную папку.\n"
                  "Коды завершения: 0 - все файлы обработаны успешно, 1 - есть ошибки,\n"
                  "2 - запуск отклонен. Ctrl+C - мягкая остановка, повторно - жесткая.\n"},
        {brBadOption, "Неизвестный или неполный параметр: %1"},
        {brBadWorkers, "Недопустимое число обработчиков: %1"},
        {brUnknownProc, "Процедура %1 не найдена в каталоге."},
        {brNoInputFolder, "Входная папка не найдена: %1"},
        {brNoOutputFolder, "Не удалось создать выходную папку: %1"},
        {brJobFileUnread, "Не удалось прочитать файл задания: %1"},
        {brJobBoth, "Задание задается либо --job, либо --job-file."},
        {brBadMask, "Недопустимая маска имени файла: %1"},
        {brBadAffix, "Недопустимый префикс или суффикс имени файла: %1"},
        {brJobMissing, "Процедура требует задания: укажите --job или --job-file."},
        {brStarted, "%1: начат"},
        {brPercent, "%1: %2%"},
        {brFileOk, "%1: OK"},
        {brFileFailed, "%1: ошибка %2 %3"},
        {brSoftStop, "Мягкая остановка: новые файлы не запускаются, ждем завершения начатых."},
        {brHardStop, "Жесткая остановка выполняемых файлов."},
        {brTableHead, "Файл\tРезультат\tОшибка"},
        {brNotRun, "не обработан"},
        {brOutputs, "Выходные файлы %1:"},
        {brOutputsWhere, "Выходные файлы в папке %1"},
    };
    const auto it = texts.find(id);
    return it == texts.end() ? QString() : QString::fromUtf8(it->second);
}
