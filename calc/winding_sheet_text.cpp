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
        line("Sheet10", std::to_string(row.turns));
        line("Sheet11", pair(fixedText(row.diameter, 3), fixedText(row.overallDiameter, 3)));
        if (row.turnsPerLayer > 0)
            line("Sheet12", pair(std::to_string(row.turnsPerLayer), std::to_string(row.layers)));
        else
            heading(text("Sheet31"));
        line("Sheet13", fixedText(row.buildUp, 2));
        line("Sheet14", fixedText(row.meanTurn, 1));
        line("Sheet15", pair(fixedText(row.length, 2), fixedText(row.lengthToBuy, 2)));
        line("Sheet16", fixedText(row.mass, 1));
        line("Sheet17", pair(fixedText(row.resistance20, 3), fixedText(row.resistanceHot, 3)));
        line("Sheet18", fixedText(row.current, 3));
        line("Sheet19", fixedText(row.drop, 2));
        line("Sheet20", fixedText(row.loss, 2));
        if (secondary) {
            line("Sheet21", pair(fixedText(row.noLoadVoltage, 2), fixedText(row.loadedVoltage, 2)));
            line("Sheet22", fixedText(row.turnsForNominal, 0));
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
    writer.heading(text("Sheet1"));
    writer.line("Sheet2", fixedText(core.tongueWidth, 2) + " x " + fixedText(core.stackHeight, 2));
    writer.line("Sheet3", fixedText(core.windowWidth, 2) + " x " + fixedText(core.windowHeight, 2));
    writer.line("Sheet4", fixedText(allowances.bobbinWall, 2));
    writer.line("Sheet5", fixedText(allowances.layerInsulation, 2));
    writer.line("Sheet6", fixedText(allowances.sparePercent, 1));
    writer.line("Sheet7", fixedText(allowances.workingTemperature, 1));
    writer.blank();

    writer.heading(text("Sheet8"));
    writer.winding(sheet.primary, false);
    for (std::size_t k = 0; k < sheet.secondaries.size(); ++k) {
        writer.heading(text("Sheet9") + " " + std::to_string(k + 1));
        writer.winding(sheet.secondaries[k], true);
    }

    writer.heading(text("Sheet23"));
    writer.line("Sheet24", fixedText(sheet.totalMass, 1));
    writer.line("Sheet25", fixedText(sheet.totalLoss, 2));
    writer.line("Sheet26", pair(fixedText(sheet.totalBuildUp, 2), fixedText(core.windowWidth, 2)));
    writer.heading(text(sheet.fits ? "Sheet27" : "Sheet28"));
    writer.line("Sheet29", fixedText(sheet.fluxDensity, 3));
    writer.line("Sheet30", fixedText(sheet.fluxDensityHighMains, 3));
    return writer.take();
}

} // namespace navivor
