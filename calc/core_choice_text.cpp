// SPDX-License-Identifier: GPL-3.0-or-later
#include "core_choice_text.h"

#include "text/number_text.h"

namespace navivor {

std::vector<std::string> coreChoiceLines(const std::vector<CoreChoice>& choices,
                                         const MessageLookup& text) {
    std::vector<std::string> lines{text("CoreTitle"), text("CoreColumns")};
    for (const CoreChoice& choice : choices)
        lines.push_back(choice.lamination.name + ": " + fixedText(choice.lamination.tongue, 2) +
                        " x " + fixedText(choice.stack, 2) + " / " + fixedText(choice.section, 0) +
                        " / " + fixedText(choice.windowArea, 0) + " / " +
                        fixedText(choice.fillPercent, 1) + " / " + fixedText(choice.wireMass, 1));
    lines.push_back(text("CorePick") + " " + choices.front().lamination.name + ", " +
                    fixedText(choices.front().stack, 2));
    return lines;
}

} // namespace navivor
