// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in Russian texts that the program looks up in a language file by section and
// key: the report and message texts of [Messages], every caption, hint and menu text of the
// five windows, then the texts of the rectifier, winding-sheet and core-pick windows, the
// sheet's lines among them. Menu and toolbar separators carry no text and have no entry.
#pragma once

#include <span>
#include <string_view>

namespace navivor {

struct CatalogueEntry {
    std::string_view section;
    std::string_view key;
    std::string_view text;
};

// Every text a language file may give, in the order of the sections [Language] (the locale of
// Qt's own dialogs), [Messages], [MainForm],
// [AboutBox], [Result], [LangForm], [Info],
// [RectifierForm], [WindingSheetForm] and [CorePickForm]; each section and key pair occurs once.
std::span<const CatalogueEntry> textCatalogue();

// The built-in text of a key; an unknown key gives the empty text. The same key names
// different texts in different sections (Button1), so both are needed.
std::string_view builtInText(std::string_view section, std::string_view key);

} // namespace navivor
