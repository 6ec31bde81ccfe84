#pragma once

#include <QByteArray>
#include <QTest>
#include <QWidget>

namespace marovane::test {

// With MAROVANE_SHOTS naming a folder, the windows are saved there as pictures to look at.
inline void Shoot(QWidget* widget, const char* name) {
    const QByteArray folder = qgetenv("MAROVANE_SHOTS");
    if (folder.isEmpty())
        return;
    QTest::qWait(50);
    widget->grab().save(QString::fromLocal8Bit(folder) + "/" + name + ".png");
}

} // namespace marovane::test
