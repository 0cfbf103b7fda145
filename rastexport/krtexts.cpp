#include "rastexport/krtexts.h"

#include <map>

QString KrText(TKrText id) {
    static const std::map<TKrText, const char*> texts = {
        {krUnitMs, "ms"},
        {krUnitMcs, "mcs"},
        {krNoLastJob, "Файл с предыдущим заданием не найден."},
        {krOpenError, "Ошибка открытия файла [%1]."},
        {krSaveDataError, "Ошибка сохранения данных (возможно, из-за прав доступа)."},
        {krBadLastJob, "Предыдущее задание недействительно."},
        {krNoMemory, "Ошибка распределения памяти."},
        {krUnknownMakeError, "Неизвестная ошибка создания/сохранения растра."},
        {krImageSaveError, "Ошибка сохранения созданного изображения."},
        {krUnknownSaveError, "Неизвестная ошибка сохранения растра."},
        {krJpegDepth, "Формат JPEG требует 24-битной глубины цвета."},
        {krSaveNoMemory, "Ошибка сохранения растра: не хватает памяти."},
        {krMakeStopped, "Создание растрового образа прервано."},
        {krBmpSaveError, "Ошибка сохранения растра в файл BMP."},
        {krCaptionOrder, "Первый заголовок не может быть пуст, если не пуст второй."},
        {krBadRegion, "Недействительная область записи."},
        {krViewerError, "Ошибка запуска программы просмотра изображений."},
        {krAppTitle, "Raster Exporter"},
        {krFormCaption, "Экспорт  в графический в файл"},
        {krBitmapSize, "Размер битового образа в памяти %1 Мб"},
        {krFileDialogTitle, "Имя графического файла"},
        {krFileFilter, "Файлы %1 (*%2)"},
        {krSummaryFile, "File \"%1\".  Sample interval %2 %3"},
        {krSummaryRange, "Traces: %1 - %2 with increment %3. Samples: %4 - %5 with increment %6."},
        {krSummaryReduction, "Reduction velocity: %1."},
        {krSummaryNoReduction, "Reduction velocity: none."},
        {krSummaryFilter, " Bandpass Filter: %1 - %2 Hz."},
        {krSummaryNoFilter, " Bandpass Filter: none."},
        {krSampleAxis, "1234"},
        {krSampleEmpty, "Aa"},
        {krDepth1, "1    (черно-белое)"},
        {krDepth4, "4    (16 цветов)"},
        {krDepth8, "8    (256 цветов)"},
        {krDepth16, "16  (65536 цветов)"},
        {krDepth24, "24  (RGB)"},
    };
    const auto it = texts.find(id);
    return it == texts.end() ? QString() : QString::fromUtf8(it->second);
}
