#include "ui/Pointers.h"

#include <QFile>
#include <QPixmap>
#include <QTextStream>

namespace marovane {

Pointers::Pointers() {
    QHash<QString, QPoint> hotSpots;
    QFile list(":/cursors/cursors.txt");
    if (list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&list);
        while (!in.atEnd()) {
            const QStringList words = in.readLine().split(' ', Qt::SkipEmptyParts);
            if (words.size() == 3)
                hotSpots.insert(words[0], QPoint(words[1].toInt(), words[2].toInt()));
        }
    }
    for (const char* name : {"Run", "Attack", "Arrow", "Rock", "Magic", "Oil", "Repair"}) {
        QPixmap picture(QString(":/cursors/") + name + ".png");
        if (!picture.isNull()) {
            const QPoint hot = hotSpots.value(name, QPoint(16, 16));
            cursors_.insert(name, QCursor(picture, hot.x(), hot.y()));
        }
    }
}

QCursor Pointers::Named(const QString& name) const {
    return cursors_.value(name, QCursor(Qt::ArrowCursor));
}

QCursor Pointers::For(ClickAction action) const {
    switch (action) {
    case ClickAction::None:
        return QCursor(Qt::ArrowCursor);
    case ClickAction::Move:
        return Named("Run");
    case ClickAction::Attack:
        return Named("Attack");
    case ClickAction::Arrow:
        return Named("Arrow");
    case ClickAction::Rock:
        return Named("Rock");
    case ClickAction::Oil:
        return Named("Oil");
    case ClickAction::Heal:
        return Named("Magic");
    case ClickAction::Repair:
        return Named("Repair");
    case ClickAction::Select:
    case ClickAction::NoDrop:
        break;
    }
    return QCursor(Qt::ForbiddenCursor);
}

} // namespace marovane
