#pragma once

#include <QMessageBox>
#include <QString>

namespace marovane {

// A message box whose text is shown exactly as it stands. Text from a file or from another
// machine may look like markup; it is never read as such.
inline void ShowPlainMessage(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                             const QString& text) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace marovane
