#include "traceview/kvcommands.h"

using namespace kvc;

const std::vector<KvCommandDef>& KV_Commands() {
    static const std::vector<KvCommandDef> list = {
        {FileOpen, "&Открыть...", "Alt+O", "p_bnFileOpen", FileMenu, false, false},
        {OpenOptions, "Опции открытия...", "", "p_bnFileFold", FileMenu, false, false},
        {Reopen, "Последние файлы...", "Alt+L", nullptr, FileMenu, false, false},
        {FileProps, "Свойства файла. Заголовки...", "Alt+Y", "p_bnFileProp", FileMenu, false, true},
        {FileClose, "Закрыть", "", nullptr, FileMenu, false, false},
        {HeaderProbe, "Пробное чтение заголовка...", "", nullptr, FileMenu, false, true},
        {Export, "Экспорт в графический файл...", "Alt+G", "p_bnFilePrint", FileMenu, false, true},
        {Exit, "В&ыход", "", nullptr, FileMenu, false, true},
        {NewWindow, "Открывать в новом окне", "", "p_bnFileWin", NoMenu, false, false},
        {ViewOptions, "Параметры изображения...", "Alt+P", "p_bnViewSet", SetupMenu, false, false},
        {FastPanel, "Панель быстрой настройки...", "Alt+Q", "p_bnViewFast", SetupMenu, true, false},
        {Memorize, "Запомнить...", "Alt+S", "p_bnViewMem", SetupMenu, false, true},
        {ApplyMenu, "Применить", "", nullptr, SetupMenu, false, false},
        {Defaults, "По умолчанию", "Alt+D", "p_bnViewDef", SetupMenu, false, false},
        {SaveParams, "Сохранить в файл...", "", nullptr, SetupMenu, false, true},
        {LoadParams, "Загрузить из файла...", "", nullptr, SetupMenu, false, false},
        {AgaTable, "Таблица АПУ...", "Alt+T", nullptr, SetupMenu, true, true},
        {AgaMode, "Режим АПУ", "Alt+A", "p_bnViewAgaS", SetupMenu, false, false},
        {CursorHint, "Информация под курсором", "", nullptr, SetupMenu, false, true},
        {GainUp, "Усиление больше (Ctrl+A)", "", "p_bnAInc", NoMenu, false, false},
        {GainDown, "Усиление меньше (Shift+Ctrl+A)", "", "p_bnADec", NoMenu, false, false},
        {MoveUpLt, "Влево вверх", "", "p_bnUpLt", NoMenu, false, false},
        {MoveDnLt, "Влево вниз", "", "p_bnDnLt", NoMenu, false, false},
        {MoveUpRt, "Вправо вверх", "", "p_bnUpRt", NoMenu, false, false},
        {MoveDnRt, "Вправо вниз", "", "p_bnDnRt", NoMenu, false, false},
        {Back, "Назад (предыдущий кадр)", "", "p_bnBack", NoMenu, false, false},
        {Forward, "Вперед (следующий кадр)", "", "p_bnFwd", NoMenu, false, false},
        {GoFrame, "Перейти к кадру...", "Alt+F", "p_bnFindFrm", SearchMenu, false, false},
        {FindMax, "Найти кадр с Аmax...", "Alt+X", "p_bnFindMax", SearchMenu, false, false},
        {MakeMark, "Создать закладку", "Alt+B", "p_bnFindBmMake", SearchMenu, true, true},
        {GoMark, "Перейти к закладке...", "Alt+M", "p_bnFindBmList", SearchMenu, false, false},
        {TraceHeader, "&Заголовок трассы", "", nullptr, NoMenu, true, false},
        {AddToAga, "Добавить в таблицу АПУ", "", nullptr, NoMenu, true, false},
        {HelpContents, "Gravik Tools", "", nullptr, HelpMenu, false, false},
        {HelpViewer, "Gravik Viewer", "", "p_bnHelp", HelpMenu, false, false},
        {HelpKeys, "Быстрые клавиши...", "", nullptr, HelpMenu, false, false},
        {About, "О программе...", "", nullptr, HelpMenu, false, true},
    };
    return list;
}

const KvCommandDef* KV_FindCommand(int tag) {
    for (const KvCommandDef& c : KV_Commands())
        if (c.tag == tag)
            return &c;
    return nullptr;
}

const std::vector<int>& KV_ToolbarOrder() {
    static const std::vector<int> order = {
        FileOpen, OpenOptions, FileProps, Export, NewWindow, 0,        ViewOptions, FastPanel,
        Memorize, Defaults,    AgaMode,   0,      GainUp,    GainDown, 0,           MoveUpLt,
        MoveDnLt, MoveUpRt,    MoveDnRt,  0,      Back,      Forward,  0,           GoFrame,
        FindMax,  MakeMark,    GoMark,    0,      HelpViewer};
    return order;
}

QString KV_MenuTitle(int menu) {
    switch (menu) {
    case FileMenu:
        return QStringLiteral("&Файл");
    case SetupMenu:
        return QStringLiteral("&Настройка");
    case SearchMenu:
        return QStringLiteral("&Поиск");
    case HelpMenu:
        return QStringLiteral("&Справка");
    default:
        return QString();
    }
}

KvLook KV_CommandLook(int tag, const KvState& s) {
    KvLook l;
    switch (tag) {
    case FileOpen:
    case OpenOptions:
    case Reopen:
    case Exit:
    case HelpContents:
    case HelpViewer:
    case HelpKeys:
    case About:
        l.enabled = true;
        return l;
    case NewWindow:
        l.enabled = true;
        l.checked = s.newWindow;
        return l;
    case HeaderProbe:
        l.enabled = s.lastAttempted;
        return l;
    case FastTop:
    case FastBottom:
    case FastHide:
        l.enabled = s.fastShown;
        return l;
    default:
        break;
    }
    if (!s.fileOpen)
        return l;
    switch (tag) {
    case ApplyMenu:
        l.enabled = s.setsExist;
        break;
    case AgaTable:
        l.enabled = !s.normOrAgc;
        break;
    case AgaMode:
        l.enabled = s.agaEntries > 0;
        l.checked = s.agaMode;
        break;
    case CursorHint:
        l.enabled = true;
        l.checked = s.hintOn;
        break;
    case GoMark:
        l.enabled = s.bookmarks;
        break;
    case GainUp:
        l.enabled = !s.agaMode && s.gainUp;
        break;
    case GainDown:
        l.enabled = !s.agaMode && s.gainDown;
        break;
    case MoveDnRt:
        l.enabled = s.canMove[0];
        break;
    case MoveUpLt:
        l.enabled = s.canMove[1];
        break;
    case MoveDnLt:
        l.enabled = s.canMove[2];
        break;
    case MoveUpRt:
        l.enabled = s.canMove[3];
        break;
    case Back:
        l.enabled = s.back;
        break;
    case Forward:
        l.enabled = s.forward;
        break;
    case AddToAga:
        l.enabled = s.agaWindowShown && !s.agaMode;
        break;
    default:
        l.enabled = true; // the rest of the file, setup and search commands
        break;
    }
    return l;
}

KvLook KV_SetItemLook(int index, const KvState& s) {
    KvLook l;
    l.enabled = s.fileOpen && index >= 0 && index < 10 && s.setValid[index];
    return l;
}
