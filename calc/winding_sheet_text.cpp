// SPDX-License-Identifier: GPL-3.0-or-later
#include "winding_sheet_text.h"

#include "text/number_text.h"

namespace navivor {
namespace {

std::string pair(const std::string& first, const std::string& second) {
    return first + " / " + second;
}

class SheetWriter {
public:
    explicit SheetWriter(const MessageLookup& text)
        : text_(text) {}

    void line(const char* key, const std::string& value) {
        lines_.push_back(text_(key) + " " + value);
    }
    void heading(const std::string& text) { lines_.push_back(text); }
    void blank() { lines_.push_back(" "); }
    std::string text(const char* key) const { return text_(key); }

    void winding(const SheetRow& row, bool secondary) {
        line("SheetTurns", std::to_string(row.turns));
        if (row.calculatedDiameter > 0)
            line("SheetStandardWire",
                 pair(fixedText(row.calculatedDiameter, 3), fixedText(row.diameter, 3)));
        line("SheetWireDiameters",
             pair(fixedText(row.diameter, 3), fixedText(row.overallDiameter, 3)));
        if (row.turnsPerLayer > 0)
            line("SheetTurnsPerLayer",
                 pair(std::to_string(row.turnsPerLayer), std::to_string(row.layers)));
        else
            heading(text("SheetWireTooWide"));
        line("SheetBuildUp", fixedText(row.buildUp, 2));
        line("SheetMeanTurn", fixedText(row.meanTurn, 1));
        line("SheetWireLength", pair(fixedText(row.length, 2), fixedText(row.lengthToBuy, 2)));
        line("SheetWireMass", fixedText(row.mass, 1));
        line("SheetResistance",
             pair(fixedText(row.resistance20, 3), fixedText(row.resistanceHot, 3)));
        line("SheetCurrent", fixedText(row.current, 3));
        line("SheetDrop", fixedText(row.drop, 2));
        line("SheetCopperLoss", fixedText(row.loss, 2));
        if (secondary) {
            line("SheetVoltages",
                 pair(fixedText(row.noLoadVoltage, 2), fixedText(row.loadedVoltage, 2)));
            line("SheetTurnsForNominal", fixedText(row.turnsForNominal, 0));
        }
        blank();
    }

    std::vector<std::string> take() { return std::move(lines_); }

private:
    const MessageLookup& text_;
    std::vector<std::string> lines_;
};

} // namespace

std::vector<std::string> windingSheetLines(const CoreGeometry& core,
                                           const WindingAllowances& allowances,
                                           const WindingSheet& sheet, const MessageLookup& text) {
    SheetWriter writer(text);
    writer.heading(text("SheetTitle"));
    writer.line("SheetCore",
                fixedText(core.tongueWidth, 2) + " x " + fixedText(core.stackHeight, 2));
    writer.line("SheetWindow",
                fixedText(core.windowWidth, 2) + " x " + fixedText(core.windowHeight, 2));
    writer.line("SheetBobbinWall", fixedText(allowances.bobbinWall, 2));
    writer.line("SheetLayerTape", fixedText(allowances.layerInsulation, 2));
    writer.line("SheetSpare", fixedText(allowances.sparePercent, 1));
    writer.line("SheetTemperature", fixedText(allowances.workingTemperature, 1));
    writer.blank();

    writer.heading(text("SheetPrimary"));
    writer.winding(sheet.primary, false);
    for (std::size_t k = 0; k < sheet.secondaries.size(); ++k) {
        writer.heading(text("SheetSecondary") + " " + std::to_string(k + 1));
        writer.winding(sheet.secondaries[k], true);
    }

    writer.heading(text("SheetTotals"));
    writer.line("SheetTotalMass", fixedText(sheet.totalMass, 1));
    writer.line("SheetTotalLoss", fixedText(sheet.totalLoss, 2));
    writer.line("SheetBuildUpAgainstWindow",
                pair(fixedText(sheet.totalBuildUp, 2), fixedText(core.windowWidth, 2)));
    writer.line("SheetFillOfWindow", fixedText(sheet.fit.fillPercent, 1));
    constexpr const char* kVerdicts[] = {"SheetFits", "SheetTight", "SheetDoesNotFit"};
    writer.heading(text(kVerdicts[static_cast<int>(sheet.fit.fit)]));
    writer.line("SheetFluxNominal", fixedText(sheet.fluxDensity, 3));
    writer.line("SheetFluxHighMains", fixedText(sheet.fluxDensityHighMains, 3));
    return writer.take();
}

} // namespace navivor
