#include "traceview/kvstrings.h"

#include <QHash>

namespace {

const QHash<int, QString>& Table() {
    static const QHash<int, QString> t = {
        {kvs::TraceNo, QStringLiteral("Trace %1")},
        {kvs::OpenError, QStringLiteral("Ошибка %1 открытия файла:\n%2")},
        {kvs::NoSetFolder, QStringLiteral("Папка для настроек не определена в опциях открытия.")},
        {kvs::NotFound, QStringLiteral("Файл не обнаружен.")},
        {kvs::RootFolder, QStringLiteral("Корневую папку нельзя использовать.")},
        {kvs::ReadError, QStringLiteral("Oшибка чтения файла. Tрасса %1. Код ошибки %2.")},
        {kvs::NewCopyFailed, QStringLiteral("Ошибка запуска новой копии приложения.")},
        {kvs::NoTraceBuffer, QStringLiteral("Ошибка распределения памяти для буфера трассы.")},
        {kvs::ExportFailed, QStringLiteral("Ошибка запуска модуля экспорта.")},
        {kvs::AlreadyOpen, QStringLiteral("Файл уже открыт.")},
        {kvs::TooManyMarks, QStringLiteral("Число закладок слишком велико. Удалите лишние.")},
        {kvs::AllZero, QStringLiteral("Файл не будет открыт: все трассы файла нулевые.")},
        {kvs::ZeroQuestion, QStringLiteral("Первые %1 трасс файла нулевые. Продолжать поиск?")},
        {kvs::BadViewOpts,
         QStringLiteral("Невозможно отобразить кадр с данными настройками изображения.")},
        {kvs::MarkExists, QStringLiteral("Закладка для этого кадра уже существует.")},
        {kvs::SaveError,
         QStringLiteral("Ошибка сохранения данных. Возможно, из-за ограничения доступа.")},
        {61, QStringLiteral("Отказ ОС в открытии файла (отсутствует, нет прав доступа и пр)")},
        {62, QStringLiteral("Отказ ОС в определении размеров файла.")},
        {63, QStringLiteral("Ошибка распределения памяти под буферы файла.")},
        {64, QStringLiteral("Неидентифицированная ошибка открытия.")},
        {65, QStringLiteral("Внутренняя ошибка (обратиться к разработчику).")},
        {66, QStringLiteral("Файл слишком мал для файла SEG-Y.")},
        {67, QStringLiteral("Ошибка при чтении с диска.")},
        {69, QStringLiteral(
                 "Слишком большое число трасс; возможно, из-за ошибочного заголовка файла.")},
        {70, QStringLiteral("Файл обрезан: последняя трасса неполная.")},
        {72, QStringLiteral("Недопустимое значение слова заголовка файла.")},
        {73, QStringLiteral("Неидентифицированная ошибка интерпретации заголовка файла.")},
        {74, QStringLiteral(
                 "Файл Стандарта версии 1 с переменной длиной дополнительных текстовых блоков.")},
        {75,
         QStringLiteral(
             "Ошибка в заголовке трассы (значения интервала дискретизации или числа отсчетов).")},
        {76,
         QStringLiteral(
             "Ошибка в заголовке трассы (значения интервала дискретизации или числа отсчетов).")},
        {kvs::FolderGone, QStringLiteral("Выбранная папка не существует и удаляется из списка.")},
        {kvs::NotepadFailed, QStringLiteral("Ошибка запуска Блокнота Windows.")},
        {kvs::NoReduDelay, QStringLiteral("Редуцирование и задержка зписи должны быть отключены.")},
        {kvs::ColorUsed, QStringLiteral("Выбранный цвет уже использован.")},
        {kvs::AgaNotAvailable,
         QStringLiteral("Опция не доступна в случае АРУ или нормировки сигнала.")},
        {kvs::AgaFull, QStringLiteral("Максимальный размер таблицы АПУ превышен.")},
        {kvs::AppTitle, QStringLiteral("Gravik Viewer")},
        {kvs::FileCaption, QStringLiteral("KxViewer [%1]")},
        {kvs::OpenTitle, QStringLiteral("Выбор SEG-Y файла")},
        {kvs::OpenFilter, QStringLiteral("SEG-Y Files  (*.sgy);;SEG-Y Files  (*)")},
        {kvs::ParamFilter, QStringLiteral("Файлы настроек (*.uprm)")},
        {kvs::SaveParamsTitle, QStringLiteral("Сохранить настройки в файл")},
        {kvs::LoadParamsTitle, QStringLiteral("Загрузить настройки из файла")},
    };
    return t;
}

} // namespace

QString KV_Text(int id) {
    return Table().value(id);
}

QString KV_OpenErrorText(int code) {
    return KV_Text(kvs::OpenError).arg(code).arg(KV_Text(code + 60));
}
