#pragma once
// Result codes of a procedure run: what Execute returns and what a worker reports as its final
// status 1000 + r. One list for the job parsers, the framework and the worker program, so the
// batch editor's error list can give each its text.
//
//   0   job accepted / run succeeded
//   1   job format error                      2   job value error
//   100 the input file of a piece cannot be opened (qos5)
//   200 the job has no record for the number of the file being processed (lum6, lum8)
//   210 the job does not fit the input file   211 two outputs would get one name / piece file
//   212 a piece's last trace lies beyond its file
//   213 the input files differ in file properties 1 or 4
//   214 the output would hold more than 2147483647 traces
// Framework (procbase):
//   150 "Не удалось открыть входной файл."
//   151 "Не удалось создать выходной файл."
//   152 "Ошибка записи выходного файла."
//   153 "Ошибка чтения входного файла."
//   154 "Недостаточно памяти."
//   155 "Внутренняя ошибка процедуры."
//   156 "Выходной файл совпадает с входным."
//   198 "Обработка остановлена по запросу."  (soft stop answered)
// Worker program (procrunner):
//   157 "Библиотека процедуры не найдена."
//   158 "В библиотеке процедуры нет точки входа."
//   159 "Нет текста задания."
//   160 "Процедура завершилась аварийно."
// The batch editor itself uses 10 (worker could not start) and 199 (hard stop).

namespace prc {

constexpr int kAccepted = 0;
constexpr int kFormatError = 1;
constexpr int kValueError = 2;
constexpr int kPieceOpen = 100;
constexpr int kNoFileRecord = 200;
constexpr int kJobDoesNotFit = 210;
constexpr int kDuplicateName = 211;
constexpr int kPieceBeyondFile = 212;
constexpr int kPropsDiffer = 213;
constexpr int kTooManyTraces = 214;

constexpr int kInputOpen = 150;
constexpr int kOutputCreate = 151;
constexpr int kOutputWrite = 152;
constexpr int kInputRead = 153;
constexpr int kNoMemory = 154;
constexpr int kInternal = 155;
constexpr int kOutputIsInput = 156;
constexpr int kStopped = 198;

constexpr int kPluginMissing = 157;
constexpr int kEntryMissing = 158;
constexpr int kJobTextMissing = 159;
constexpr int kPluginCrashed = 160;

} // namespace prc
