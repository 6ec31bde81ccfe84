// Draws every picture of the game: the unit picture strips, the title, board and cover
// pictures into the program folder; the mouse pointers and icons into a folder that the build
// packs into a Qt resource; the icons also into the program folder's icons/ for the desktop
// entries.
//
//   marovane-make-pictures PROGRAM_DIR RESOURCE_DIR [--contact-sheet OUT.png]

#include "Backgrounds.h"
#include "ContactSheet.h"
#include "Figures.h"
#include "Icons.h"
#include "ImageFiles.h"
#include "Intro.h"
#include "LetterTiles.h"
#include "MapSymbols.h"
#include "Pointers.h"
#include "UnitStrip.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <exception>
#include <iostream>

using namespace marovane::art;

namespace {

void WritePointers(const QString& folder) {
    QFile list(folder + "/cursors.txt");
    const std::vector<Pointer> pointers = MakePointers();
    for (const Pointer& pointer : pointers)
        SavePng(pointer.Image, folder + "/" + pointer.Name + ".png");
    if (!list.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate))
        throw std::runtime_error("Cannot write cursors.txt");
    // One line per pointer: its name and the hot spot's x and y in pixels.
    QTextStream out(&list);
    for (const Pointer& pointer : pointers)
        out << pointer.Name << ' ' << pointer.HotSpot.x() << ' ' << pointer.HotSpot.y() << '\n';
}

void WriteIcons(const QString& programDir, const QString& resourceDir) {
    for (IconKind kind : {IconKind::Program, IconKind::Scenario, IconKind::SavedGame}) {
        const QString context = kind == IconKind::Program ? "apps" : "mimetypes";
        // Laid out as a freedesktop icon theme, ready to install or to copy into the user's icon
        // folder: every size a desktop asks for, and the scalable drawing.
        for (int size : kIconSizes) {
            const QImage icon = MakeIcon(kind, size);
            SavePng(icon, QString("%1/icons/hicolor/%2x%2/%3/%4.png")
                              .arg(programDir)
                              .arg(size)
                              .arg(context, IconName(kind)));
            if (size == 256 || size == 48 || size == 32) {
                const QString suffix = size == 256 ? QString() : QString("-%1").arg(size);
                SavePng(icon, resourceDir + "/icons/" + IconResourceName(kind) + suffix + ".png");
            }
        }
        const QString scalable =
            QString("%1/icons/hicolor/scalable/%2/%3.svg").arg(programDir, context, IconName(kind));
        QDir().mkpath(QFileInfo(scalable).path());
        QFile svg(scalable);
        if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            svg.write(MakeScalableIcon(kind)) < 0 || !svg.flush())
            throw std::runtime_error("Cannot write " + scalable.toStdString());
    }
}

} // namespace

int main(int argc, char** argv) {
    // Drawing needs no screen; without this a build on a machine with no display would fail.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 && !(args.size() == 5 && args[3] == "--contact-sheet")) {
        std::cerr << "usage: marovane-make-pictures PROGRAM_DIR RESOURCE_DIR"
                     " [--contact-sheet OUT.png]\n";
        return 2;
    }
    const QString programDir = args[1];
    const QString resourceDir = args[2];
    try {
        SaveBmp24(MakeStrip(DrawPeopleCell), programDir + "/units-People.bmp");
        SaveBmp24(MakeStrip(DrawLetterCell), programDir + "/units-Alphabet.bmp");
        SaveBmp24(MakeStrip(DrawSymbolCell), programDir + "/units-Symbols.bmp");
        SaveJpeg(MakeIntro(), programDir + "/intro.jpg");
        SaveJpeg(MakeGrass(), programDir + "/grass.jpg");
        SaveJpeg(MakeHideCover(), programDir + "/hide.jpg");
        WritePointers(resourceDir + "/cursors");
        WriteIcons(programDir, resourceDir);
        if (args.size() == 5)
            SavePng(MakeContactSheet(programDir, resourceDir), args[4]);
    } catch (const std::exception& error) {
        std::cerr << "marovane-make-pictures: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
