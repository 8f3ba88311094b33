#include "text_catalogue.h"

#include <array>

namespace navivor {
namespace {

// Some texts end in a blank that the look-up drops, and Mes5 and Label4 begin with one that
// it keeps. Label9 has a blank inside a word, as designed: it sets where its box wraps.
constexpr std::array kCatalogue = {
    CatalogueEntry{"Messages", "Mes1", "Введите значение толщины пластин сердечника !"},
    CatalogueEntry{"Messages", "Mes2", "Ошибка !"},
    CatalogueEntry{"Messages", "Mes3", "Недостаточное сечение сердечника !!!"},
    CatalogueEntry{"Messages", "Mes4", "Требуемое сечение сердечника не менее "},
    CatalogueEntry{"Messages", "Mes5", " мм. кв."},
    CatalogueEntry{"Messages", "Mes6", "РАСЧЕТ ТРАНСФОРМАТОРА С Ш-ОБРАЗНЫМ СЕРДЕЧНИКОМ "},
    CatalogueEntry{"Messages", "Mes7", "Частота тока, Гц - "},
    CatalogueEntry{"Messages", "Mes8", "Напряжение первичной обмотки, В -"},
    CatalogueEntry{"Messages", "Mes9",
                   "Площадь сечения сердечника в месте распол. обмотки, мм.кв. -"},
    CatalogueEntry{"Messages", "Mes10", "Мощность нагрузки, Вт -"},
    CatalogueEntry{"Messages", "Mes11", "ПЕРВИЧНАЯ ОБМОТКА :"},
    CatalogueEntry{"Messages", "Mes12", "Количество витков :"},
    CatalogueEntry{"Messages", "Mes13", "Расчетный диаметр провода, мм.:"},
    CatalogueEntry{"Messages", "Mes14", "ВТОРИЧНЫЕ ОБМОТКИ :"},
    CatalogueEntry{"Messages", "Mes15", "Обмотка"},
    CatalogueEntry{"Messages", "Mes16", "Расчетное напряжение, В -"},
    CatalogueEntry{"Messages", "Mes17", "Расчетный ток, А -"},
    CatalogueEntry{"MainForm", "Kol1", "№ обм."},
    CatalogueEntry{"MainForm", "Kol2", "U (В)"},
    CatalogueEntry{"MainForm", "Kol3", "I (A)"},
    CatalogueEntry{"MainForm", "Label4", " Диам.пр."},
    CatalogueEntry{"MainForm", "Button1", "Расчитать"},
    CatalogueEntry{"MainForm", "Button1_", "Заполнение"},
    CatalogueEntry{"MainForm", "MainForm", "Расчет трансформатора"},
    CatalogueEntry{"MainForm", "Label1", "Количество вторичных обмоток"},
    CatalogueEntry{"MainForm", "Label2", "Первичная обмотка"},
    CatalogueEntry{"MainForm", "Label3", "U (В)"},
    CatalogueEntry{"MainForm", "Label5", "Частота тока первичной обмотки"},
    CatalogueEntry{"MainForm", "Label6", "шт."},
    CatalogueEntry{"MainForm", "Label7", "Гц"},
    CatalogueEntry{"MainForm", "Label9", "Площадь сечения сердеч ника в месте расп. обмоток"},
    CatalogueEntry{"MainForm", "Label10", "мм. кв."},
    CatalogueEntry{"MainForm", "Label11", "Площадь окна сердечника"},
    CatalogueEntry{"MainForm", "Label12", "мм. кв."},
    CatalogueEntry{"MainForm", "Label13", "Толщина пластины сердечника"},
    CatalogueEntry{"MainForm", "Label14", "мм."},
    CatalogueEntry{"MainForm", "Button2", "Сброс"},
    CatalogueEntry{"MainForm", "ToolButton1", "Сохранить результаты"},
    CatalogueEntry{"MainForm", "ToolButton2", "Распечатать результаты"},
    CatalogueEntry{"MainForm", "ToolButton3", "Шрифт..."},
    CatalogueEntry{"MainForm", "ToolButton8", "Цвет фона"},
    CatalogueEntry{"MainForm", "ToolButton10", "Цвет фона таблицы"},
    CatalogueEntry{"MainForm", "ToolButton7", "О программе"},
    CatalogueEntry{"MainForm", "ToolButton9", "Выход"},
    CatalogueEntry{"MainForm", "Menu1", "Меню"},
    CatalogueEntry{"MainForm", "Save", "Сохр. результаты"},
    CatalogueEntry{"MainForm", "Print", "Печать результатов"},
    CatalogueEntry{"MainForm", "Exit1", "Выход"},
    CatalogueEntry{"MainForm", "N7", "Сервис"},
    CatalogueEntry{"MainForm", "N3", "Шрифт..."},
    CatalogueEntry{"MainForm", "N5", "Цвет фона..."},
    CatalogueEntry{"MainForm", "N6", "Цвет фона таблицы"},
    CatalogueEntry{"MainForm", "N4", "Плоские кнопки"},
    CatalogueEntry{"MainForm", "N13", "Всегда наверху"},
    CatalogueEntry{"MainForm", "Lang", "Язык"},
    CatalogueEntry{"MainForm", "N9", "Справка"},
    CatalogueEntry{"MainForm", "About1", "О программе"},
    CatalogueEntry{"MainForm", "N16", "Инфо"},
    CatalogueEntry{"AboutBox", "AboutBox", "О программе"},
    CatalogueEntry{"AboutBox", "ProductName", "Navivor"},
    CatalogueEntry{"AboutBox", "Version", "Ver.  2.01"},
    CatalogueEntry{"AboutBox", "Copyright", "© 2026 Разработчики Navivor"},
    CatalogueEntry{"AboutBox", "Comments", "Расчет силовых трансформаторов"},
    CatalogueEntry{"AboutBox", "OKButton", "OK"},
    CatalogueEntry{"Result", "Result", "Результаты расчета"},
    CatalogueEntry{"Result", "Button1", "Ok"},
    CatalogueEntry{"LangForm", "LangForm", "Выбор языка"},
    CatalogueEntry{"LangForm", "Lang", "Перечень доступных языков"},
    CatalogueEntry{"LangForm", "Button1", "Изменить"},
    CatalogueEntry{"LangForm", "Button2", "Закрыть"},
    CatalogueEntry{"Info", "Info", "Как пользоваться программой."},
    CatalogueEntry{"Info", "Button1", "Ok"},
};

} // namespace

std::span<const CatalogueEntry> textCatalogue() {
    return kCatalogue;
}

std::string_view builtInText(std::string_view section, std::string_view key) {
    for (const CatalogueEntry& entry : kCatalogue)
        if (entry.section == section && entry.key == key)
            return entry.text;
    return {};
}

} // namespace navivor
