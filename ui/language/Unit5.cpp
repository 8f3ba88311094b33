#include "ui/language/Unit5.h"

#include "i18n/language_file.h"
#include "ui/widgets/window_builders.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>

namespace navivor {

TLangForm::TLangForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | kCloseBoxOnly) {
    setUpWindow(this, "LangForm", "Выбор языка", {252, 96});
    move(348, 159);
    Lang = makeLabel(this, "Lang", "Перечень доступных языков", {15, 12, 193, 16});
    LangList = new QComboBox(this);
    LangList->setObjectName("LangList");
    LangList->setEditable(true);
    LangList->setGeometry(17, 32, 217, 21);
    Button1 = makePushButton(this, "Button1", "Изменить", {43, 63, 75, 25});
    Button2 = makePushButton(this, "Button2", "Закрыть", {131, 63, 75, 25});
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TLangForm::FormCreate() {
    // Every entry named *.ini under lang/, folders too, in the order the directory gives.
    const QFileInfoList entries = QDir("lang").entryInfoList(
        {"*.ini"}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDir::Unsorted);
    for (const QFileInfo& entry : entries) {
        LangList->addItem(entry.fileName().chopped(4));
        if (LangList->count() == 1)
            LangList->setEditText(QString::fromUtf8(
                kBuiltInLanguage.data(), static_cast<qsizetype>(kBuiltInLanguage.size())));
    }
}

QString TLangForm::languageName() const {
    return LangList->currentText();
}

} // namespace navivor
