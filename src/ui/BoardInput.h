#pragma once

#include "session/TutorialGuide.h"

#include <QObject>
#include <QString>

class QKeyEvent;

namespace marovane {

struct AttackPreview;
class BoardWidget;
class GameSession;
class Pointers;
class UnitPanel;

// A human plays with the mouse on the board: clicks select, step, attack, heal and repair; the
// right button and Space offer the next unit; Escape lets go of the selection. While the pointer
// moves over the cells, the floating panel shows the piece beneath it, and the pointer, the
// hit chance and the damage both sides can deal tell what a click would do. Everything is ignored
// unless a human at this machine is to move.
class BoardInput : public QObject {
    Q_OBJECT

public:
    BoardInput(GameSession& session, BoardWidget& board, UnitPanel& pointerPanel,
               const Pointers& pointers, QObject* parent = nullptr);

    // Escape and Space, which the window hands on; true when the key was used.
    bool KeyPressed(QKeyEvent* event);
    // The pointer left the cells: the floating panel goes.
    void PointerLeftCells();
    // The floating panel's lines for an attack, a healing or a repair: "Damage 3-5" and
    // "Strikes back 2-3" or "No strike back"; "Heals 2-4"; "Repairs 5-10".
    static QString PreviewLines(const AttackPreview& preview, bool repair);

signals:
    // What the player's click or pointer did on the board, for the tutorial's guide.
    void Did(PlayerDeed deed);

private:
    void OnCellMouseDown(int button, int x, int y);
    void OnCellClick(int x, int y);
    void OnCellMouseMove(int button, int x, int y);

    GameSession& session_;
    BoardWidget& board_;
    UnitPanel& pointerPanel_;
    const Pointers& pointers_;
    int lastMouseX_ = 0;
    int lastMouseY_ = 0;
    bool rightButtonDown_ = false;
};

} // namespace marovane
