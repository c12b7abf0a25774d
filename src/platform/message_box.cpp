#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>

void MessageBoxSink::show(const Message& message)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (message.icon) {
    case MessageIcon::Exclamation:
        icon = QMessageBox::Warning;
        break;
    case MessageIcon::Information:
        icon = QMessageBox::Information;
        break;
    case MessageIcon::None:
        break;
    }
    // A message without a title of its own shows the application's name.
    QString title = message.title.text();
    if (title.isEmpty())
        title = QApplication::applicationDisplayName();
    QMessageBox box(icon, title, message.text.text(), QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
