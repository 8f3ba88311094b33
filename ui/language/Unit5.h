// The language chooser: the language files found under lang/ and the name of the current
// language, which the calculate button reads at every press.
#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QPushButton;

namespace navivor {

class TLangForm : public QDialog {
    Q_OBJECT
public:
    explicit TLangForm(QWidget* parent = nullptr);

    // The text of the name field: a listed name, or whatever the user typed.
    QString languageName() const;

    QLabel* Lang;
    QComboBox* LangList;
    QPushButton* Button1;
    QPushButton* Button2;

    void FormCreate();
};

} // namespace navivor
