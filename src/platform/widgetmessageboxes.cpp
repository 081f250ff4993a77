#include "platform/widgetmessageboxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

QString WidgetMessageBoxes::displayText(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

int WidgetMessageBoxes::show(const QString& text, int style, const QString& title)
{
    const bool exclamation = style == Exclamation;
    QMessageBox box(exclamation ? QMessageBox::Warning : QMessageBox::Information, title,
                    displayText(text), QMessageBox::NoButton, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText); // remarks are shown as typed, never as markup

    QPushButton* ok = nullptr;
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* cancel = nullptr;
    switch (style) {
    case InformationYesNo:
    case InformationYesNoCancel:
        yes = box.addButton(QStringLiteral("是(&Y)"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("否(&N)"), QMessageBox::NoRole);
        if (style == InformationYesNoCancel) {
            cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
            box.setEscapeButton(cancel);
        }
        box.setDefaultButton(yes);
        break;
    default:
        ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok); // Esc on a box with only OK answers OK
        break;
    }
    // A Yes/No box gets no escape button of its own: Esc and the close box then answer No,
    // which counts as No wherever such a box is asked.

    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (clicked && clicked == yes)
        return Yes;
    if (clicked && clicked == no)
        return No;
    if (ok)
        return Ok;
    return Cancel;
}
