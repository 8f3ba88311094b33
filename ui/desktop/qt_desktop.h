// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop seam on Qt: the platform's beep, message boxes, dialogs, printers and shell.
#pragma once

#include "ui/desktop/desktop.h"

namespace navivor {

class QtDesktop final : public Desktop {
public:
    void beep() override;
    void showMessage(QWidget* parent, const QString& caption, const QString& text,
                     MessageIcon icon) override;
    std::optional<QString> chooseSaveFile(QWidget* parent, const SaveFileRequest& request) override;
    // A high-resolution printer on the default destination, else on the first one known.
    std::unique_ptr<QPrinter> defaultPrinter() override;
    bool choosePrinterSettings(QWidget* parent, QPrinter& printer) override;
    std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& initial) override;
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override;
    // Runs xdg-open, whose exit status tells whether a program took the address.
    void openUrl(const QUrl& url, std::function<void()> onFailure) override;
};

// Undoes every choice of a print dialog that would print less than the whole document: a page
// range, the current page or the selection, odd or even pages.
void keepEveryPage(QPrinter& printer);

} // namespace navivor
