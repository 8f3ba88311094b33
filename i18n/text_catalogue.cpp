#include "text_catalogue.h"

#include <array>

namespace navivor {
namespace {

struct CatalogueEntry {
    std::string_view section;
    std::string_view key;
    std::string_view text;
};

// Some texts end in a blank that the look-up drops, and Mes5 and Label4 begin with one that
// it keeps.
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
};

} // namespace

std::string_view builtInText(std::string_view section, std::string_view key) {
    for (const CatalogueEntry& entry : kCatalogue)
        if (entry.section == section && entry.key == key)
            return entry.text;
    return {};
}

} // namespace navivor
