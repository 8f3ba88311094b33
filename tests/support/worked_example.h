// SPDX-License-Identifier: GPL-3.0-or-later
// The first worked example of the program's documentation: 220 V to 12 V 2 A at 50 Hz on a
// 1000 mm2 core, then the chosen diameters 0,27 and 1,12 mm in a 500 mm2 window. The report
// lines it gives with the built-in texts and a comma as the decimal separator.
#pragma once

#include <string>
#include <vector>

namespace navivor::testing {

inline const std::vector<std::string> kWorkedExampleReport = {
    "РАСЧЕТ ТРАНСФОРМАТОРА С Ш-ОБРАЗНЫМ СЕРДЕЧНИКОМ",
    "Частота тока, Гц - 50",
    "Напряжение первичной обмотки, В - 220",
    "Площадь сечения сердечника в месте распол. обмотки, мм.кв. - 1000",
    "Мощность нагрузки, Вт - 24",
    " ",
    "ПЕРВИЧНАЯ ОБМОТКА :",
    " ",
    "Количество витков : 1210",
    "Расчетный диаметр провода, мм.: 0,264",
    " ",
    "ВТОРИЧНЫЕ ОБМОТКИ :",
    " ",
    "Обмотка 1",
    "Расчетное напряжение, В - 12",
    "Расчетный ток, А - 2",
    "Количество витков : 69",
    "Расчетный диаметр провода, мм.: 1,129 мм.",
    " ",
};

inline const std::vector<std::string> kWorkedExampleFill = {
    "ЗАПОЛНЕНИЕ ОКНА СЕРДЕЧНИКА",
    "Площадь окна сердечника :500 мм. кв.",
    "Принятый диаметр провода первичной обмотки : 0,27 мм.",
    "Принятый диаметр провода вторичной обмотки 1 : 1,12 мм.",
    "Заполнение окна : 47,4 %",
};

} // namespace navivor::testing
