// SPDX-License-Identifier: GPL-3.0-or-later
// Everything that would block a test or touch the desktop: message boxes, the common
// dialogs, the printer, the shell's open action and the beep. The program installs the Qt
// implementation; tests install a scripted one.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace navivor {

enum class MessageIcon { None, Error };

struct SaveFileRequest {
    QString proposedPath;  // a file name, or the full path of the last save
    QString filter;        // "Text files (*.txt)"
    QString defaultSuffix; // appended to a name typed without an extension
};

struct FontChoice {
    QFont font;
    QColor colour;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    virtual void beep() = 0;
    // A modal message box with a single OK button.
    virtual void showMessage(QWidget* parent, const QString& caption, const QString& text,
                             MessageIcon icon) = 0;
    // The chosen full path, or nothing when the user cancels.
    virtual std::optional<QString> chooseSaveFile(QWidget* parent,
                                                  const SaveFileRequest& request) = 0;
    // A printer on the default print destination, or nullptr when there is none.
    virtual std::unique_ptr<QPrinter> defaultPrinter() = 0;
    // The print dialog on that printer; false when the user cancels.
    virtual bool choosePrinterSettings(QWidget* parent, QPrinter& printer) = 0;
    virtual std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& initial) = 0;
    virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) = 0;
    // The shell's open action. onFailure runs, now or once the opener has ended, when nothing
    // could be started to open the address or the opener reports that it failed.
    virtual void openUrl(const QUrl& url, std::function<void()> onFailure) = 0;

    // The implementation in force; the program installs the Qt one at start-up. Until something
    // is installed, and after installing nullptr, it is the Qt implementation.
    static Desktop& instance();
    static void install(std::unique_ptr<Desktop> desktop);
};

} // namespace navivor
