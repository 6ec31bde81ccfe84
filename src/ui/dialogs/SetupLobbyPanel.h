#pragma once

#include <QWidget>

#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace marovane {

class SetupModel;

// The new-game dialog's lobby: the chosen scenario's title, the player slots with their types
// (or, for a guest, the host's slots to claim), the state of the network game, the scenario's
// extra options, the unit picture set, the Options and Teams menus, and Begin, Cancel and the
// details toggle. It shows a SetupModel and reports what the player does.
class SetupLobbyPanel : public QWidget {
    Q_OBJECT

public:
    explicit SetupLobbyPanel(QWidget* parent);

    // Every slot's choices, selection and visibility afresh.
    void ShowSlots(const SetupModel& model);
    // Only the selections, after a rule changed them.
    void ShowSelections(const SetupModel& model);
    // Whether each extra option is offered, and its caption.
    void ShowOptions(const SetupModel& model);
    std::array<bool, 2> OptionsTicked() const;
    void ClearOptions();
    // The host's view of a slot: waiting for its guest (in italics), and the tool tip.
    void ShowHostSlot(int slot, bool waiting, const QString& toolTip);
    // A guest sees the host's slots as labels to click instead of the lists, or the lists again.
    void ShowAsGuest(bool guest, const SetupModel& model);
    void ShowGuestSlot(int slot, const QString& text, bool mine);

    QLabel* Title() const { return title_; }
    QLabel* Status() const { return status_; }
    QComboBox* Slot(int i) const { return slots_[static_cast<size_t>(i)]; }
    QLabel* ChooseLabel(int i) const { return choose_[static_cast<size_t>(i)]; }
    QCheckBox* OptionBox(int i) const { return options_[static_cast<size_t>(i)]; }
    QComboBox* PictureSets() const { return pictures_; }
    QPushButton* OptionsButton() const { return optionsButton_; }
    QPushButton* TeamsButton() const { return teamsButton_; }
    QPushButton* BeginButton() const { return begin_; }
    QPushButton* CancelButton() const { return cancel_; }
    QPushButton* DetailsButton() const { return details_; }

    static const char* const kSpaceTip;

signals:
    // The player picked choice `index` in a slot's list.
    void SlotPicked(int slot, int index);
    // Space in a slot's list: every slot is to take its type.
    void AllLike(int slot);
    void OptionToggled();
    // A guest clicked a slot to claim it or give it up.
    void SlotClaimed(int slot);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* title_;
    std::array<QLabel*, 4> slotLabels_{};
    std::array<QComboBox*, 4> slots_{};
    std::array<QLabel*, 4> choose_{};
    QLabel* status_;
    std::array<QCheckBox*, 2> options_{};
    QComboBox* pictures_;
    QPushButton* optionsButton_;
    QPushButton* teamsButton_;
    QPushButton* begin_;
    QPushButton* cancel_;
    QPushButton* details_;
    // The lists are being filled: their signals are not the player's.
    bool showing_ = false;
};

} // namespace marovane
