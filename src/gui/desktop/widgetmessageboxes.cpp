#include "gui/desktop/widgetmessageboxes.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace {
// What the box's own label still shows in one piece; anything longer scrolls.
constexpr int MaxLabelLines = 20;
constexpr int MaxLabelCharacters = 2000;

bool fitsInLabel(const QString& text)
{
    return text.size() <= MaxLabelCharacters && text.count(QLatin1Char('\n')) < MaxLabelLines;
}

// A long text goes into a read-only view of bounded size in place of the box's label, so that
// the box and its buttons stay on the screen however long the text is.
void showScrolling(QMessageBox& box, const QString& text)
{
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!label || !grid) {
        box.setText(text); // a Qt laid out otherwise: the whole text, however tall
        return;
    }
    auto* view = new QPlainTextEdit(&box);
    view->setReadOnly(true);
    view->setPlainText(text);
    const QRect screen = box.screen()->availableGeometry();
    view->setFixedSize(qMin(520, screen.width() * 2 / 3), qMin(320, screen.height() / 2));
    delete grid->replaceWidget(label, view);
    label->hide();
}
} // namespace

BoxAnswer WidgetMessageBoxes::ask(const QString& text, BoxIcon icon, BoxButtons buttons)
{
    // CR LF and CR alone each start a new line.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    QMessageBox box(icon == BoxIcon::Exclamation ? QMessageBox::Warning : QMessageBox::Information,
                    tr("Zeph系列软件"), QString(), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText); // remarks are shown as typed, never as markup

    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    if (buttons == BoxButtons::Ok) {
        QPushButton* ok = box.addButton(tr("确定"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    } else {
        yes = box.addButton(tr("是(&Y)"), QMessageBox::YesRole);
        no = box.addButton(tr("否(&N)"), QMessageBox::NoRole);
        if (buttons == BoxButtons::YesNoCancel)
            box.setEscapeButton(box.addButton(tr("取消"), QMessageBox::RejectRole));
        // Without a Cancel button Esc and the close box answer No.
        box.setDefaultButton(buttons == BoxButtons::YesNoDefaultNo ? no : yes);
    }
    if (fitsInLabel(shown))
        box.setText(shown);
    else
        showScrolling(box, shown);

    box.exec();
    if (buttons == BoxButtons::Ok)
        return BoxAnswer::Ok;
    QAbstractButton* clicked = box.clickedButton();
    if (clicked && clicked == yes)
        return BoxAnswer::Yes;
    if (clicked && clicked == no)
        return BoxAnswer::No;
    return BoxAnswer::Cancel;
}
